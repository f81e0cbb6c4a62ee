// The parcels' core below the windows: one-line rows where a rule maps text to text (pasted
// numbers, the list's file, notes), and rows with typed columns where a row is more (archiving, the
// list's settings as the record keeps them).
#include "common/gbtext.h"
#include "english.h"
#include "parcels/listsettings.h"
#include "parcels/numberbatch.h"
#include "parcels/parcelfile.h"
#include "parcels/parcelrecord.h"
#include "parcels/parcelwords.h"
#include "table.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {
// Each case's input begins with the subject, the test that runs it.
const char *const cases = R"(
pasted numbers, each marked: batch SF1234567890123\r\n75123456789012，abc、 1234567890\tSF1234567890123 12 sf1402536987412\u3000hello；7301;sf1111111111111
  => SF1234567890123 顺丰快递 ok + 75123456789012 中通快递 可能是 中通快递，请核对 + ABC - 不是单号 + 1234567890 - 已在单号记录中，跳过
  + SF1234567890123 顺丰快递 重复，跳过 + 12 - 不是单号 + SF1402536987412 顺丰快递 ok + HELLO - 不是单号 + 7301 - 未识别，请选择快递公司 + SF1111111111111 顺丰快递 查询失败
companies picked or confirmed by hand, one added: batch 7301 75123456789012\u00A0ADDED1 / 7301=圆通快递 75123456789012=中通快递
  => 7301 圆通快递 ok + 75123456789012 中通快递 ok + ADDED1 - 已添加
stopped before some: batchSummary - + - / 3 => 已添加 2 个单号；查询已停止，3 个未查询
refused ones named: batchSummary - + 7（单号不存在!请检查!） + 8（查询失败,请检查网络后重试!） / 0
  => 已添加 1 个单号；未添加：7（单号不存在!请检查!）、8（查询失败,请检查网络后重试!）
note, breaks as blanks, controls gone: note 新手机\r\n给妈妈\n\t\x07\r! => 新手机 给妈妈  !$
note cut at 40: note {a*41} => {a*40}$
a character not cut in two: note {a*39}😀 => {a*39}$
note of 40 kept whole: note {a*38}😀 => {a*38}😀$
written with a mark, a header, quotes as RFC 4180 asks, no formula, in Chinese in any language: parcelFile english export
  7770001|顺丰快递|新手机, "大"|运送中|12-06 10:00|到达,"杭州"\r\n中转|2|2026-12-06 14:05:00|是|2026-12-06 09:00:00|是 ; 773012345678901|中通快递|=1+1||||0||||否
  => \uFEFF单号,快递公司,备注,快件状态,最新时间,最新进度,步数,上次查询,有更新,签收时间,归档\r\n7770001,顺丰快递,"新手机, ""大""",运送中,12-06 10:00,"到达,""杭州""\r\n中转",2,2026-12-06 14:05:00,是,2026-12-06 09:00:00,是\r\n"=""773012345678901""",中通快递,\x27=1+1,未查询,,,0,,,,否\r\n
read back as written: parcelFile again 7770001|顺丰快递|新手机, "大"|运送中|12-06 10:00|到达,"杭州"\r\n中转|2|2026-12-06 14:05:00|是|2026-12-06 09:00:00|是
  ; 773012345678901|中通快递|=1+1||||0||||否
  => 7770001|顺丰快递|新手机, "大"|运送中|12-06 10:00|到达,"杭州"\r\n中转|2|2026-12-06 14:05:00|是|2026-12-06 09:00:00|是 ; 773012345678901|中通快递|=1+1||||0||||否
plain numbers, blanks and blank lines: parcelFile SF1234567890123\n\n  1234567890 \r\nhello world\n9,无名快递,x,y\r7777,中通快递,茶\n12\nhello
  => SF1234567890123 ; 1234567890 ; 7777|中通快递|茶 / 第4行 hello world：不是单号 ; 第5行 9,无名快递,x,y：栏数不对 ; 第7行 12：不是单号 ; 第8行 hello：不是单号
