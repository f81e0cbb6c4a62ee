#include "common/language.h"

QString languageOption(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == u"--")
            break;
        if (arguments[i].startsWith(u"--lang="))
            return arguments[i].sliced(7);
        if (arguments[i] == u"--lang")
            return arguments.value(i + 1);
    }
    return {};
}

Language languageOf(const QString &option, const QStringList &uiLanguages, bool *unknown)
{
    const bool named = option == u"zh" || option == u"en";
    if (unknown)
        *unknown = !option.isEmpty() && !named;
    if (named)
        return option == u"en" ? Language::English : Language::Chinese;
    const QString first = uiLanguages.value(0);
    return first == u"en" || first.startsWith(u"en-") || first.startsWith(u"en_") ? Language::English
                                                                                  : Language::Chinese;
}
