#pragma once

#include <QString>
#include <QUrl>
#include <array>

// The six values of an outlet page, in the dialog's order: outlet name, manager, the second name
// field, telephone, delivery area, area without delivery.
using OutletFields = std::array<QString, 6>;

// "http://" host "/query_list.asp?name=" and the typed name without leading and trailing U+0020,
// as UTF-8 with every byte outside A-Z a-z 0-9 - . _ ~ escaped: the page receives exactly the name
// that was typed, and a blank, "&" or "#" in it cannot add a key.
QUrl outletQueryUrl(const QString &host, const QString &typedName);

// Cuts the six values out of the page by fixed places: split at every "td" (case-sensitive), the
// values are pieces 6, 10, 14, 18, 22 and 26 (from 0), read from character 20 (the last from 21),
// each with every "</" removed. A missing or short piece gives an empty value.
OutletFields parseOutletPage(const QString &page);
