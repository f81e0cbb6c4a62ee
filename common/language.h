#pragma once

#include <QString>
#include <QStringList>

// The interface's language. The Chinese texts are the sources; English is a translation, kept in
// translations/quillon_en.ts and embedded at build time.
enum class Language { Chinese, English };

// The value of --lang among the program's arguments ("--lang en" or "--lang=en"), empty without it:
// read before the options are, so that their own texts are in the language it names.
QString languageOption(const QStringList &arguments);
// The language --lang asks for, "zh" or "en"; without one, or with any other word (`unknown` tells
// it), English when the user's first interface language (QLocale::uiLanguages()) is English, and
// Chinese for every other, the C locale's included.
Language languageOf(const QString &option, const QStringList &uiLanguages, bool *unknown = nullptr);
