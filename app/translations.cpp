#include "app/translations.h"

#include "common/layoutfit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QTranslator>
#include <QWidget>

namespace {
// Off unless asked for (QT_LOGGING_RULES=quillon.layout.warning=true): measuring every text of a
// window, the company lists' Chinese names among them, costs an English run megabytes of font.
Q_LOGGING_CATEGORY(layoutLog, "quillon.layout", QtCriticalMsg)

class ClippedTextReport : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow())
            for (const QString &text : clippedTexts(static_cast<QWidget *>(watched)))
                qCWarning(layoutLog).noquote() << watched->objectName() << "has no room for" << text;
        return false;
    }
};
} // namespace

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

void reportClippedTexts(QApplication &app)
{
    if (layoutLog().isWarningEnabled())
        app.installEventFilter(new ClippedTextReport(&app));
}
