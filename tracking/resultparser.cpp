#include "tracking/resultparser.h"

namespace {

constexpr QStringView rowMarker = u"<tr><td>";
constexpr QStringView cellBreak = u"</td><td>";
constexpr QStringView nextRowStart = u"<tr>";

} // namespace

int ResultParser::countRows(QStringView answer)
{
    int rows = 0;
    for (qsizetype at = answer.indexOf(rowMarker); at >= 0; at = answer.indexOf(rowMarker, at + 1))
        ++rows;
    return rows;
}

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

QString ResultParser::deliveryStatus(const QString &topProgress)
{
    if (topProgress.contains(u'签') || topProgress.contains(u'妥'))
        return QStringLiteral("快件状态：已签收");
    if (topProgress.contains(u'派'))
        return QStringLiteral("快件状态：派件中");
    return QStringLiteral("快件状态：运送中");
}