GBK, with a header: parcelFile gbk 单号,快递公司,备注\r\n7770001,顺丰快递,妈妈的茶叶\r\n => 7770001|顺丰快递|妈妈的茶叶
GBK number,company: parcelFile gbk 7770001,中通快递 => 7770001|中通快递
columns in another order, a line break quoted: parcelFile 单号,备注,快递公司\r\n1111,"a\r\nb",韵达快递\r\nx y,,\r\n
  => 1111|韵达快递|a b / 第4行 x y：不是单号
the list's titles in the interface's language, mixed: parcelFile english Note,单号,Courier\r\n茶,1111,韵达快递\r\n,x y,\r\n
  => 1111|韵达快递|茶 / line 3 x y: Not a number
written file cut after a line: parcelFile 单号,快递公司\r\n1,顺丰快递 => 文件不完整（在中途被截断），未导入任何快件
cut inside quotes: parcelFile 1,\x22顺丰快递 => 文件不完整（在中途被截断），未导入任何快件
cut inside a UTF-8 character: parcelFile cut 1 1,顺丰快递 => 文件不完整（在中途被截断），未导入任何快件
cut inside a GBK character: parcelFile gbk cut 1 1,顺丰快递 => 文件不完整（在中途被截断），未导入任何快件
a spreadsheet's Unicode text, tab-separated: parcelFile utf16 单号\t快递公司\r\n7770001\t顺丰\r\n1,2\t申通\r\n
  => 7770001|顺丰 / 第3行 1,2：不是单号
tab-separated UTF-8, no header: parcelFile 7770001\t中通快递\r\n => 7770001|中通快递
UTF-16 cut inside a character: parcelFile utf16 cut 1 7770001 => 文件不完整（在中途被截断），未导入任何快件
a header alone: parcelFile 单号,快递公司\r\n => 文件中没有可导入的快件
neither UTF-8 nor GBK: parcelFile latin1 1,\xFF\xFE\xFF\r\n2 => 文件不是UTF-8、UTF-16或GBK编码的文本，无法导入
binary: parcelFile 1\x00\x02 => 文件不是UTF-8、UTF-16或GBK编码的文本，无法导入
a broken mark: parcelFile latin1 \xEF\xBB\xBF1,\xB6\xA5 => 文件不是UTF-8、UTF-16或GBK编码的文本，无法导入
the most rows: parcelFile rows 100000 => 100000 rows
one row too many: parcelFile rows 100001 => 文件超过100000行，无法导入
blank lines count: parcelFile blank 100001 => 文件超过100000行，无法导入
not read, refused: parcelFile file fifo ; folder ; /dev/zero ; missing ; huge
  => 不是普通文件，无法导入：fifo ; 不是普通文件，无法导入：folder ; 不是普通文件，无法导入：zero ; 无法读取文件：missing ; 文件大于64 MiB，无法导入
empty: parcelFile  => 文件是空的，没有可导入的快件
no line a parcel, each said why: parcelFile {"a": "b c"}\n12 =>  / 第1行 {"a": "b c"}：不是单号 ; 第2行 12：不是单号
)";
} // namespace

class TestParcels : public QObject {
    Q_OBJECT

    static QString shown(const ListSettings &settings)
    {
        const auto numbers = [](const QList<int> &list) {
            QStringList parts;
            for (int number : list)
                parts << QString::number(number);
            return parts.isEmpty() ? u"-"_s : parts.join(u',');
        };
        const QSize size = settings.earlier.size;
        return u"archive %1, automatic %2, shown %3, last %4, size %5, widths %6, sort %7"_s
            .arg(settings.archiveDays)
            .arg(settings.automaticMinutes)
            .arg(settings.showArchived ? u"yes"_s : u"no"_s)
            .arg(settings.lastRefresh.isValid() ? settings.lastRefresh.toUTC().toString(Qt::ISODate) : u"-"_s)
            .arg(size.isValid() ? u"%1x%2"_s.arg(size.width()).arg(size.height()) : u"-"_s)
            .arg(numbers(settings.earlier.columnWidths), numbers(settings.earlier.sort));
    }

