#include "parcels/parcelfile.h"

#include "common/gbtext.h"
#include "common/textrules.h"
#include "parcels/numberplan.h"
#include "parcels/parcelboard.h"
#include "parcels/parcelfields.h"
#include "parcels/parcelwords.h"
#include "tracking/catalogue.h"
#include "tracking/companykeys.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTimeZone>
#include <optional>

namespace {
// The header's titles, and the first columns of a list without one: the number, the company, the
// note.
enum Column { Number, Company, Note };
constexpr qsizetype shownSkipped = 10;
using Problem = ParcelFile::Reading::Problem;

bool looksLikeFormula(const QString &field)
{
    return !field.isEmpty() && QStringView(u"=+-@").contains(field.front());
}

QString quoted(const QString &field)
{
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\r') && !field.contains(u'\n'))
        return field;
    return u'"' + QString(field).replace(u'"', QLatin1String("\"\"")) + u'"';
}

QString csvField(const QString &value)
{
    return quoted(looksLikeFormula(value) ? u'\'' + value : value);
}

QString fromField(const QString &field)
{
    static const QRegularExpression digitsAsText(QStringLiteral("^=\"([0-9]+)\"$"));
    if (field.startsWith(u"=\""))
        if (const QRegularExpressionMatch digits = digitsAsText.match(field); digits.hasMatch())
            return digits.captured(1);
    return field.size() > 1 && field.front() == u'\'' && looksLikeFormula(field.sliced(1)) ? field.sliced(1)
                                                                                           : field;
}

// A spreadsheet takes a number of 12 digits or more for a quantity and shows 7.73012E+14, losing
// what passes 15 digits, and drops leading zeros. Written as the formula ="773012345678901", Excel
// and WPS show the digits as text, whole; reading takes the digits back.
QString numberField(const QString &number)
{
    static const QRegularExpression quantityLike(QStringLiteral("^(0[0-9]*|[0-9]{12,})$"));
    return quantityLike.match(number).hasMatch() ? quoted(QStringLiteral("=\"%1\"").arg(number))
                                                 : csvField(number);
}

// A file's bytes as far as they have been read, read on as the records ask for more: a file past
// its limit of rows is refused having read little of it. UTF-16 (a spreadsheet's "Unicode text",
// known by its byte order mark) is held as UTF-8 with UTF-8's mark, as it is read.
class Source {
public:
    explicit Source(QIODevice &device) : m_device(device) {}

