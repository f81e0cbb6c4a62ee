#include "tracking/resultparser.h"

#include <QStringMatcher>

namespace {

constexpr QStringView rowMarker = u"<tr><td>";
constexpr QStringView cellBreak = u"</td><td>";
constexpr QStringView nextRowStart = u"<tr>";
constexpr QStringView rowClose = u"</td></tr>"; // how both removed endings start
constexpr QStringView rowJoin = u"</td></tr><tr>";
constexpr QStringView tableEnd = u"</td></tr></table>";

QString timeText(QStringView text)
{
    QString time = text.toString();
    if (text.contains(u'<'))
        time.remove(u'<');
    return time;
}

QString progressText(QStringView text)
{
    // The usual row ends in one of the two endings and holds no other "</td></tr>": cut it off
    // instead of copying the text and searching it twice more.
    const qsizetype close = text.indexOf(rowClose);
    if (close < 0)
        return text.toString();
    const QStringView ending = text.sliced(close);
    if (ending == rowJoin || ending == tableEnd)
        return text.first(close).toString();
    QString progress = text.toString();
    progress.remove(QStringLiteral("</td></tr><tr>"));
    progress.remove(QStringLiteral("</td></tr></table>"));
    return progress;
}

} // namespace

QList<ResultRow> ResultParser::parse(QStringView answer)
{
    // One matcher for the whole answer: a plain search on a long text sets up a new one each time.
    const QStringMatcher markers(rowMarker);
    QList<ResultRow> rows;
    qsizetype marker = markers.indexIn(answer);
    while (marker >= 0) {
        const qsizetype start = marker + rowMarker.size();
        const qsizetype next = markers.indexIn(answer, start);
        // A row's piece keeps the "<tr>" of the next marker: it ends where the next row's "<td>" starts.
        const qsizetype end = next >= 0 ? next + nextRowStart.size() : answer.size();
        const QStringView piece = answer.sliced(start, end - start);

        ResultRow row;
        const qsizetype split = piece.indexOf(cellBreak);
        if (split >= 0) {
            row.time = timeText(piece.first(split));
            row.progress = progressText(piece.sliced(split + cellBreak.size()));
        }
        rows.append(std::move(row));
        marker = next;
    }
    return rows;
}

ResultRow newestRow(const QList<ResultRow> &rows)
{
    return rows.isEmpty() ? ResultRow() : rows.constLast();
}
