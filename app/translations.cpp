#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool loadTranslations(QCoreApplication &app, Language language)
{
    auto *translator = new QTranslator(&app);
    const bool loaded = language == Language::English
                            ? translator->load(QStringLiteral(":/i18n/quillon_en.qm"))
                            : translator->load(QStringLiteral("qtbase_zh_CN"),
                                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!loaded || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}