    const QByteArray &bytes() const { return m_bytes; }
    bool complete() const { return m_complete; }
    // Why the bytes cannot be read as they are: an error, more than maxBytes, UTF-16 that is not,
    // or ends inside a character.
    Problem problem() const { return m_problem; }
    // Reads on, at least as much again as is held, so that a record read again from its start after
    // each read costs no more than reading the whole once; never past the size limit. False when
    // nothing more came.
    bool more()
    {
        const qint64 wanted = std::min<qint64>(std::max<qsizetype>(m_bytes.size(), 64 * 1024),
                                               ParcelFile::maxBytes + 1 - m_read);
        if (m_complete || wanted <= 0)
            return false;
        // Read in place, unless what is read must first become UTF-8, or is the first read, which
        // may begin with UTF-16's mark.
        const bool first = m_read == 0, inPlace = !first && !m_utf16;
        QByteArray &into = inPlace ? m_bytes : m_chunk;
        const qsizetype held = inPlace ? m_bytes.size() : 0;
        into.resize(held + wanted);
        const qint64 got = m_device.read(into.data() + held, wanted);
        into.resize(held + std::max<qint64>(got, 0));
        m_read += std::max<qint64>(got, 0);
        if (first && (m_chunk.startsWith("\xFF\xFE") || m_chunk.startsWith("\xFE\xFF"))) {
            m_utf16.emplace(m_chunk.startsWith("\xFF") ? QStringConverter::Utf16LE
                                                       : QStringConverter::Utf16BE);
            m_bytes = "\xEF\xBB\xBF";
            m_chunk.remove(0, 2);
        }
        if (!inPlace)
            m_bytes += m_utf16 ? QString((*m_utf16)(m_chunk)).toUtf8() : m_chunk;
        m_complete = got < wanted || m_device.atEnd();
        m_problem = got < 0                               ? Problem::Unreadable
                    : m_read > ParcelFile::maxBytes       ? Problem::TooLarge
                    : m_utf16 && m_utf16->hasError()      ? Problem::NotText
                    : m_utf16 && m_complete && m_read % 2 ? Problem::CutOff
                                                          : Problem::None;
        return got > 0;
    }

private:
    QIODevice &m_device;
    QByteArray m_bytes, m_chunk;
    std::optional<QStringDecoder> m_utf16;
    qint64 m_read = 0; // of the file's bytes
    bool m_complete = false;
    Problem m_problem = Problem::None;
};

// The tab where the first line that is not blank separates its fields with tabs rather than
// commas, as a spreadsheet's text export does; else the comma.
char separatorOf(Source &source)
{
    constexpr qsizetype enough = 1024 * 1024; // to find the first line in, blanks before it too
    for (;;) {
        const QByteArrayView bytes = source.bytes();
        qsizetype start = 0;
        while (start < bytes.size() && QByteArrayView(" \t\r\n\xEF\xBB\xBF").contains(bytes.at(start)))
            ++start;
        const qsizetype end = bytes.indexOf('\n', start);
        if ((end < 0 || start == bytes.size()) && bytes.size() < enough && source.more())
            continue;
        const QByteArrayView line = bytes.sliced(start, (end < 0 ? bytes.size() : end) - start);
        return line.count('\t') > line.count(',') ? '\t' : ',';
    }
}

// One record after another of RFC 4180 text: fields split at commas, quoted ones holding commas,
// quotes doubled and line breaks. A quote inside an unquoted field is taken as it stands. The
// separators are ASCII bytes, which neither UTF-8 nor GBK uses inside a character, so the bytes are
// split before they are decoded and the text is never held whole.
class RecordReader {
public:
    // `start`: where the text begins, after a byte order mark.
    RecordReader(Source &source, qsizetype start, char separator)
        : m_source(source), m_start(start), m_at(start), m_separator(separator)
    {
    }

    enum class Next { Record, End, CutOff }; // CutOff: the text ends inside a quoted field
    Next next();
    void restart() { m_at = m_start, m_line = 1; } // from the first character again

    // Of the record read last: its fields' bytes (unquoted ones point into the source, until the
    // next record), the line where it begins, whether a line end follows it, and whether its
    // last field's bytes run to the end of the text.
    QList<QByteArray> fields;
    int line = 0;
    bool ended = false;
    bool reachesEnd = false;

private:
    enum class Parsed { Record, End, CutOff, NeedsMore };
    Parsed parse();

