#pragma once

#include <QString>
#include <QStringList>

// The interface's language. The Chinese texts are the sources; English is a translation, kept in
// translations/quillon_en.ts and embedded at build time.
enum class Language { Chinese, English };

// The value of --lang among the program's arguments ("--lang en" or "--lang=en"), empty without it:
// read before the options are, so that their own texts are in the language it names.
QString languageOption(const QStringList &arguments);
// The language --lang asks for: "en" English; "zh", none or any other word Chinese, `unknown`
// telling the last.
Language languageOf(const QString &option, bool *unknown = nullptr);
