#include "overview/parcelfile.h"

#include "common/gbtext.h"
#include "common/textrules.h"
#include "overview/parcelboard.h"
#include "tracking/catalogue.h"
#include "tracking/courierguess.h"

#include <QDateTime>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTimeZone>
#include <optional>

namespace {
enum Column {
    Number,
    Company,
    Note,
    Status,
    NewestTime,
    NewestStep,
    Steps,
    AskedAt,
    Marked,
    SignedAt,
    Archived
};
const QString columnNames[] = {
    QStringLiteral("单号"),     QStringLiteral("快递公司"), QStringLiteral("备注"),
    QStringLiteral("快件状态"), QStringLiteral("最新时间"), QStringLiteral("最新进度"),
    QStringLiteral("步数"),     QStringLiteral("上次查询"), QStringLiteral("有更新"),
    QStringLiteral("签收时间"), QStringLiteral("归档")};
const QString timeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
const QString yes = QStringLiteral("是"), no = QStringLiteral("否");
constexpr qsizetype shownSkipped = 10;
using Problem = ParcelFile::Reading::Problem;

bool looksLikeFormula(const QString &field)
{
    return !field.isEmpty() && QStringView(u"=+-@").contains(field.front());
}

QString csvField(const QString &value)
{
    const QString field = looksLikeFormula(value) ? u'\'' + value : value;
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\r') && !field.contains(u'\n'))
        return field;
    return u'"' + QString(field).replace(u'"', QLatin1String("\"\"")) + u'"';
}

QString fromField(const QString &field)
{
    return field.size() > 1 && field.front() == u'\'' && looksLikeFormula(field.sliced(1)) ? field.sliced(1)
                                                                                           : field;
}

// Times are written in the zone of the machine, as a person reads them. They are converted through
// one QTimeZone for a whole file, which reads the zone's rules once, and not through the C
// library's local time, which looks at the zone's file again for every time.
QString timeText(const QDateTime &time, const QTimeZone &zone)
{
    return time.isValid() ? time.toTimeZone(zone).toString(timeFormat) : QString();
}

QDateTime timeFrom(const QString &text, const QTimeZone &zone)
{
    const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    const QTime time = QTime::fromString(text.sliced(qMin(text.size(), 11)), Qt::ISODate);
    if (text.size() != timeFormat.size() || text.at(10) != u' ' || !date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time, zone).toUTC();
}

// The text of a file that is UTF-8 (with or without its mark) or else GBK; none, with the reason,
// for any other.
std::optional<QString> decoded(QByteArray bytes, Problem &problem)
{
    const bool marked = bytes.startsWith("\xEF\xBB\xBF");
    if (marked)
        bytes.remove(0, 3);
    const auto utf8 = [](QByteArrayView part, QString *text = nullptr) {
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString decodedText = decoder(part);
        if (text)
            *text = decodedText;
        return !decoder.hasError();
    };
    QString text;
    if (utf8(bytes, &text))
        return text;
    // The last character begun and never finished: the file ends where it was cut.
    for (qsizetype cut = 1; cut <= 3 && cut < bytes.size(); ++cut) {
        if (uchar(bytes.at(bytes.size() - cut)) >= 0xC0 && utf8(QByteArrayView(bytes).chopped(cut))) {
            problem = Problem::CutOff;
            return std::nullopt;
        }
    }
    text = marked ? QString(QChar::ReplacementCharacter) : GbText::decode(bytes);
    const qsizetype bad = text.indexOf(QChar::ReplacementCharacter);
    if (bad < 0)
        return text;
    problem = !marked && bad == text.size() - 1 ? Problem::CutOff : Problem::NotText;
    return std::nullopt;
}

bool isText(const QString &text)
{
    // The control characters: C0 but tab and the line breaks, DEL and C1.
    return std::ranges::none_of(text, [](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != u'\t' && u != u'\r' && u != u'\n') || (u >= 0x7F && u <= 0x9F);
    });
}

struct Record {
    QStringList fields;
    int line = 0;       // where it begins
    bool ended = false; // a line end follows it
};

