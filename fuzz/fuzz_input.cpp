// What the servers and the history file hold, as the program reads it. The first byte picks the
// reader, the rest is the input: U, the update file; O, an outlet page; D, an answer's Content-Type
// up to a NUL byte, then its body; H, a wlnum.ini; else, with the first byte, a tracking answer.
#include "common/gbtext.h"
#include "common/savefile.h"
#include "history/historystore.h"
#include "outlet/outletpage.h"
#include "platform/answerdecoder.h"
#include "tracking/queryoutcome.h"
#include "tracking/updatecheck.h"

#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace {
void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    FetchResult fetch{FetchResult::Outcome::Ok, 0, QString::fromUtf8(bytes)};
    if (data[0] == 'U') { // a version goes into a box: short, one line, no markup
        const UpdateCheck::Result result = UpdateCheck::evaluate(fetch);
        const QString &v = result.version;
        check((result.verdict == UpdateCheck::Verdict::Failed) == v.isEmpty() && v.size() <= 32 &&
              !v.contains(u'<') && !v.contains(u'\n') &&
              (result.verdict == UpdateCheck::Verdict::Current) == (v == UpdateCheck::currentVersion()));
    } else if (data[0] == 'O') { // each value is its piece from its first character, every "</" in
        // it removed once: a "</" that the removal itself makes ("<<//") stays, as it should.
        constexpr std::pair<qsizetype, qsizetype> places[] = {{6, 19},  {10, 19}, {14, 19},
                                                              {18, 19}, {22, 19}, {26, 20}};
        const QStringList pieces = fetch.body.split(QStringLiteral("td"));
        const OutletFields values = parseOutletPage(fetch.body);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const auto [piece, from] = places[i];
            const QString expected =
                piece < pieces.size() ? pieces.at(piece).mid(from).remove(QStringLiteral("</")) : QString();
            check(values[i] == expected && values[i].size() <= fetch.body.size());
        }
    } else if (data[0] == 'D') { // valid UTF-8 comes out as it is; text sent in GB18030 comes back
        const qsizetype nul = bytes.indexOf('\0'); // whole, its charset declared or not
        const QByteArray contentType = nul < 0 ? QByteArray() : bytes.left(nul), body = bytes.mid(nul + 1);
        const QByteArray charset = AnswerDecoder::declaredCharset(contentType), bom("\xEF\xBB\xBF");
        const QByteArray unmarked = body.startsWith(bom) ? body.mid(bom.size()) : body;
        const QString text = QString::fromUtf8(unmarked);
        const bool utf8 = text.toUtf8() == unmarked, utf8Read = charset.isEmpty() || charset == "utf-8";
        check(charset == charset.toLower() &&
              (!utf8 || !utf8Read || AnswerDecoder::decode(body, contentType) == text));
        const std::optional<QByteArray> gb = GbText::encode(text);
        check(gb.has_value()); // what starts as a UTF-8 byte order mark is read as UTF-8, as is valid UTF-8
        check(gb->startsWith(bom) ||
              (AnswerDecoder::decode(*gb, "text/html; charset=GBK") == text &&
               (QString::fromUtf8(*gb).toUtf8() == *gb || AnswerDecoder::decode(*gb, {}) == text)));
    } else if (data[0] == 'H') {        // line ends part entries; an entry's number is its start; what is
        static const QTemporaryDir dir; // loaded and written again loads the same
        const QString path = dir.filePath(QStringLiteral("wlnum.ini"));
        if (!saveWholeFile(path, bytes))
            return 0;
        HistoryStore store(path);
        const QStringList entries = store.load();
        for (const QString &entry : entries)
            check(!entry.contains(u'\r') && !entry.contains(u'\n') &&
                  entry.startsWith(HistoryStore::entryNumber(entry)));
        // No entry holds a line break, so this removes nothing and writes the file again.
        check(store.removeNumber(QStringLiteral("\n")) && HistoryStore(path).load() == entries);
    } else { // every ending has its message; only a refusal empties the number box; a row for each
        fetch.body = QString::fromUtf8(reinterpret_cast<const char *>(data),
                                       qsizetype(size)); // marker, no "<" in a time
        const QueryOutcome outcome = QueryOutcome::read(fetch);
        check(!outcome.message().isEmpty() &&
              (!outcome.emptiesNumber() || outcome.kind == QueryOutcome::Kind::Refused) &&
              (outcome.kind != QueryOutcome::Kind::Answered ||
               outcome.rows.size() == fetch.body.count(u"<tr><td>")));
        for (const ResultRow &row : outcome.rows)
            check(!row.time.contains(u'<') && !QueryOutcome::deliveryStatus(row.progress).isEmpty());
    }
    return 0;
}
