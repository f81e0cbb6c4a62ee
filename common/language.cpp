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

Language languageOf(const QString &option, bool *unknown)
{
    if (unknown)
        *unknown = !option.isEmpty() && option != u"zh" && option != u"en";
    return option == u"en" ? Language::English : Language::Chinese;
}
