#include "tracking/resultparser.h"

namespace {

constexpr QStringView rowMarker = u"<tr><td>";
constexpr QStringView cellBreak = u"</td><td>";
constexpr QStringView nextRowStart = u"<tr>";

} // namespace

QList<ResultRow> ResultParser::parse(QStringView answer)
{
    QList<ResultRow> rows;
    qsizetype marker = answer.indexOf(rowMarker);
    while (marker >= 0) {
        const qsizetype start = marker + rowMarker.size();
        const qsizetype next = answer.indexOf(rowMarker, start);
        // A row's piece keeps the "<tr>" of the next marker: it ends where the next row's "<td>" starts.
        const qsizetype end = next >= 0 ? next + nextRowStart.size() : answer.size();
        const QStringView piece = answer.sliced(start, end - start);

        ResultRow row;
        const qsizetype split = piece.indexOf(cellBreak);
        if (split >= 0) {
            row.time = piece.first(split).toString();
            row.time.remove(u'<');
            row.progress = piece.sliced(split + cellBreak.size()).toString();
            row.progress.remove(QStringLiteral("</td></tr><tr>"));
            row.progress.remove(QStringLiteral("</td></tr></table>"));
        }
        rows.append(std::move(row));
        marker = next;
    }
    return rows;
}
