#pragma once

#include <QString>
#include <QStringList>

// The 127 courier companies, in the one fixed order that joins a display name to its service code.
class Catalogue {
public:
    static int count();
    static QString code(int position); // service code sent to the tracking service; empty outside the range
    static QStringList names();        // all display names in catalogue order
    static bool isName(QStringView text); // whether `text` is one of the display names
};