    Source &m_source;
    qsizetype m_start;
    qsizetype m_at;
    char m_separator;
    int m_line = 1;
};

RecordReader::Next RecordReader::next()
{
    for (;;) {
        const qsizetype at = m_at;
        const int line = m_line;
        switch (parse()) {
        case Parsed::Record:
            return Next::Record;
        case Parsed::End:
            return Next::End;
        case Parsed::CutOff:
            return Next::CutOff;
        case Parsed::NeedsMore: // the record again from its start, with what more there is
            m_at = at;
            m_line = line;
            m_source.more();
        }
    }
}

RecordReader::Parsed RecordReader::parse()
{
    fields.clear();
    line = m_line;
    const QByteArrayView bytes = m_source.bytes();
    const qsizetype size = bytes.size();
    // Whether the record goes on past what has been read so far.
    const auto beyond = [&](qsizetype at) { return at >= size && !m_source.complete(); };
    while (m_at <= size) {
        if (beyond(m_at))
            return Parsed::NeedsMore;
        qsizetype at = m_at;
        const bool quoted = at < size && bytes.at(at) == '"';
        QByteArray field;
        if (quoted) {
            for (++at;;) {
                const qsizetype quote = bytes.indexOf('"', at);
                if (quote < 0)
                    return m_source.complete() ? Parsed::CutOff : Parsed::NeedsMore;
                const QByteArrayView part = bytes.sliced(at, quote - at);
                field += part;
                m_line += int(part.count('\n') + part.count('\r') - part.count("\r\n"));
                at = quote + 1;
                if (beyond(at))
                    return Parsed::NeedsMore;
                if (at == size || bytes.at(at) != '"')
                    break;
                field += '"';
                ++at;
            }
        }
        // The rest of the field, up to a separator or a line break.
        qsizetype end = at;
        while (end < size && bytes.at(end) != m_separator && bytes.at(end) != '\r' && bytes.at(end) != '\n')
            ++end;
        if (beyond(end) || (end < size && bytes.at(end) == '\r' && beyond(end + 1)))
            return Parsed::NeedsMore;
        fields.append(quoted ? field.append(bytes.sliced(at, end - at))
                             : QByteArray::fromRawData(bytes.data() + at, end - at));
        reachesEnd = end == size && (!quoted || end > at);
        m_at = end + 1;
        if (end < size && bytes.at(end) == m_separator)
            continue;
        if (end + 1 < size && bytes.at(end) == '\r' && bytes.at(end + 1) == '\n')
            ++m_at;
        ended = end < size;
        if (ended || fields.size() > 1 || !fields.first().isEmpty()) {
            ++m_line;
            return Parsed::Record;
        }
    }
    return Parsed::End;
}

// A field's text from its bytes, UTF-8 or GBK, or why it is none: bytes of neither, a text cut off
// inside its last character, or a control character (C0 but tab and the line breaks, DEL and C1),
// which no text file holds. UTF-8 is taken until a field is not: then the file is GBK.
class FieldText {
public:
    enum class Encoding { Utf8, Utf8Only, Gbk }; // Utf8Only: the file begins with UTF-8's mark
    explicit FieldText(Encoding encoding) : m_encoding(encoding) {}
    Encoding encoding() const { return m_encoding; }

    // `last`: the field's bytes end the text, where a character begun and never finished means
    // that the file was cut.
    std::optional<QString> operator()(const QByteArray &bytes, bool last, Problem &problem)
    {
        QString text;
        if (m_encoding != Encoding::Gbk && GbText::guess(bytes) == GbText::Guess::Gbk) {
            for (qsizetype cut = 1; last && cut <= 3 && cut < bytes.size(); ++cut) {
                if (uchar(bytes.at(bytes.size() - cut)) >= 0xC0 &&
                    QByteArrayView(bytes).chopped(cut).isValidUtf8()) {
                    problem = Problem::CutOff;
                    return std::nullopt;
                }
            }
            if (m_encoding == Encoding::Utf8Only) {
                problem = Problem::NotText;
                return std::nullopt;
            }
            m_encoding = Encoding::Gbk; // the caller reads the file again from its start
            return std::nullopt;
        }
        if (m_encoding != Encoding::Gbk) {
            text = QString::fromUtf8(bytes);
        } else {
            // The decoder drops a lead byte left at the very end; a line feed after it, never a
            // trail byte, makes it come out as a replacement character like any other bad byte.
            m_withEnd.truncate(0);
            m_withEnd.append(bytes.constData(), bytes.size()).append('\n');
            text = m_gbk(m_withEnd);
            text.chop(1);
            if (const qsizetype bad = text.indexOf(QChar::ReplacementCharacter); bad >= 0) {
                problem = last && bad == text.size() - 1 ? Problem::CutOff : Problem::NotText;
                return std::nullopt;
            }
        }
        const bool control = std::ranges::any_of(text, [](QChar c) {
            const char16_t u = c.unicode();
            return (u < 0x20 && u != u'\t' && u != u'\r' && u != u'\n') || (u >= 0x7F && u <= 0x9F);
        });
        if (control) {
            problem = Problem::NotText;
            return std::nullopt;
        }
        return text;
    }

private:
    Encoding m_encoding;
    QStringDecoder m_gbk{GbText::encoding, QStringDecoder::Flag::Stateless};
    QByteArray m_withEnd;
};

// The fields of a record as text; fewer than the record's when they are not UTF-8 after all.
template <typename Records>
Problem decodeRecord(const Records &records, FieldText &decoded, QStringList &fields)
{
    fields.clear();
    for (qsizetype at = 0; at < records.fields.size(); ++at) {
        Problem problem = Problem::None;
        const bool last = records.reachesEnd && at == records.fields.size() - 1;
        std::optional<QString> text = decoded(records.fields.at(at), last, problem);
        if (!text)
            return problem;
        fields.append(*std::move(text));
    }
    return Problem::None;
}

bool isBlank(const QStringList &fields)
{
    return fields.size() == 1 && fields.first().trimmed().isEmpty();
}

ParcelFile::Reading::Skipped skippedLine(int line, const QString &what, const QString &why)
{
    return {line, QCoreApplication::translate("ParcelFile", "第%1行 %2：%3")
                      .arg(line)
                      .arg(cutAtWholeCharacter(what, 20), why)};
}
// A row's parcel, from its text by the file's fields.
template <typename Text> ParcelRecord parcelFrom(const Text &text, const QTimeZone &zone)
{
    ParcelRecord parcel;
    const QList<const ParcelFields::Field *> fields = ParcelFields::filed();
    for (qsizetype at = 0; at < fields.size(); ++at)
        fields[at]->read(parcel, text(at), zone);
    return parcel;
}

// How a file's lines are laid out: a header names the columns, in any order; without one a line is
// a number, maybe its company and a note.
struct Layout {
    QList<qsizetype> columns; // of each field the file may hold, by title; -1 where it has none
    qsizetype headerSize = 0;
    bool headed = false;

