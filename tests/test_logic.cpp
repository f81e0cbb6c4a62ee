// The logic below the windows: the catalogue, the request, the answer and its rows, the export, the
// update check, the history file, the folders, the outlet page, and the fetch over real sockets.
#include "common/gbtext.h"
#include "common/language.h"
#include "common/savefile.h"
#include "common/textrules.h"
#include "demoservice.h"
#include "english.h"
#include "history/historystore.h"
#include "monitor/changenotice.h"
#include "monitor/parcelnotification.h"
#include "outlet/outletpage.h"
#include "parcels/parcelrecord.h"
#include "parcels/parcelstore.h"
#include "platform/answerdecoder.h"
#include "platform/autostart.h"
#include "platform/programfolders.h"
#include "platform/qtclock.h"
#include "platform/qtwebfetch.h"
#include "table.h"
#include "tracking/catalogue.h"
#include "tracking/companykeys.h"
#include "tracking/courierguess.h"
#include "tracking/queryoutcome.h"
#include "tracking/resultexport.h"
#include "tracking/trackingrequest.h"
#include "tracking/updatecheck.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {
QString cells(const QList<ResultRow> &rows)
{
    QStringList all;
    for (const ResultRow &row : rows)
        all << row.time + u'|' + row.progress;
    return all.join(u',');
}

FetchResult fetched(const QString &body, FetchResult::Outcome outcome = FetchResult::Outcome::Ok)
{
    return {outcome, 0, body};
}