    // pasted text / "number=company" picked by hand; the history holds 1234567890
    static QString batchRule(const QString &first, const QString &second)
    {
        NumberBatch::Marks marks{
            {u"1234567890"_s}, {}, {u"ADDED1"_s}, {{u"SF1111111111111"_s, u"查询失败"_s}}};
        for (const QString &pick : second.split(u' ', Qt::SkipEmptyParts))
            marks.chosen.insert(pick.section(u'=', 0, 0), pick.section(u'=', 1));
        QStringList shown;
        for (const NumberBatch::Line &line : NumberBatch::read(first, marks))
            shown << u"%1 %2 %3"_s.arg(line.number, line.company.isEmpty() ? u"-"_s : line.company,
                                       NumberBatch::note(line).isEmpty() ? u"ok"_s : NumberBatch::note(line));
        return shown.join(u" + "_s);
    }

    // outcomes by " + ", "-" for one recorded / how many not asked
    static QString batchSummaryRule(const QString &first, const QString &second)
    {
        QStringList outcomes = first.split(u" + "_s);
        outcomes.replaceInStrings(QRegularExpression(u"^-$"_s), QString());
        return NumberBatch::summary(outcomes, second.toInt());
    }

    // After "english" in the English interface: "export A ; B": records, their fields split by "|",
    // written; "again": written, then read back; else a file's text, UTF-8 unless "gbk", "utf16" (with
    // its mark) or "latin1", "cut N" bytes off its end; "rows N": N numbers with their company. Shows
    // the rows read and the lines skipped, or why not.
    static QString readParcelFile(QString text)
    {
        std::optional<English> english;
        if (text.startsWith(u"english "))
            text = text.sliced(8), english.emplace();
        const QString format = u"yyyy-MM-dd HH:mm:ss"_s;
        const auto recordsOf = [&format](const QString &records) {
            QList<ParcelRecord> parcels;
            for (const QString &record : records.split(u" ; "_s)) {
                const QStringList f = record.split(u'|') + QStringList(11);
                parcels.append({{f[0], f[1]},
                                ParcelWords::read(f[3], f[3], {}),
                                f[6].toInt(),
                                f[4],
                                f[5],
                                QDateTime::fromString(f[7], format),
                                {},
                                f[8] == u"是",
                                f[2],
                                QDateTime::fromString(f[9], format),
                                f[10] == u"是"   ? ParcelRecord::Archive::ByHand
                                : f[10] == u"否" ? ParcelRecord::Archive::Back
                                                 : ParcelRecord::Archive::ByTime});
            }
            return parcels;
        };
        QByteArray bytes;
        if (text.startsWith(u"file ")) { // made in a folder of its own, then read from there
            QTemporaryDir dir;
            QStringList refused;
            for (const QString &name : text.sliced(5).split(u" ; "_s)) {
                const QString path = name.startsWith(u'/') ? name : dir.filePath(name);
                QFile huge(path);
                if ((name == u"fifo" && mkfifo(qPrintable(path), 0600) != 0) ||
                    (name == u"folder" && !QDir().mkdir(path)) ||
                    (name == u"huge" &&
                     (!huge.open(QIODevice::WriteOnly) || !huge.resize(ParcelFile::maxBytes + 1))))
                    return u"cannot make "_s + name;
                refused << ParcelFile::problemText(ParcelFile::readFile(path).problem,
                                                   QFileInfo(path).fileName());
            }
            return refused.join(u" ; "_s);
        }
        if (text.startsWith(u"export "))
            return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)(
                ParcelFile::write(recordsOf(text.sliced(7))));
        if (text.startsWith(u"again "))
            bytes = ParcelFile::write(recordsOf(text.sliced(6)));
        else if (text.startsWith(u"rows ")) {
            for (int n = 0; n < text.sliced(5).toInt(); ++n)
                bytes += QByteArray::number(10001 + n) +
                         ",\xE9\xA1\xBA\xE4\xB8\xB0\xE5\xBF\xAB\xE9\x80\x92\n"; // 顺丰快递
        } else if (text.startsWith(u"blank "))
            bytes = QByteArray(text.sliced(6).toInt(), '\n');
        else {
            const bool gbk = text.startsWith(u"gbk "), latin1 = text.startsWith(u"latin1 "),
                       utf16 = text.startsWith(u"utf16 ");
            text = text.sliced(gbk ? 4 : latin1 ? 7 : utf16 ? 6 : 0);
            const int cut = text.startsWith(u"cut ") ? text.section(u' ', 1, 1).toInt() : 0;
            if (cut)
                text = text.section(u' ', 2);
            bytes = gbk      ? GbText::encode(text).value()
                    : latin1 ? text.toLatin1()
                    : utf16
                        ? QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)(text)
                        : text.toUtf8();
            bytes.chop(cut);
        }
        const ParcelFile::Reading reading = ParcelFile::read(bytes);
        if (reading.problem != ParcelFile::Reading::Problem::None)
            return ParcelFile::problemText(reading.problem);
        if (text.startsWith(u"rows "))
            return u"%1 rows"_s.arg(reading.rows.size());
        QStringList rows;
        for (const auto &[line, p] : reading.rows) {
            const QString archive = p.archive == ParcelRecord::Archive::ByHand ? u"是"_s
                                    : p.archive == ParcelRecord::Archive::Back ? u"否"_s
                                                                               : QString();
            QString row = QStringList{p.key.number,
                                      p.key.company,
                                      p.note,
                                      p.state.outcome == ParcelState::Outcome::NotAsked
                                          ? QString() // as a list without statuses leaves it
                                          : ParcelWords::status(p.state),
                                      p.newestTime,
                                      p.newestStep,
                                      QString::number(p.stepCount),
                                      p.askedAt.toString(format),
                                      p.marked ? u"是"_s : QString(),
                                      p.signedAt.toString(format),
                                      archive}
                              .join(u'|');
            while (row.endsWith(u'|') || row.endsWith(u"|0"_s)) // what a plain list leaves out
                row.chop(row.endsWith(u'|') ? 1 : 2);
            rows << row;
        }
        QStringList skipped;
        for (const ParcelFile::Reading::Skipped &line : reading.skipped)
            skipped << line.text;
        return rows.join(u" ; "_s) + (skipped.isEmpty() ? QString() : u" / "_s + skipped.join(u" ; "_s));
    }

    static QString apply(const QString &subject, const QString &text)
    {
        using Rule = QString (*)(const QString &text, const QString &first, const QString &second);
        static const QHash<QString, Rule> rules{
            {u"batch"_s, [](const QString &, const QString &first,
                            const QString &second) { return batchRule(first, second); }},
            {u"batchSummary"_s, [](const QString &, const QString &first,
                                   const QString &second) { return batchSummaryRule(first, second); }},
            {u"parcelFile"_s,
             [](const QString &text, const QString &, const QString &) { return readParcelFile(text); }},
            {u"note"_s, [](const QString &text, const QString &,
                           const QString &) { return ParcelRecord::noteFrom(text) + u'$'; }},
        };
        const auto found = rules.constFind(subject);
        return found == rules.cend()
                   ? u"no such rule: "_s + subject
                   : found.value()(text, text.section(u" / "_s, 0, 0), text.section(u" / "_s, 1));
    }

    void check()
    {
        FETCH_CASE();
        COMPARE_NOTES(apply(QString::fromLatin1(QTest::currentTestFunction()), input), expected);
    }