    // From the first line that is not blank: each title as the file writes it, or as the list
    // shows it.
    static Layout of(const QStringList &first)
    {
        Layout layout;
        const QStringList kept = ParcelFields::titles(), shown = ParcelFields::titles(true);
        for (qsizetype field = 0; field < kept.size(); ++field) {
            const qsizetype column = first.indexOf(kept.at(field));
            layout.columns.append(column >= 0 ? column : first.indexOf(shown.at(field)));
        }
        layout.headed = layout.columns.at(Number) >= 0;
        layout.headerSize = first.size();
        return layout;
    }
    QString field(const QStringList &fields, qsizetype column) const
    {
        const qsizetype at = headed ? columns.at(column) : column;
        return at >= 0 && at < fields.size() ? fromField(fields.at(at).trimmed()) : QString();
    }
};

// A line that is not blank: its parcel, or why it is left out.
void takeLine(ParcelFile::Reading &reading, int line, const QStringList &fields, const Layout &layout,
              const QTimeZone &zone)
{
    if (layout.headed ? fields.size() < layout.headerSize : fields.size() > 3)
        return reading.skipped.append(
            skippedLine(line, fields.join(u','), QCoreApplication::translate("ParcelFile", "栏数不对")));
    const QString number = layout.field(fields, Number);
    if (!NumberPlan::isNumber(number)) {
        return reading.skipped.append(skippedLine(
            line, number, NumberPlan::why(NumberPlan::Source::Imported, NumberPlan::Reason::NotANumber)));
    }
    reading.rows.append(
        {line, parcelFrom([&](qsizetype column) { return layout.field(fields, column); }, zone)});
}
} // namespace