// RFC 4180 records: fields split at commas, quoted ones holding commas, quotes doubled and line
// breaks. A quote inside an unquoted field is taken as it stands. None when the text ends inside
// a quoted field.
std::optional<QList<Record>> records(QStringView text)
{
    QList<Record> found;
    Record record{{}, 1};
    int line = 1;
    for (qsizetype at = 0; at <= text.size();) {
        QString field;
        if (at < text.size() && text.at(at) == u'"') {
            for (++at;; ++at) {
                if (at == text.size())
                    return std::nullopt;
                const qsizetype quote = text.indexOf(u'"', at);
                if (quote < 0)
                    return std::nullopt;
                const QStringView part = text.sliced(at, quote - at);
                field += part;
                line += int(part.count(u'\n') + part.count(u'\r') - part.count(u"\r\n"));
                at = quote + 1;
                if (at == text.size() || text.at(at) != u'"')
                    break;
                field += u'"';
            }
        }
        // The rest of the field, up to a comma or a line break.
        qsizetype end = at;
        while (end < text.size() && text.at(end) != u',' && text.at(end) != u'\r' && text.at(end) != u'\n')
            ++end;
        record.fields.append(field.append(text.sliced(at, end - at)));
        at = end + 1;
        if (end < text.size() && text.at(end) == u',')
            continue;
        if (end + 1 < text.size() && text.at(end) == u'\r' && text.at(end + 1) == u'\n')
            ++at;
        record.ended = end < text.size();
        if (record.ended || record.fields.size() > 1 || !record.fields.first().isEmpty())
            found.append(std::exchange(record, Record{{}, ++line}));
    }
    return found;
}

bool isBlank(const Record &record)
{
    return record.fields.size() == 1 && record.fields.first().trimmed().isEmpty();
}

QString skippedLine(int line, const QString &what, const QString &why)
{
    return QStringLiteral("第%1行 %2：%3").arg(line).arg(cutAtWholeCharacter(what, 20), why);
}
} // namespace