private slots:
    void unknownSubject_data() { tableRows(cases, this); }
    void unknownSubject() { QTest::currentDataTag() ? check() : void(); }
    void batch_data() { tableRows(cases, this); }
    void batch() { check(); }
    void batchSummary_data() { tableRows(cases, this); }
    void batchSummary() { check(); }
    void parcelFile_data() { tableRows(cases, this); }
    void parcelFile() { check(); }
    void note_data() { tableRows(cases, this); }
    void note() { check(); }

    // Days since the step that said signed (none: never signed), the 归档 setting, how it is archived.
    void archived_data()
    {
        using Archive = ParcelRecord::Archive;
        QTest::addColumn<std::optional<double>>("signedDaysAgo");
        QTest::addColumn<int>("afterDays");
        QTest::addColumn<Archive>("archive");
        QTest::addColumn<bool>("archived");
        QTest::newRow("not yet the setting's days") << std::optional(2.9) << 3 << Archive::ByTime << false;
        QTest::newRow("the setting's days passed") << std::optional(3.0) << 3 << Archive::ByTime << true;
        QTest::newRow("at once") << std::optional(0.0) << 0 << Archive::ByTime << true;
        QTest::newRow("never by time") << std::optional(100.0) << -1 << Archive::ByTime << false;
        QTest::newRow("never signed for") << std::optional<double>() << 0 << Archive::ByTime << false;
        QTest::newRow("归档 pressed") << std::optional<double>() << -1 << Archive::ByHand << true;
        QTest::newRow("取消归档 pressed") << std::optional(100.0) << 0 << Archive::Back << false;
    }

    void archived()
    {
        QFETCH(std::optional<double>, signedDaysAgo);
        QFETCH(int, afterDays);
        QFETCH(ParcelRecord::Archive, archive);
        QFETCH(bool, archived);
        const QDateTime now(QDate(2026, 12, 7), QTime(12, 0));
        ParcelRecord record;
        if (signedDaysAgo)
            record.signedAt = now.addSecs(qint64(-*signedDaysAgo * 86400));
        record.archive = archive;
        QCOMPARE(record.archived(now, afterDays), archived);
    }

    void settingsRead_data()
    {
        QTest::addColumn<QVariantHash>("stored");
        QTest::addColumn<QString>("expected");
        const QString defaults = u"archive 3, automatic 0, shown no, last -, size -, widths -, sort -"_s;
        QTest::newRow("nothing kept: the defaults") << QVariantHash{} << defaults;
        QTest::newRow("values out of their choices read as the defaults")
            << QVariantHash{{u"archiveDays"_s, 5}, {u"automaticRefreshMinutes"_s, 45}} << defaults;
        QTest::newRow("choices kept, never archived")
            << QVariantHash{{u"archiveDays"_s, -1},
                            {u"automaticRefreshMinutes"_s, 240},
                            {u"overviewShowArchived"_s, true}}
            << u"archive -1, automatic 240, shown yes, last -, size -, widths -, sort -"_s;
        QTest::newRow("the last refresh, in UTC")
            << QVariantHash{{u"lastRefresh"_s, u"2026-12-06T06:00:00Z"_s}}
            << u"archive 3, automatic 0, shown no, last 2026-12-06T06:00:00Z, size -, widths -, sort -"_s;
        QTest::newRow(
            "an earlier version's size, widths and sort, while the states replacing them are not kept")
            << QVariantHash{{u"overviewSize"_s, u"800,600"_s},
                            {u"overviewColumns"_s, u"120,80,90"_s},
                            {u"overviewSort"_s, u"2,1"_s}}
            << u"archive 3, automatic 0, shown no, last -, size 800x600, widths 120,80,90, sort 2,1"_s;
        QTest::newRow("the kept states replace an earlier version's")
            << QVariantHash{{u"overviewSize"_s, u"800,600"_s},
                            {u"overviewGeometry"_s, QByteArray("g")},
                            {u"overviewColumns"_s, u"120,80,90"_s},
                            {u"overviewHeader"_s, QByteArray("h")},
                            {u"overviewSort"_s, u"2,1"_s}}
            << defaults;
        QTest::newRow("a sort that is not a column and an order is none")
            << QVariantHash{{u"overviewSort"_s, u"2"_s}} << defaults;
    }

    void settingsRead()
    {
        QFETCH(QVariantHash, stored);
        QFETCH(QString, expected);
        QCOMPARE(shown(ListSettings::read(QHash<QString, QVariant>(stored.begin(), stored.end()))), expected);
    }

    // Only what changed is written, under its own name and in the form it is read back from.
    void settingsWritten()
    {
        const ListSettings before =
            ListSettings::read({{u"archiveDays"_s, 7}, {u"overviewHeader"_s, QByteArray("h")}});
        ListSettings after = before;
        after.archiveDays = 0;
        after.lastRefresh = QDateTime(QDate(2026, 12, 6), QTime(14, 0), Qt::UTC);
        after.split = QByteArray("s");
        QHash<QString, QVariant> written;
        QStringList names;
        for (const auto &[name, value] : before.changes(after)) {
            written.insert(name, value);
            names << name;
        }
        QCOMPARE(names.join(u','), u"archiveDays,lastRefresh,overviewSplit"_s);
        written.insert(u"overviewHeader"_s, QByteArray("h"));
        QCOMPARE(shown(ListSettings::read(written)), shown(after));
        QCOMPARE(ListSettings::read(written).split, QByteArray("s"));
    }
};

QTEST_GUILESS_MAIN(TestParcels)
#include "test_parcels.moc"