QByteArray ParcelFile::write(const QList<ParcelRecord> &parcels)
{
    const QLatin1String lineEnd("\r\n");
    const QTimeZone zone = QTimeZone::systemTimeZone();
    QString text = ParcelFields::titles().join(u',') + lineEnd;
    const QList<const ParcelFields::Field *> fields = ParcelFields::filed();
    QStringList line(fields.size());
    for (const ParcelRecord &parcel : parcels) {
        for (qsizetype at = 0; at < fields.size(); ++at) {
            const QString value = fields[at]->written(parcel, zone);
            line[at] = at == Number ? numberField(value) : csvField(value);
        }
        text += line.join(u',') + lineEnd;
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

QString ParcelFile::suggestedName(const QDate &today)
{
    return QStringLiteral("全部快件-%1.csv").arg(today.toString(Qt::ISODate));
}

QString ParcelFile::problemText(Reading::Problem problem, const QString &fileName)
{
    switch (problem) {
    case Problem::None:
        break;
    case Problem::Unreadable:
        return QCoreApplication::translate("ParcelFile", "无法读取文件：%1").arg(fileName);
    case Problem::NotAFile:
        return QCoreApplication::translate("ParcelFile", "不是普通文件，无法导入：%1").arg(fileName);
    case Problem::TooLarge:
        return QCoreApplication::translate("ParcelFile", "文件大于%1 MiB，无法导入")
            .arg(maxBytes / (1024 * 1024));
    case Problem::Empty:
        return QCoreApplication::translate("ParcelFile", "文件是空的，没有可导入的快件");
    case Problem::NotText:
        return QCoreApplication::translate("ParcelFile", "文件不是UTF-8、UTF-16或GBK编码的文本，无法导入");
    case Problem::CutOff:
        return QCoreApplication::translate("ParcelFile", "文件不完整（在中途被截断），未导入任何快件");
    case Problem::TooMany:
        return QCoreApplication::translate("ParcelFile", "文件超过%1行，无法导入").arg(maxRows);
    case Problem::NoParcels:
        return QCoreApplication::translate("ParcelFile", "文件中没有可导入的快件");
    }
    return QString();
}

ParcelFile::Reading ParcelFile::read(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer);
}

// A folder, a pipe or a device is never opened: reading one may never end.
ParcelFile::Reading ParcelFile::readFile(const QString &path)
{
    Reading refused;
    QFile file(path);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        refused.problem = Problem::NotAFile;
    else if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        refused.problem = Problem::Unreadable;
    else if (file.isSequential())
        refused.problem = Problem::NotAFile;
    else if (file.size() > maxBytes)
        refused.problem = Problem::TooLarge;
    return refused.problem == Problem::None ? read(file) : refused;
}

ParcelFile::Reading ParcelFile::read(QIODevice &device)
{
    Reading reading;
    const auto failed = [&reading](Problem problem) {
        reading.problem = problem;
        reading.rows.clear();
        reading.skipped.clear();
        return reading;
    };
    Source source(device);
    while (source.bytes().size() < 3 && source.more()) {
    }
    using Encoding = FieldText::Encoding;
    const bool marked = source.bytes().startsWith("\xEF\xBB\xBF");
    FieldText decoded(marked ? Encoding::Utf8Only : Encoding::Utf8);
    RecordReader records(source, marked ? 3 : 0, separatorOf(source));
    // Room for as many rows as a file of this size holds of the export's, never more than allowed.
    if (!device.isSequential())
        reading.rows.reserve(qMin(device.size() / 100, qint64(maxRows)));
    QStringList fields;
    std::optional<Layout> layout; // found at the first line that is not blank
    qsizetype counted = 0;
    bool ended = true;
    const QTimeZone zone = QTimeZone::systemTimeZone();
    for (RecordReader::Next next; (next = records.next()) != RecordReader::Next::End;) {
        if (source.problem() != Problem::None)
            return failed(source.problem());
        if (next == RecordReader::Next::CutOff)
            return failed(Problem::CutOff);
        if (const Problem problem = decodeRecord(records, decoded, fields); problem != Problem::None)
            return failed(problem);
        if (fields.size() < records.fields.size()) { // GBK: every line again, as GBK
            reading = Reading();
            layout.reset();
            counted = 0;
            records.restart();
            continue;
        }
        ended = records.ended;
        const bool blank = isBlank(fields);
        if (!layout && !blank && (layout = Layout::of(fields))->headed)
            continue;
        // Counted as they come, blank ones too, so that a huge file is refused at its limit.
        if (++counted > maxRows)
            return failed(Problem::TooMany);
        if (!blank)
            takeLine(reading, records.line, fields, *layout, zone);
    }
    if (source.problem() != Problem::None)
        return failed(source.problem());
    if (!layout)
        return failed(Problem::Empty);
    // What this program writes ends every line: a last one without its end was cut.
    if (layout->headed && !ended)
        return failed(Problem::CutOff);
    if (reading.rows.isEmpty() && reading.skipped.isEmpty())
        reading.problem = Problem::NoParcels;
    return reading; // with no rows, the skipped lines say why
}

ParcelFile::Import ParcelFile::plan(Reading reading, const ParcelBoard &board)
{
    using Reason = NumberPlan::Reason;
    Import import;
    import.skipped = std::move(reading.skipped);
    QHash<QString, QString> companyOf; // of the numbers on the board
    for (int row = 0; row < board.count(); ++row)
        companyOf.insert(board.parcel(row).key.number, board.parcel(row).key.company);
    NumberPlan numbers(NumberPlan::Couriers::SureOnly);
    const auto why = [](Reason reason, const QString &company = QString()) {
        return NumberPlan::why(NumberPlan::Source::Imported, reason, company);
    };
    import.added.reserve(reading.rows.size());
    for (Reading::Row &row : reading.rows) {
        ParcelRecord parcel = std::move(row.record);
        ParcelKey &key = parcel.key;
        const auto skip = [&](const QString &why) {
            import.skipped.append(skippedLine(row.line, key.number, why));
        };
        if (key.company.isEmpty()) // none written: the courier the number's shape surely names
            key.company = numbers.courierOf(key.number).company;
        if (key.company.isEmpty()) {
            skip(why(Reason::NoCompany));
            continue;
        }
        if (!Catalogue::isName(key.company)) { // 顺丰, sf or yto, as a list kept by hand writes it
            const QList<int> named = CompanyKeys::named(key.company);
            if (named.size() != 1) {
                skip((named.isEmpty() ? QCoreApplication::translate("ParcelFile", "无此快递公司「%1」")
                                      : QCoreApplication::translate("ParcelFile", "快递公司「%1」可指多家"))
                         .arg(cutAtWholeCharacter(key.company, 20)));
                continue;
            }
            key.company = Catalogue::names().at(named.first());
        }
        if (numbers.repeated(key.number)) {
            skip(why(Reason::Repeated));
            continue;
        }
        const int known = board.rowOf(key);
        const ParcelRecord *stored = known >= 0 ? &board.parcel(known) : nullptr;
        const bool record = stored && !stored->askedAt.isValid() && parcel.askedAt.isValid();
        if (record || (stored && stored->note.isEmpty() && !parcel.note.isEmpty())) {
            import.knownRecords += record;
            import.known.append(parcel);
        } else if (stored || companyOf.contains(key.number))
            skip(why(Reason::Known, stored ? QString() : companyOf.value(key.number)));
        else
            import.added.append(std::move(parcel));
    }
    // In the file's order, whether reading or this left a line out.
    std::ranges::stable_sort(import.skipped, {}, &Reading::Skipped::line);
    return import;
}

QString ParcelFile::Import::done() const
{
    QStringList parts{QCoreApplication::translate("ParcelFile", "新增 %n 件", nullptr, int(added.size()))};
    if (const qsizetype notes = known.size() - knownRecords)
        parts << QCoreApplication::translate("ParcelFile", "补充备注 %n 件", nullptr, int(notes));
    if (knownRecords)
        parts << QCoreApplication::translate("ParcelFile", "补充查询结果 %n 件", nullptr, int(knownRecords));
    return parts.join(QCoreApplication::translate("ParcelFile", "，"));
}

QString ParcelFile::Import::summary() const
{
    QString text = QCoreApplication::translate("ParcelFile", "将%1，跳过 %n 件", nullptr, int(skipped.size()))
                       .arg(done());
    if (skipped.isEmpty())
        return text + QCoreApplication::translate("ParcelFile", "。");
    text += QCoreApplication::translate("ParcelFile", "：");
    for (const Reading::Skipped &line : skipped.first(qMin(skipped.size(), shownSkipped)))
        text += u'\n' + line.text;
    return skipped.size() > shownSkipped ? text + QCoreApplication::translate("ParcelFile", "\n……") : text;
}
