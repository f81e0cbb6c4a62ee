#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// One step of a parcel's journey as the result list shows it.
struct ResultRow {
    QString time;
    QString progress;
    friend bool operator==(const ResultRow &, const ResultRow &) = default;
};
Q_DECLARE_TYPEINFO(ResultRow, Q_RELOCATABLE_TYPE); // a long answer's list grows by reallocation

// The newest of an answer's rows, which come in answer order: the last; an empty row for none.
ResultRow newestRow(const QList<ResultRow> &rows);

// Reads the tracking service's HTML answer by its fixed markers (it is not an HTML parser).
class ResultParser {
public:
    // The rows in answer order, one for each "<tr><td>" marker. Each row is read from its own
    // piece: its time is the text before the row's first "</td><td>" with every "<" removed
    // (empty without that marker); its progress is the text after it up to the next row's "<td>",
    // with "</td></tr><tr>" and "</td></tr></table>" removed. Anything after the table stays
    // at the end of the last row's progress.
    static QList<ResultRow> parse(QStringView answer);
};
