#pragma once

#include <QString>
#include <QUrl>

// `UTF8_URLEncoding`: every UTF-16 code unit below 80 hex passes unchanged (ASCII is never
// escaped); every other unit becomes its two- or three-byte UTF-8 form as "%XX" escapes. A
// surrogate half is encoded on its own, so a character above U+FFFF gives two three-byte forms.
QString UTF8_URLEncoding(const QString &szInput);

// The typed outlet name without leading and trailing U+0020; other white space is part of the name.
QString trimOutletName(const QString &typedName);

// "http://" host "/query_list.asp?name=" and the trimmed name as UTF-8 with every byte outside
// A-Z a-z 0-9 - . _ ~ escaped, so that the page receives exactly the name that was typed.
QUrl outletQueryUrl(const QString &host, const QString &typedName);
