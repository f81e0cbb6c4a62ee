#pragma once

#include <QStringList>

class QComboBox;

// The list of the number box `Text1`: the history entries, held in a string-list model so that
// a long history goes in with one call. The edit field stays the user's: filling or adding
// never selects an entry or changes the typed number.
class HistoryBox {
public:
    // Replaces the list by `entries`, with nothing selected and the edit field empty.
    static void setEntries(QComboBox *box, const QStringList &entries);
    // Appends one entry at the end, keeping the edit field as it is.
    static void append(QComboBox *box, const QString &entry);
};