QByteArray twoMegabytes(char tag) // long enough to save for a kill to land in the middle
{
    return QByteArray(2 * 1024 * 1024, tag) + "\r\n";
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// What a killed writer of the parcels' record left: "whole" when the record opens as it was left
// and holds the `recorded` parcels or one more, each with its 30 steps.
QString parcelsLeft(const QString &file, qsizetype recorded)
{
    const QtClock clock;
    ParcelStore store(file, clock);
    const bool opened = store.open() == ParcelStore::State::Ready && store.movedAsideTo().isEmpty();
    const QList<ParcelRecord> parcels = store.parcels();
    const bool whole = std::ranges::all_of(parcels, [&](const ParcelRecord &parcel) {
        return store.steps(parcel.key) == QList<ResultRow>(30, {parcel.key.number, {}});
    });
    return opened && whole && (parcels.size() == recorded || parcels.size() == recorded + 1)
               ? u"whole"_s
               : u"%1 of %2"_s.arg(parcels.size()).arg(recorded);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Each case's input begins with the subject, the test that runs it.
const char *const cases = R"(
brand before a pinyin match: typed sf => 顺丰快递
brand by its prefix: typed zt => 中通快递
brand not in the name: typed sto => 申通快递
initials: typed ht => 汇通快递
name begins in Latin letters, any case: typed EMS => EMS快递
Latin name in brackets: typed kcs => 顺鑫(KCS)快递
full pinyin: typed zhaijis => 宅急送快递
长 read chang in 长通: typed changt => 长通物流
都 read du in 成都: typed chengdul => 成都立即送快递
no match: typed sfx => -
plain number: request SF1234567890 => http://h:1/?com=shunfeng&nu=SF1234567890&id=3C7E1A90B4D25F6E8A0C19D7E25B4F31&type=html
number in its one key: request  1&com=ems#x+y% => http://h:1/?com=shunfeng&nu=%201%26com%3Dems%23x%2By%25&id=3C7E1A90B4D25F6E8A0C19D7E25B4F31&type=html
number as UTF-8: request 单号\r\n😀 => http://h:1/?com=shunfeng&nu=%E5%8D%95%E5%8F%B7%0D%0A%F0%9F%98%80&id=3C7E1A90B4D25F6E8A0C19D7E25B4F31&type=html
rows: answer answer <table><tr><td>T</td><td>P</td></tr></table> => answered 暂无物流信息! kept [T|P]
no rows: answer answer <p>暂无记录</p> => answered 暂无物流信息! kept []
empty answer: answer answer  => failed 查询失败,请检查网络后重试! kept []
error page with rows: answer error-page <tr><td>T</td><td>P</td></tr> => failed 查询失败,请检查网络后重试! kept []
format: answer answer 单号格式错误 => refused 单号格式错误!请检查! emptied []
unknown number: answer answer 该单号不存在 => refused 单号不存在!请检查! emptied []
unsupported company: answer answer 不支持的快递公司 => refused 系统问题,暂不支持当前快递公司! kept []
enter a valid number: answer answer 请输入正确的单号 => refused 请输入正确的单号! emptied []
the table's order, not the answer's: answer answer 不存在 单号格式错误 => refused 单号格式错误!请检查! emptied []
company before valid number: answer answer 请输入正确的单号 不支持的快递公司 => refused 系统问题,暂不支持当前快递公司! kept []
error word inside a row: answer answer <tr><td>T</td><td>收件人不存在</td></tr> => refused 单号不存在!请检查! emptied []
row without its progress cell: answer answer <tr><td>T1</td></tr><tr><td>T2</td><td>P2</td></tr> => answered 暂无物流信息! kept [|,T2|P2</td></tr>]
markup stays but a time's '<': answer answer <tr><td><b>9</b></td><td><b>签</b></td></tr></table>x => answered 暂无物流信息! kept [b>9/b>|<b>签</b>x]
signed: deliveryStatus 已签收 => 快件状态：已签收
delivered: deliveryStatus 妥投 => 快件状态：已签收
signing before delivering: deliveryStatus 已派送，已签收 => 快件状态：已签收
delivering: deliveryStatus 正在派件 => 快件状态：派件中
on the way: deliveryStatus 到达上海 => 快件状态：运送中
more rows, user in front: changeNotice 2 3 user active => grew quiet
more rows, a panel's query: changeNotice 2 3 panel active => grew notify
from nothing: changeNotice 0 3 panel away => grew quiet
as many: changeNotice 3 3 panel away => same quiet
chinese counts two bytes: exportPadding 中通 => 中通    $
blanks trimmed: exportPadding   12   => 12      $
nine bytes not cut: exportPadding 123456789 => 123456789$
blanks only stay empty: exportPadding     => $
tab is no blank: exportPadding \t7 => \t7      $
a row's tail of markup: plainText 2026-12-03 12:00 快件已揽收</div> => 2026-12-03 12:00 快件已揽收
tags inside and after: plainText 正在为您派件<p>数据来源于网络</p></div> => 正在为您派件数据来源于网络
the service's entities: plainText a&nbsp;&nbsp;b &amp; c&lt;d&gt; &quot;e&quot; => a b & c<d> "e"
numeric entities: plainText &#20013;&#x56FD;&#X1F600; => 中国😀
no entity we decode: plainText &copy; &#0; &#xD800; &#; &#x; &#123456789; AT&T => &copy; &#0; &#xD800; &#; &#x; &#123456789; AT&T
an entity's tag stays text: plainText &lt;b&gt;x&lt;/b&gt; => <b>x</b>
blanks folded and trimmed: plainText 	 到达
  上海  中转 <br/>  => 到达 上海 中转
full-width space kept: plainText 上海　中转 => 上海　中转
a "<" that starts no tag: plainText 1 < 2, a<3, <> => 1 < 2, a<3, <>
a tag never closed: plainText 派件 <b 未完 => 派件 <b 未完
comment and declaration: plainText <!-- x -->a<!DOCTYPE html><?xml?>b => ab
pair across the cut: cut 5 / abc😀z => abc…
pair before the cut: cut 6 / abc😀zz => abc😀…
current, a line break after: updateCheck V3.0\r\n => current(V3.0)
other case is newer: updateCheck v3.0 => newer(v3.0)
blank update file: updateCheck  \r\n => failed()
markup is no version: updateCheck <html>Moved</html> => failed()
control character: updateCheck V3\x01 => failed()
33 characters: updateCheck {9*33} => failed()
32 characters: updateCheck {9*32} => newer({9*32})
entry: historyEntry 1234567890|中通快递 => 1234567890 / 1234567890 / 中通快递
bar in the number: historyEntry 12|34|顺丰快递 => 12|34 / 12|34 / 顺丰快递
bar in the company: historyEntry 777|共速达物流|快递 => 777 / 777 / 共速达物流|快递
company name in the number: historyEntry 1|顺丰快递|申通快递 => 1|顺丰快递 / 1|顺丰快递 / 申通快递
no company after any bar: historyEntry 5|中通|快递 => 5 / 5 / 中通|快递
no bar: historyEntry abc => abc /  / abc
outlet name: outletName 申通 => http://h:1/query_list.asp?name=%E7%94%B3%E9%80%9A
outlet name trimmed, in one key: outletName  北京 a&b=c#1+%  => http://h:1/query_list.asp?name=%E5%8C%97%E4%BA%AC%20a%26b%3Dc%231%2B%25
outlet name as UTF-8: outletName \u00E9\u07FF\u0800\uFF9F\u3000 => http://h:1/query_list.asp?name=%C3%A9%DF%BF%E0%A0%80%EF%BE%9F%E3%80%80
markup kept, every "</" gone: outletPage markup => <b>王b>家,<a href=x>李,C3,D4,E5,<i>Fi>
six values, a "</" that the removal makes kept: outletPage nested-close => 上海闵行莘庄网点,王</经理,上海分公司,021-64000000,莘庄镇、七宝镇,工业园区
td in a value: outletPage td-in-value => 上海闵行莘庄网点,Eastwind L,,,,
upper-case TD splits nothing: outletPage upper-td => ,,,,,
no outlet page: outletPage not-found => ,,,,,
UTF-8 without a charset: decoding text/html / \xE9\xA1\xBA => 顺
GBK without a charset: decoding text/html / \xCB\xB3\xB7\xE1 => 顺丰
quoted GB2312: decoding text/html; Charset="GB2312" / \xCB\xB3 => 顺
declared Latin-1: decoding text/plain; charset=iso-8859-1 / caf\xE9 => café
declared UTF-8 believed: decoding text/html;charset=UTF-8 / \xCB\x61 => \uFFFDa
unknown charset: decoding text/html; charset=x-nonsense / \xCB\xB3\xB7\xE1 => 顺丰
byte order mark: decoding  / \xEF\xBB\xBFa => a
neither, cut short: decoding  / \xFF\xCB\xB3\xB7 => \uFFFD顺\uFFFD
missing history: historyFile load =>
history in GBK: historyFile load 1|\xCB\xB3\xB7\xE1\r\n2|x\r\n => 1|顺丰,2|x
LF, lone CR, open last line: historyFile load 1|a\n2|b\r3|c => 1|a,2|b,3|c
empty line kept: historyFile load 1|a\r\n\r\n2|b\r\n => 1|a,,2|b
not GBK: historyFile load \x81\x20|a\r\n\xFF|b => \uFFFD |a,\uFFFD|b
four bytes a character: historyFile load 9\x94\x39\xFC\x36|a => 9😀|a
first ever: historyFile edit  / +9😀 => 9😀|中通快递\r\n
new goes last: historyFile edit 3124|顺丰快递\n12|34|顺丰快递\n / +12 => 3124|顺丰快递\r\n12|34|顺丰快递\r\n12|中通快递\r\n
line breaks dropped: historyFile edit  / +4\r\n0\r => 40|中通快递\r\n
many with one write, in order, each number once: historyFile edit 3124|顺丰快递\n / *12,3124,,\r\n,12,77
  => 3124|顺丰快递\r\n12|中通快递\r\n77|中通快递\r\n
same number, another company: historyFile edit 3124|顺丰快递\n / +3124 => 3124|顺丰快递\n
same without line breaks: historyFile edit 3124|顺丰快递\n / +31\r\n24 => 3124|顺丰快递\n
duplicate with a bar in the number: historyFile edit 12|34|顺丰快递\n / +12|34 => 12|34|顺丰快递\n
duplicate with a bar in the company: historyFile edit 777|共速达物流|快递\n / +777 => 777|共速达物流|快递\n
duplicate, company unknown: historyFile edit 888|不存在的公司\n / +888 => 888|不存在的公司\n
line breaks only: historyFile edit 1|a\n / +\r\n => 1|a\n
remove every entry of a number: historyFile edit 3124|a\r\n12|b\r\n123|d\r\n12|e / -12 => 3124|a\r\n123|d\r\n
remove a number with a bar: historyFile edit 12|34|顺丰快递\r\n12|b / -12|34 => 12|b\r\n
remove nothing for no number: historyFile edit \r\n|c\r\n7|d / - => \r\n|c\r\n7|d
kept lines cut and grown: historyFile edit 1|a\r\n12|b\r\n3|c / +4 -12 +5 -1 -5 +6 => 3|c\r\n4|中通快递\r\n6|中通快递\r\n
unreadable, never written: historyFile unreadable here => 0 unreadable, add 3, delete 0, clear 0, a file 0
earlier copy unreadable, never written: historyFile unreadable earlier => 0 unreadable, add 3, delete 0, clear 0, a file 0
clear carried over: historyFile clear earlier => 1 [] 0 1
clear not written: historyFile clear earlier blocked => 0 [(none)] 0 1
portable copy: folders bin => bin bin - [ts.mp3] none
portable copy, folder closed: folders bin closed => bin home/Quillon bin/wlnum.ini [ts.mp3] made
installed, bin writable: folders share => share/quillon home/Quillon bin/wlnum.ini [] made
both, the program's own first: folders bin share => bin bin - [ts.mp3] none
--lang as a word of its own or with =, and none: language --lang en / --lang=en / --x --lang zh / -- --lang en /  => en ; en ; zh ; zh ; zh
--lang over the desktop's languages: language [en-US,zh] --lang zh / [zh-CN] --lang=en => zh ; en
an unknown language is told and leaves the desktop's: language [en] --lang fr / --lang=EN / --lang => en unknown ; zh unknown ; zh
English only when it comes first, C is Chinese: language [en-GB] / [en_US] / [zh-CN,en] / [C] / [de-DE,en] / [eng] => en ; en ; zh ; zh ; zh ; zh
a portable copy's autostart entry names its path, quoted: autostart portable /home/a b/Quillon/quillon
  => Exec="/home/a b/Quillon/quillon" --hidden ; TryExec=/home/a b/Quillon/quillon ; on
the installed program's names its command: autostart installed /usr/bin/quillon => Exec=quillon --hidden ; TryExec=quillon ; on
what a shell or a field code would read, escaped: autostart portable /q$x/`a`/"b"\c/100%/quillon
  => Exec="/q\\$x/\\`a\\`/\\"b\\"\\\\c/100%%/quillon" --hidden ; TryExec=/q$x/`a`/"b"\\c/100%/quillon ; on
an entry removed reads off: autostart removed /home/q/quillon => off
an entry the user hid reads off: autostart hidden /home/q/quillon => Exec=/home/q/quillon --hidden ; TryExec=/home/q/quillon ; off
another copy's entry reads off: autostart other /home/q/quillon => Exec=/home/q/quillon --hidden ; TryExec=/home/q/quillon ; off
none anywhere: folders  => bin bin - [] none
growing parcel, 2 steps and one a minute up to 50, then over again: demoService 100 => 4
one notification a parcel: notifications 3 => [1\n顺丰快递] 快件有更新/顺丰快递 1\nT1 P1 - + [2\n顺丰快递] 快件有更新/顺丰快递 2\nT2 P2 -
  + [3\n顺丰快递] 快件有更新/顺丰快递 3\nT3 P3 -
a step's markup is not shown: notifications 1 / 派件<p>数据&amp;来源</p></div> => [1\n顺丰快递] 快件有更新/顺丰快递 1\nT1 派件数据&来源 -
past 3, a summary closes theirs: notifications 4 => [summary] 4 件快件有更新/ -1\n顺丰快递,2\n顺丰快递,3\n顺丰快递,4\n顺丰快递
GBK without a charset: fetchFaults gbk => the answer / 更新文件内容无效
nobody listening: fetchFaults unreachable => 无法连接服务器 / 无法连接服务器
never answers: fetchFaults hang => 服务器未在1秒内完成应答 / 服务器未在1秒内完成应答
drips past the deadline: fetchFaults drip => 服务器未在1秒内完成应答 / 服务器未在1秒内完成应答
cut mid-answer: fetchFaults cut => 连接在应答中途断开 / 连接在应答中途断开
404 page: fetchFaults e404 => 服务器返回HTTP错误404 / 服务器返回HTTP错误404
500 page: fetchFaults e500 => 服务器返回HTTP错误500 / 服务器返回HTTP错误500
a query's cause kept in Chinese, shown in English: fetchFaults english hang => 服务器未在1秒内完成应答 -> The server did not answer within 1 s
50 MB: fetchFaults huge => 应答超过32 MB / 应答超过32 MB
empty body: fetchFaults empty => 服务器返回空内容 / 服务器返回空内容
redirect loop: fetchFaults redirect => 服务器反复重定向,没有应答 / 服务器反复重定向,没有应答
SF, a digit third: courierGuess SF1402536987412 => 顺丰快递 sure 单号以SF开头，共15位
SF in lower case, a letter third: courierGuess sfa140253698741 => 顺丰快递 sure 单号以SF开头，共15位
SF one digit short: courierGuess SF140253698741 => none
YT: courierGuess YT7516340982315 => 圆通快递 sure 单号以YT开头，共15位
YT with 16 digits, another carrier: courierGuess YT7516340982315478 => none
YT with a letter among the digits: courierGuess YT75163409823A5 => none
DPK: courierGuess DPK301245678912 => 德邦物流 sure 单号以DPK开头，共15位
ZJS: courierGuess ZJS001234567890 => 宅急送快递 sure 单号以ZJS开头，共15位
TT57, the last series: courierGuess TT5701234567890 => 天天快递 sure 单号以TT57开头，共15位
TT55 is none of its series: courierGuess TT5501234567890 => none
EMS, check digit 5: courierGuess EA123456785CN => EMS快递 sure 邮件号以E开头、CN结尾，校验位相符
check 10 written 0: courierGuess EB273849500CN => EMS快递 sure 邮件号以E开头、CN结尾，校验位相符
wrong check digit: courierGuess EA123456784CN => none
check 11 written 5, not E, lower case: courierGuess rr190748335cn => 中国邮政平邮 likely 邮件号以CN结尾，校验位相符
  + 邮政国内小包 likely 邮件号以CN结尾，校验位相符
another country's post: courierGuess RB345678912DE => none
14 digits from 73: courierGuess 73100234567891 => 中通快递 likely 14位数字，以73开头
14 digits from 78: courierGuess 78100234567891 => 中通快递 likely 14位数字，以78开头
73 one digit short: courierGuess 7310023456789 => none
15 digits from 77: courierGuess 772004567891234 => 申通快递 likely 15位数字，以77开头
15 digits from 43, 韵达 first: courierGuess 432100456789123 => 韵达快递 likely 15位数字，以4开头
  + 申通快递 likely 15位数字，以43开头
15 digits from 3: courierGuess 312345678901234 => 韵达快递 likely 15位数字，以3开头
13 digits from 5: courierGuess 5012345678901 => 韵达快递 likely 13位数字，以5开头
13 digits from 88, three in the table's order: courierGuess 8800123456789 => 申通快递 likely 13位数字，以88开头
  + EMS快递 likely 13位数字，以8开头 + 中国邮政平邮 likely 13位数字，以8开头
13 digits from 9: courierGuess 9876543210123 => EMS快递 likely 13位数字，以9开头 + 中国邮政平邮 likely 13位数字，以9开头
12 digits: courierGuess 602345678912 => 顺丰快递 likely 12位数字，顺丰的旧单号 + 天天快递 likely 12位数字
  + 速尔快递 likely 12位数字
blanks and a pasted line break: courierGuess   YT7516340982315 \r\n  => 圆通快递 sure 单号以YT开头，共15位
a line break inside, as the history drops it: courierGuess 7310023\r\n4567891 => 中通快递 likely 14位数字，以73开头
a courier the catalogue lacks: courierGuess JT0001234567890 => none
)";

} // namespace