QByteArray ParcelFile::write(const QList<ParcelRecord> &parcels)
{
    const QLatin1String lineEnd("\r\n");
    const QTimeZone zone = QTimeZone::systemTimeZone();
    QString text = QStringList(std::begin(columnNames), std::end(columnNames)).join(u',') + lineEnd;
    for (const ParcelRecord &parcel : parcels) {
        const QString archived = parcel.archive == ParcelRecord::Archive::ByHand ? yes
                                 : parcel.archive == ParcelRecord::Archive::Back ? no
                                                                                 : QString();
        QStringList fields{parcel.key.number,
                           parcel.key.company,
                           parcel.note,
                           parcel.status,
                           parcel.newestTime,
                           parcel.newestStep,
                           QString::number(parcel.stepCount),
                           timeText(parcel.askedAt, zone),
                           parcel.marked ? yes : QString(),
                           timeText(parcel.signedAt, zone),
                           archived};
        for (QString &field : fields)
            field = csvField(field);
        text += fields.join(u',') + lineEnd;
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

QString ParcelFile::suggestedName(const QDate &today)
{
    return QStringLiteral("全部快件-%1.csv").arg(today.toString(Qt::ISODate));
}

QString ParcelFile::problemText(Reading::Problem problem)
{
    switch (problem) {
    case Problem::None:
        break;
    case Problem::Empty:
        return QStringLiteral("文件是空的,没有可导入的快件");
    case Problem::NotText:
        return QStringLiteral("文件不是UTF-8或GBK编码的文本,无法导入");
    case Problem::CutOff:
        return QStringLiteral("文件不完整(在中途被截断),未导入任何快件");
    case Problem::TooMany:
        return QStringLiteral("文件超过%1行,无法导入").arg(maxRows);
    case Problem::NoParcels:
        return QStringLiteral("文件中没有可导入的快件");
    }
    return QString();
}

ParcelFile::Reading ParcelFile::read(const QByteArray &bytes)
{
    Reading reading;
    const auto failed = [&reading](Problem problem) {
        reading.problem = problem;
        reading.rows.clear();
        return reading;
    };
    if (bytes.size() > ParcelFile::maxBytes)
        return failed(Problem::TooMany);
    Problem problem = Problem::None;
    const std::optional<QString> text = decoded(bytes, problem);
    if (!text)
        return failed(problem);
    if (!isText(*text))
        return failed(Problem::NotText);
    const std::optional<QList<Record>> found = records(*text);
    if (!found)
        return failed(Problem::CutOff);
    auto first = std::ranges::find_if_not(*found, isBlank);
    if (first == found->end())
        return failed(Problem::Empty);
    // A header names the columns, in any order; without one a line is a number, maybe its company
    // and a note.
    QList<qsizetype> columns;
    for (const QString &name : columnNames)
        columns.append(first->fields.indexOf(name));
    const bool headed = columns[Number] >= 0;
    // What this program writes ends every line: a last one without its end was cut.
    if (headed && !found->constLast().ended)
        return failed(Problem::CutOff);
    reading.rows.reserve(found->size());
    const QTimeZone zone = QTimeZone::systemTimeZone();
    static const QRegularExpression numberShape(QStringLiteral("^[A-Za-z0-9-]{1,40}$"));
    for (auto record = headed ? first + 1 : first; record != found->end(); ++record) {
        if (isBlank(*record))
            continue;
        if (reading.rows.size() + reading.skipped.size() == maxRows)
            return failed(Problem::TooMany);
        const auto field = [&](Column column) {
            const qsizetype at = headed ? columns[column] : qsizetype(column);
            return at >= 0 && at < record->fields.size() ? fromField(record->fields.at(at).trimmed())
                                                         : QString();
        };
        const QString number = field(Number);
        if (headed ? record->fields.size() < first->fields.size() : record->fields.size() > 3) {
            reading.skipped.append(
                skippedLine(record->line, record->fields.join(u','), QStringLiteral("栏数不对")));
            continue;
        }
        if (!numberShape.match(number).hasMatch()) {
            reading.skipped.append(skippedLine(record->line, number, QStringLiteral("不是单号")));
            continue;
        }
        ParcelRecord parcel;
        parcel.key = {number, field(Company)};
        parcel.note = ParcelRecord::noteFrom(field(Note));
        if (const QString status = field(Status); !status.isEmpty()) {
            parcel.status = cutAtWholeCharacter(status, shownTextLength);
            const bool good =
                status != ParcelRecord::failedStatus() && status != ParcelRecord::notAskedStatus();
            parcel.goodStatus = good ? parcel.status : QString();
        }
        parcel.newestTime = cutAtWholeCharacter(field(NewestTime), shownTextLength);
        parcel.newestStep = cutAtWholeCharacter(field(NewestStep), shownTextLength);
        parcel.stepCount = qMax(0, field(Steps).toInt());
        parcel.askedAt = timeFrom(field(AskedAt), zone);
        parcel.marked = field(Marked) == yes;
        parcel.signedAt = timeFrom(field(SignedAt), zone);
        const QString archived = field(Archived);
        parcel.archive = archived == yes  ? ParcelRecord::Archive::ByHand
                         : archived == no ? ParcelRecord::Archive::Back
                                          : ParcelRecord::Archive::ByTime;
        reading.rows.append({record->line, std::move(parcel)});
    }
    if (reading.rows.isEmpty())
        reading.problem = Problem::NoParcels;
    return reading;
}

ParcelFile::Import ParcelFile::plan(const Reading &reading, const ParcelBoard &board)
{
    Import import;
    import.skipped = reading.skipped;
    QHash<QString, QString> companyOf; // of the numbers on the board
    for (int row = 0; row < board.count(); ++row)
        companyOf.insert(board.parcel(row).key.number, board.parcel(row).key.company);
    QSet<QString> seen;
    for (const Reading::Row &row : reading.rows) {
        ParcelRecord parcel = row.record;
        ParcelKey &key = parcel.key;
        const auto skip = [&](const QString &why) {
            import.skipped.append(skippedLine(row.line, key.number, why));
        };
        if (key.company.isEmpty()) {
            const QList<CourierGuess::Candidate> guessed = CourierGuess::of(key.number);
            if (guessed.isEmpty() || guessed.first().confidence != CourierGuess::Confidence::Sure) {
                skip(QStringLiteral("未注明快递公司"));
                continue;
            }
            key.company = guessed.first().company;
        }
        if (!Catalogue::isName(key.company)) {
            skip(QStringLiteral("无此快递公司「%1」").arg(cutAtWholeCharacter(key.company, 20)));
            continue;
        }
        if (seen.contains(key.number)) {
            skip(QStringLiteral("文件中重复"));
            continue;
        }
        seen.insert(key.number);
        if (parcel.status.isEmpty())
            parcel.status = ParcelRecord::notAskedStatus();
        const int known = board.rowOf(key);
        const ParcelRecord *stored = known >= 0 ? &board.parcel(known) : nullptr;
        if (stored && ((!stored->askedAt.isValid() && parcel.askedAt.isValid()) ||
                       (stored->note.isEmpty() && !parcel.note.isEmpty())))
            import.known.append(parcel);
        else if (stored)
            skip(QStringLiteral("已在列表中"));
        else if (companyOf.contains(key.number))
            skip(QStringLiteral("已在列表中(%1)").arg(companyOf.value(key.number)));
        else
            import.added.append(std::move(parcel));
    }
    // In the file's order, whether reading or this left a line out.
    std::ranges::stable_sort(import.skipped, {},
                             [](const QString &line) { return leadingNumber(line.sliced(1)); });
    return import;
}

QString ParcelFile::Import::summary() const
{
    QString text = QStringLiteral("将导入 %1 件，跳过 %2 件").arg(count()).arg(skipped.size());
    if (skipped.isEmpty())
        return text + QStringLiteral("。");
    text += QStringLiteral("：\n") + skipped.first(qMin(skipped.size(), shownSkipped)).join(u'\n');
    return skipped.size() > shownSkipped ? text + QStringLiteral("\n……") : text;
}