class TestLogic : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    DemoService m_service;
    QString path(const QString &name = u"wlnum.ini"_s) const { return m_dir.filePath(name); }

    // A layout of <root>/bin (the program), <root>/share/quillon (an installed copy's delivered
    // files) and <root>/home/Quillon (the data folder): where the program reads and keeps its files.
    static QString folders(bool inBin, bool inShare, bool closed)
    {
        const QTemporaryDir root;
        const auto at = [&](const QString &name) { return root.filePath(name); };
        for (const QString &folder : {u"bin"_s, u"share/quillon"_s}) {
            QDir().mkpath(at(folder));
            if (folder == u"bin" ? inBin : inShare)
                writeFile(at(folder + u"/ts.mp3"_s), "mp3");
        }
        // As root, only an immutable folder refuses new files.
        if (closed && QProcess::execute(u"chattr"_s, {u"+i"_s, at(u"bin"_s)}) != 0)
            return u"skip: chattr +i, which needs root, is not available here"_s;
        const ProgramFolders chosen = ProgramFolders::decide(at(u"bin"_s), at(u"home/Quillon"_s));
        if (closed)
            QProcess::execute(u"chattr"_s, {u"-i"_s, at(u"bin"_s)});
        const auto relative = [&](const QString &file) {
            return file.isEmpty() ? u"-"_s
                                  : QDir(root.path()).relativeFilePath(QFileInfo(file).absoluteFilePath());
        };
        // Also what bin holds after the probe, and whether the data folder was made.
        return relative(QFileInfo(chosen.deliveredFile(u"x"_s)).path()) + u' ' +
               relative(QFileInfo(chosen.historyFile()).path()) + u' ' +
               relative(chosen.earlierHistoryFile()) + u" ["_s +
               QDir(at(u"bin"_s)).entryList(QDir::Files | QDir::Hidden).join(u',') + u"] "_s +
               (QFileInfo::exists(at(u"home"_s)) ? u"made"_s : u"none"_s);
    }

    // A row's input as its rule reads it: the text, and its parts before and after " / ".
    struct Input {
        QString rule, text, first, second;
    };

    // each candidate: its company, how sure, why
    QString courierGuessRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        // each candidate: its company, how sure, why
        QStringList shown;
        for (const CourierGuess::Candidate &c : CourierGuess::of(text))
            shown << u"%1%2 %3 %4"_s.arg(
                c.company, Catalogue::isName(c.company) ? u""_s : u"(unknown)"_s,
                c.confidence == CourierGuess::Confidence::Sure ? u"sure"_s : u"likely"_s, c.reason);
        return shown.isEmpty() ? u"none"_s : shown.join(u" + "_s);
    }

    QString typedRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        return Catalogue::names().value(CompanyKeys::find(text), u"-"_s);
    }

    QString requestRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        return QString::fromLatin1(TrackingRequest::url(u"h:1"_s, u"shunfeng"_s, text).toEncoded());
    }

    QString answerRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        static const char *kinds[] = {"failed", "refused", "answered"};
        const QueryOutcome outcome = QueryOutcome::read(
            fetched(text, rule == u"answer" ? FetchResult::Outcome::Ok : FetchResult::Outcome::HttpError));
        return u"%1 %2 %3 [%4]"_s.arg(QLatin1String(kinds[int(outcome.kind)]), outcome.message(),
                                      outcome.emptiesNumber() ? u"emptied"_s : u"kept"_s,
                                      cells(outcome.rows));
    }

    // rows before and now, started by a panel, the window active
    QString changeNoticeRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        // rows before and now, started by a panel, the window active
        const QStringList at = text.split(u' ');
        const ChangeNotice notice = ChangeNotice::decide(at.value(0).toInt(), at.value(1).toInt(),
                                                         at.value(2) == u"panel", at.value(3) == u"active");
        return u"%1 %2"_s.arg(notice.grew ? u"grew"_s : u"same"_s, notice.notify ? u"notify"_s : u"quiet"_s);
    }

    QString deliveryStatusRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        return QueryOutcome::deliveryStatus(text);
    }

    QString plainTextRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        return ::plainText(text);
    }

    // the room / the text
    QString cutRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        return cutAtWholeCharacter(second, first.toInt());
    }

    QString exportPaddingRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        return ResultExport::trimAndPadToBytes(text, 8) + u'$';
    }

    QString updateCheckRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        static const char *verdicts[] = {"failed", "current", "newer"};
        const UpdateCheck::Result check = UpdateCheck::evaluate(fetched(text));
        return QLatin1String(verdicts[int(check.verdict)]) + u'(' + check.version + u')';
    }

    // its number, and the number and company a pick fills in
    QString historyEntryRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        // its number, and the number and company a pick fills in
        const ParcelKey picked = HistoryStore::keyOf(text);
        return HistoryStore::entryNumber(text) + u" / "_s + picked.number + u" / "_s + picked.company;
    }

    QString outletNameRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        return QString::fromLatin1(outletQueryUrl(u"h:1"_s, text).toEncoded());
    }

    // a page of the fuzz corpus, after its byte that picks the reader
    QString outletPageRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        // a page of the fuzz corpus, after its byte that picks the reader
        const QByteArray page = readFile(QStringLiteral(QUILLON_CORPUS_DIR "/outlet-") + text + u".html"_s);
        const OutletFields fields = parseOutletPage(QString::fromUtf8(page.sliced(1)));
        return page.startsWith('O') ? QStringList(fields.begin(), fields.end()).join(u',')
                                    : u"no page "_s + text;
    }

    // the Content-Type / the body's bytes
    QString decodingRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        return AnswerDecoder::decode(second.toLatin1(), first.toLatin1());
    }

    // from a service that misbehaves
    QString fetchFaultsRule(const Input &in)
    {
        std::optional<English> english; // "english BEHAVIOUR": the cause kept and shown in English
        const QString text =
            in.text.startsWith(u"english ") ? (english.emplace(), in.text.sliced(8)) : in.text;
        const auto behaviour = DemoService::behaviourNamed(text);
        if (!behaviour && text != u"unreachable")
            return u"no such behaviour: "_s + text;
        m_service.setTrackingBehaviour(behaviour.value_or(DemoService::Behaviour::Normal));
        const QString host = text == u"unreachable" ? u"127.0.0.1:1"_s : m_service.hostAndPort();
        const FetchResult result =
            QtWebFetch(1000, 1024 * 1024)
                .getResponsive(TrackingRequest::url(host, u"shunfeng"_s, u"1234567890"_s));
        const bool came = result.body == m_service.trackingAnswer(u"shunfeng"_s, u"1234567890"_s);
        if (english) // what a record keeps, and what it shows
            return QueryOutcome::read(result).cause + u" -> "_s + QueryOutcome::read(result).shownCause();
        // what the message line's tooltip names, after a query and after the update check
        return (came ? u"the answer"_s : result.failureCause()) + u" / "_s +
               UpdateCheck::evaluate(result).cause;
    }

    // the growing parcel's steps so many minutes after the service started
    QString demoServiceRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        // the growing parcel's steps so many minutes after the service started
        m_service.setStartTime(QDateTime::currentDateTime().addSecs(-60 * text.toInt() - 30));
        return QString::number(m_service.trackingAnswer(u"shunfeng"_s, u"7770001"_s).count(u"<tr>"));
    }

    // what a refresh in which N parcels grew posts, parcel n named n
    QString notificationsRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        // what a refresh in which N parcels grew posts, parcel n named n
        QList<ParcelNotification::Grown> grown;
        for (int n = 1; n <= first.toInt(); ++n) // each step P<n>, or the one given after " / "
            grown.append({u"顺丰快递"_s, QString::number(n), u"T%1"_s.arg(n),
                          second.isEmpty() ? u"P%1"_s.arg(n) : second});
        QStringList posted; // and the keys each closes
        for (const Notification &shown : ParcelNotification::forRefresh(grown))
            posted << u"[%1] %2/%3 -%4"_s.arg(shown.key, shown.summary, shown.body,
                                              shown.supersedes.join(u','));
        return posted.join(u" + "_s);
    }

    // where delivered files are read, data kept, the history carried over from
    QString foldersRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        return folders(text.contains(u"bin"_s), text.contains(u"share"_s), text.contains(u"closed"_s));
    }

    // "[DESKTOP,LANGUAGES] ARGUMENTS", " / " between runs: the language each start takes
    QString languageRule(const Input &in)
    {
        QStringList shown;
        for (QString run : in.text.split(u" / "_s)) {
            QStringList desktop;
            if (run.startsWith(u'['))
                desktop = run.sliced(1).section(u']', 0, 0).split(u','), run = run.section(u']', 1);
            bool unknown = false;
            const QStringList arguments = (u"quillon "_s + run).split(u' ', Qt::SkipEmptyParts);
            const Language language = languageOf(languageOption(arguments), desktop, &unknown);
            shown << (language == Language::English ? u"en"_s : u"zh"_s) + (unknown ? u" unknown"_s : u""_s);
        }
        return shown.join(u" ; "_s);
    }

    // "portable|installed|removed|hidden|other PROGRAM": the entry written for PROGRAM, then removed,
    // hidden by the user, or read by another copy; its Exec and TryExec lines, and whether it reads on
    QString autostartRule(const Input &in)
    {
        const QTemporaryDir dir;
        const QString how = in.text.section(u' ', 0, 0), program = in.text.section(u' ', 1);
        const Autostart entry(dir.filePath(u"autostart"_s), program, how == u"installed");
        const QString path = dir.filePath(u"autostart/"_s + Autostart::fileName);
        if (const QString cause = entry.setOn(true); !cause.isEmpty())
            return u"not written: "_s + cause;
        if (how == u"removed" && !entry.setOn(false).isEmpty())
            return u"not removed"_s;
        if (how == u"hidden") {
            QFile file(path);
            if (!file.open(QIODevice::Append) || file.write("Hidden=true\n") < 0)
                return u"cannot hide"_s;
        }
        QStringList shown;
        QFile file(path);
        for (const QByteArray &line :
             file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QByteArrayList())
            if (line.startsWith("Exec=") || line.startsWith("TryExec="))
                shown << QString::fromUtf8(line);
        const Autostart reader(dir.filePath(u"autostart"_s), how == u"other" ? program + u'2' : program,
                               how == u"installed");
        return (shown << (reader.isOn() ? u"on"_s : u"off"_s)).join(u" ; "_s);
    }

    // with a wlnum.ini beside the program (earlier) or not, the data file blocked or not
    QString clearRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        const QString program = path(u"program/wlnum.ini"_s), data = path(u"data/wlnum.ini"_s);
        QDir(path(u"data"_s)).removeRecursively();
        QFile::remove(program);
        if (text.contains(u"earlier"_s))
            writeFile(program, "1|a\r\n");
        writeFile(data, "2|b\r\n");
        HistoryStore store(data, program);
        store.load();
        if (text.contains(u"blocked"_s) && !(QFile::remove(data) && QDir().mkdir(data)))
            return u"cannot put a folder in the file's place"_s;
        const bool cleared = store.clear();
        return u"%1 [%2] %3 %4"_s.arg(cleared)
            .arg(QString::fromLatin1(readFile(data)))
            .arg(HistoryStore(data, program).load().size())
            .arg(HistoryStore(path(u"none/wlnum.ini"_s), program).load().size());
    }

    // wlnum.ini (here) or the earlier copy's (earlier) a folder
    QString unreadableRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        const QString program = path(u"program/wlnum.ini"_s), data = path(u"data/wlnum.ini"_s);
        for (const QString &name : {u"program"_s, u"data"_s})
            QDir(path(name)).removeRecursively();
        QDir().mkpath(path(u"data"_s));
        QDir().mkpath(text == u"here" ? data : program);
        HistoryStore store(data, program);
        const qsizetype loaded = store.load().size();
        const QString shown = u"%1 %2, add %3, delete %4, clear %5, a file %6"_s.arg(loaded)
                                  .arg(store.unreadable() ? u"unreadable"_s : u"read"_s)
                                  .arg(int(store.add(u"1"_s, u"中通快递"_s)))
                                  .arg(store.removeNumber(u"1"_s))
                                  .arg(store.clear())
                                  .arg(QFileInfo(data).isFile());
        QDir(text == u"here" ? data : program).removeRecursively();
        return shown;
    }

    // the file's bytes (load), or a GBK file's text and the steps done to it (edit)
    QString historyFileRule(const Input &in)
    {
        [[maybe_unused]] const auto &[rule, text, first, second] = in;
        QFile::remove(path());
        const QString content = rule == u"load" ? text : first; // the file's bytes, or a GBK file's text
        if (!content.isEmpty())
            writeFile(path(), rule == u"load" ? content.toLatin1() : GbText::encode(content).value());
        HistoryStore store(path());
        const QStringList loaded = store.load();
        if (rule == u"load")
            return loaded.join(u',');
        // "edit": the file's text / steps, "+typed number" adds it for 中通快递, "-number" deletes it
        for (const QString &step : second.split(u' ')) {
            if (step.startsWith(u'+'))
                store.add(step.sliced(1), u"中通快递"_s);
            else if (step.startsWith(u'*')) { // "*A,B": both at once
                QList<ParcelKey> parcels;
                for (const QString &number : step.sliced(1).split(u','))
                    parcels.append({number, u"中通快递"_s});
                store.addAll(parcels);
            } else if (step.startsWith(u'-'))
                store.removeNumber(step.sliced(1));
            else
                return u"no such step: "_s + step;
        }
        return GbText::decode(readFile(path()));
    }

    // Each subject turns a row's input into what the window shows, the service receives or a file
    // holds. The answer and the history file name what they do with the rest in a first word.
    QString apply(const QString &subject, const QString &input)
    {
        static const QHash<QString, QString (TestLogic::*)(const Input &)> rules{
            {u"courierGuess"_s, &TestLogic::courierGuessRule},
            {u"typed"_s, &TestLogic::typedRule},
            {u"request"_s, &TestLogic::requestRule},
            {u"answer"_s, &TestLogic::answerRule},
            {u"error-page"_s, &TestLogic::answerRule},
            {u"changeNotice"_s, &TestLogic::changeNoticeRule},
            {u"deliveryStatus"_s, &TestLogic::deliveryStatusRule},
            {u"plainText"_s, &TestLogic::plainTextRule},
            {u"cut"_s, &TestLogic::cutRule},
            {u"exportPadding"_s, &TestLogic::exportPaddingRule},
            {u"updateCheck"_s, &TestLogic::updateCheckRule},
            {u"historyEntry"_s, &TestLogic::historyEntryRule},
            {u"outletName"_s, &TestLogic::outletNameRule},
            {u"outletPage"_s, &TestLogic::outletPageRule},
            {u"decoding"_s, &TestLogic::decodingRule},
            {u"fetchFaults"_s, &TestLogic::fetchFaultsRule},
            {u"demoService"_s, &TestLogic::demoServiceRule},
            {u"notifications"_s, &TestLogic::notificationsRule},
            {u"folders"_s, &TestLogic::foldersRule},
            {u"autostart"_s, &TestLogic::autostartRule},
            {u"language"_s, &TestLogic::languageRule},
            {u"clear"_s, &TestLogic::clearRule},
            {u"unreadable"_s, &TestLogic::unreadableRule},
            {u"load"_s, &TestLogic::historyFileRule},
            {u"edit"_s, &TestLogic::historyFileRule},
        };
        const bool worded = subject == u"answer" || subject == u"historyFile";
        const QString rule = worded ? input.section(u' ', 0, 0) : subject;
        const QString text = worded ? input.section(u' ', 1) : input;
        if (worded && !(subject == u"answer" ? QStringList{u"answer"_s, u"error-page"_s}
                                             : QStringList{u"load"_s, u"edit"_s, u"clear"_s, u"unreadable"_s})
                           .contains(rule))
            return u"no such rule: "_s + rule;
        const auto found = rules.constFind(rule);
        if (found == rules.cend())
            return u"no such rule: "_s + rule;
        return (this->*found.value())({rule, text, text.section(u" / "_s, 0, 0), text.section(u" / "_s, 1)});
    }

    void check()
    {
        FETCH_CASE();
        const QString shown = apply(QString::fromLatin1(QTest::currentTestFunction()), input);
        if (shown.startsWith(u"skip: "))
            QSKIP(qPrintable(shown.sliced(6)));
        COMPARE_NOTES(shown, expected);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_service.listen() != 0);
        m_service.setDripInterval(100);
    }

    void unknownSubject_data() { tableRows(cases, this); }
    void unknownSubject() { QTest::currentDataTag() ? check() : void(); }
    void courierGuess_data() { tableRows(cases, this); }
    void courierGuess() { check(); }
    void typed_data() { tableRows(cases, this); }
    void typed() { check(); }

    void request_data() { tableRows(cases, this); }
    void request() { check(); }

    void answer_data() { tableRows(cases, this); }
    void answer() { check(); }

    void deliveryStatus_data() { tableRows(cases, this); }
    void deliveryStatus() { check(); }

    void changeNotice_data() { tableRows(cases, this); }
    void changeNotice() { check(); }
    void exportPadding_data() { tableRows(cases, this); }
    void exportPadding() { check(); }

    void plainText_data() { tableRows(cases, this); }
    void plainText() { check(); }
    void cut_data() { tableRows(cases, this); }
    void cut() { check(); }

    void updateCheck_data() { tableRows(cases, this); }
    void updateCheck() { check(); }

    void historyEntry_data() { tableRows(cases, this); }
    void historyEntry() { check(); }

    void outletName_data() { tableRows(cases, this); }
    void outletName() { check(); }

    void outletPage_data() { tableRows(cases, this); }
    void outletPage() { check(); }

    void decoding_data() { tableRows(cases, this); }
    void decoding() { check(); }

    void historyFile_data() { tableRows(cases, this); }
    void historyFile() { check(); }

    void folders_data() { tableRows(cases, this); }
    void folders() { check(); }
    void autostart_data() { tableRows(cases, this); }
    void autostart() { check(); }
    void language_data() { tableRows(cases, this); }
    void language() { check(); }

    void demoService_data() { tableRows(cases, this); }
    void demoService() { check(); }

    void notifications_data() { tableRows(cases, this); }
    void notifications() { check(); }

    void fetchFaults_data() { tableRows(cases, this); }
    void fetchFaults() { check(); }

    // Codes in ascending order, so that none repeats; names all different.
    void catalogueIsWhole()
    {
        const QStringList names = Catalogue::names();
        QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), 127);
        for (int i = 1; i < Catalogue::count(); ++i)
            QVERIFY2(Catalogue::code(i - 1) < Catalogue::code(i), qPrintable(Catalogue::code(i)));
    }

    // The rows read the plain way, by whole-answer splits: the parser must agree on every normal layout.
    void parserAgreesWithLiteralReading()
    {
        const QStringList tokens =
            u"签|派|妥|<b>|</b>|<img src=x>|&amp;| |7|2024-05-01|<|>|td|<tr>|</td>|</tr>|</table>|a"_s.split(
                u'|');
        QRandomGenerator random(20240501);
        const auto text = [&](int most) {
            QString t;
            for (int i = random.bounded(most + 1); i > 0; --i)
                t += tokens[random.bounded(int(tokens.size()))];
            return t;
        };
        for (int n = 0; n < 3000;) {
            const int rowCount = random.bounded(1, 41);
            QString answer = random.bounded(2) ? u"<html><table>"_s : text(6);
            for (int r = 0; r < rowCount; ++r)
                answer += u"<tr><td>"_s + text(3) + u"</td><td>"_s + text(8) + u"</td></tr>"_s;
            answer += u"</table>"_s + text(4);
            // Tokens that met at a join and made a marker: not the normal layout.
            if (answer.count(u"<tr><td>"_s) != rowCount || answer.count(u"<td>"_s) != 2 * rowCount)
                continue;
            ++n;
            const QStringList timePieces = answer.split(u"<tr><td>"_s), tdPieces = answer.split(u"<td>"_s);
            QStringList literal;
            for (int i = 1; i <= rowCount; ++i)
                literal << timePieces[i].left(timePieces[i].indexOf(u"</td><td>"_s) + 1).remove(u'<') + u'|' +
                               QString(tdPieces[2 * i])
                                   .remove(u"</td></tr><tr>"_s)
                                   .remove(u"</td></tr></table>"_s);
            QCOMPARE(cells(QueryOutcome::read(fetched(answer)).rows), literal.join(u','));
        }
    }

    // Killed at random moments while it replaces a file, the program leaves the old file or the new
    // one, whole; killed while it records parcels, it loses at most the one being written. The
    // writer is this program, started with --write; the loop has a label of its own.
    void killDuringSave_data()
    {
        tableRows("the history file: killed.ini => whole\nthe parcels' record: killed.sqlite => whole");
    }
    void killDuringSave()
    {
        if (!qEnvironmentVariableIsSet("QUILLON_KILL_LOOP"))
            QSKIP("run by the test_killloop entry");
        QFETCH(QString, input);
        const QString target = path(input);
        QVERIFY(input.endsWith(u".sqlite") || saveWholeFile(target, twoMegabytes('A')));
        QRandomGenerator random(20240613);
        for (qsizetype kill = 0, recorded = 0; kill < 100; ++kill) {
            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(),
                         {u"--write"_s, target, QString(kill % 2 ? 'A' : 'B')});
            QVERIFY(writer.waitForReadyRead(10000)); // "saving"
            QThread::usleep(random.bounded(20000u));
            writer.kill();
            QVERIFY(writer.waitForFinished(10000));
            // The parcels the writer said it had recorded, then one more at most.
            const QList<QByteArray> said = writer.readAllStandardOutput().split('\n');
            recorded = said.size() > 2 ? said[said.size() - 2].toInt() : recorded;
            const QByteArray now = readFile(target);
            QTEST(input.endsWith(u".sqlite")                             ? parcelsLeft(target, recorded)
                  : now == twoMegabytes('A') || now == twoMegabytes('B') ? u"whole"_s
                                                                         : QString::number(kill),
                  "expected");
            for (const QString &name :
                 QDir(m_dir.path()).entryList({u"killed.ini.*"_s}, QDir::Files | QDir::Hidden))
                QFile::remove(path(name)); // a killed save's own file
        }
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--write") == 0) { // the kill loop's writer
        const QString target = QString::fromLocal8Bit(argv[2]);
        std::puts("saving");
        std::fflush(stdout);
        const QtClock clock;
        ParcelStore store(target, clock); // the record: parcels of 30 steps, one transaction each
        qsizetype count = target.endsWith(u".sqlite") && store.open() == ParcelStore::State::Ready
                              ? store.parcels().size()
                              : -1;
        // Where it starts, said before it writes: a writer killed before it says its first
        // parcel has written at most one more than this.
        std::printf("%lld\n", qlonglong(count));
        for (std::fflush(stdout); count >= 0; std::fflush(stdout)) {
            const QList<ResultRow> steps(30, {QString::number(count), {}});
            if (store.save(ParcelRecord::fresh({steps[0].time, u"顺丰快递"_s}), &steps))
                std::printf("%lld\n", qlonglong(++count)); // how many are recorded
        }
        for (const QByteArray bytes = twoMegabytes(argv[3][0]);;)
            saveWholeFile(target, bytes);
    }
    TestLogic test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_logic.moc"
