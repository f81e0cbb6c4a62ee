// Hostile text from the user and from the servers: markup, megabyte lines, control characters,
// characters above U+FFFF and direction marks stay characters, keep requests and wlnum.ini whole
// and never stall the window.
#include "app/appfont.h"
#include "history/historystore.h"
#include "outlet/form5.h"
#include "outlet/outletname.h"
#include "platform/qtmessageboxes.h"
#include "platform/qtwebfetch.h"
#include "windowharness.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <QTreeView>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace {

constexpr int shunfeng = 91;
const QString company = u"顺丰快递"_s;
constexpr qsizetype megabyte = 1024 * 1024;
// AddressSanitizer copies a block on every reallocation, so Qt's layout of a megabyte of text in a
// box takes several times longer there; a stall still overruns the wider bound.
#ifdef __SANITIZE_ADDRESS__
constexpr qint64 sanitizerSlowdown = 3;
#else
constexpr qint64 sanitizerSlowdown = 1;
#endif
// Far above what these take when nothing lays out a megabyte on the way.
constexpr qint64 paintMs = 1000; // a click, a hover or a repaint
// A query; a megabyte in the number box alone costs seconds.
constexpr qint64 queryMs = 10000 * sanitizerSlowdown;
// What a label or list cell shows of a longer text.
constexpr qsizetype shownLength = 2000;

// Control characters apart, so that a hex escape does not swallow the letter after it.
const QString controls = u"a\x01"_s + u"b\tc\x1b"_s + u"d"_s;

void addHostileRows()
{
    QTest::newRow("bold") << u"<b>x</b>"_s;
    QTest::newRow("image") << u"<img src=x>"_s;
    QTest::newRow("link") << u"<a href='http://x'>"_s;
    QTest::newRow("controls") << controls;
    QTest::newRow("above U+FFFF") << u"😀𠀀"_s;
    QTest::newRow("direction marks") << u"\u202E123\u200F"_s;
}

// A megabyte of the service's own kind of text, holding neither "td" nor "</".
QString megabyteLine()
{
    const QString piece = u"快件已到达【上海转运中心】，"_s;
    QString line;
    line.reserve(megabyte + piece.size());
    while (line.size() < megabyte)
        line += piece;
    return line;
}

void checkWithin(const QElapsedTimer &clock, qint64 limitMs)
{
    QVERIFY2(clock.elapsed() < limitMs, qPrintable(u"took %1 ms"_s.arg(clock.elapsed())));
}

QString oneRow(const QString &progress)
{
    return u"<table><tr><td>2026-11-28 09:12:05</td><td>"_s + progress + u"</td></tr></table>"_s;
}

// The request's query, split into keys and fully decoded values.
QList<std::pair<QString, QString>> queryItems(const QByteArray &target)
{
    const QUrlQuery query(QString::fromUtf8(target.mid(target.indexOf('?') + 1)));
    return query.queryItems(QUrl::FullyDecoded);
}

QStringList keys(const QList<std::pair<QString, QString>> &items)
{
    QStringList names;
    for (const auto &item : items)
        names << item.first;
    return names;
}

QStringList items(const QComboBox *box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

// The text a reader sees in rich text: markup that was not escaped would be gone from it.
QString rendered(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

} // namespace

class TestHostile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyApplicationFont(); }

    void serverCells_data()
    {
        QTest::addColumn<QString>("text");
        addHostileRows();
    }
    void serverCells()
    {
        QFETCH(QString, text);
        WindowHarness h;
        Form1 &w = h.startReady();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        h.service().setTrackingAnswer(u"42"_s, oneRow(u"进度"_s + text));
        h.query(shunfeng, u"42"_s);
        QCOMPARE(h.rowCount(), 1);
        QCOMPARE(h.cell(0, 2), u"进度"_s + text);

        auto *list = h.find<QTreeView>("ListView1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(0, 2)).center());
        QVERIFY(rendered(list->toolTip()).contains(u"物流进度:进度"_s + text));
    }

    // A long balloon line is cut at a whole character, never between the halves of one.
    void balloonCutsWholeCharacters()
    {
        WindowHarness h;
        Form1 &w = h.startReady();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        h.service().setTrackingAnswer(u"42"_s, oneRow(QString(1994, u'x') + u"😀z"_s));
        h.query(shunfeng, u"42"_s);
        auto *list = h.find<QTreeView>("ListView1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(0, 2)).center());
        QVERIFY(rendered(list->toolTip()).endsWith(u"物流进度:"_s + QString(1994, u'x') + QChar(0x2026)));
    }

    // A megabyte cell is shown whole; its balloon is cut, so clicks and hovers stay quick.
    void megabyteCell()
    {
        const QString line = megabyteLine();
        WindowHarness h;
        Form1 &w = h.startReady();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        h.service().setTrackingAnswer(u"42"_s, oneRow(line));
        h.query(shunfeng, u"42"_s);
        QCOMPARE(h.cell(0, 2), line);

        auto *list = h.find<QTreeView>("ListView1");
        const QPoint at = list->visualRect(list->model()->index(0, 2)).center();
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QHelpEvent hover(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &hover);
        list->viewport()->repaint();
        checkWithin(clock, paintMs);
        QToolTip::hideText();
        QVERIFY(w.listTip()->toolTipText() == u"时间:2026-11-28 09:12:05\r\n物流进度:"_s + line);
        QVERIFY(list->toolTip().size() < 10000);
        QVERIFY(rendered(list->toolTip()).contains(line.left(1000)));
    }

    // The number reaches the service as typed, in its one key, and is recorded without its
    // line breaks; the entries read back from disk, in this window and the next, are the same.
    void hostileNumbers_data()
    {
        QTest::addColumn<QString>("text");
        addHostileRows();
        QTest::newRow("line break inside") << u"12\r\n<b>34</b>"_s;
        QTest::newRow("a megabyte") << QString(megabyte, u'7');
    }
    void hostileNumbers()
    {
        QFETCH(QString, text);
        WindowHarness h;
        h.writeHistory(HistoryStore::serialize({u"1234567890|"_s + company}).value());
        h.startReady();
        h.service().setTrackingAnswer(text, oneRow(u"P"_s));
        QElapsedTimer clock;
        clock.start();
        h.query(shunfeng, text);
        checkWithin(clock, queryMs);
        QCOMPARE(h.rowCount(), 1);

        const auto sent = queryItems(h.service().lastRequestTarget());
        QCOMPARE(keys(sent), (QStringList{u"com"_s, u"nu"_s, u"id"_s, u"type"_s}));
        QVERIFY(sent.at(1).second == text); // QCOMPARE would print a megabyte

        h.query(shunfeng, u"5550001111"_s);
        const QStringList expected = {u"1234567890|"_s + company,
                                      HistoryStore::recordedNumber(text) + u'|' + company,
                                      u"5550001111|"_s + company};
        HistoryStore reread(h.historyPath());
        QVERIFY(reread.load() == expected);
        QVERIFY(items(h.find<QComboBox>("Text1")) == expected);

        const Platform platform{h.scripted(), h.sound, h.boxes, h.shell, h.clock, h.skin, h.appExit};
        Form1 second(platform, h.endpoints, ProgramFolders(h.folder()));
        QVERIFY(items(second.findChild<QComboBox *>(u"Text1"_s)) == expected);
    }

    void hostileOutletNames_data()
    {
        QTest::addColumn<QString>("text");
        addHostileRows();
        QTest::newRow("a megabyte") << QString(megabyte, u'网');
    }
    void hostileOutletNames()
    {
        QFETCH(QString, text);
        DemoService service;
        QVERIFY(service.listen() != 0);
        QtWebFetch fetch(queryMs, megabyte);
        FakeMessageBoxes boxes;
        Form5 form(fetch, service.hostAndPort(), boxes);
        form.show();
        form.findChild<QLineEdit *>(u"Text1"_s)->setText(u"  "_s + text + u" "_s);
        QElapsedTimer clock;
        clock.start();
        form.findChild<QPushButton *>(u"Command1"_s)->click();
        checkWithin(clock, queryMs);

        const QByteArray target = service.lastRequestTarget();
        QVERIFY(target.startsWith("/query_list.asp?"));
        const auto sent = queryItems(target);
        QCOMPARE(keys(sent), QStringList{u"name"_s});
        QVERIFY(sent.at(0).second == text);
        QCOMPARE(boxes.shown.size(), 1); // not an outlet: the not-found box, as plain text
        QCOMPARE(boxes.shown[0].text, u"您查询的网点不存在!"_s);
    }

    // The page's values land in plain-text labels, cut when far longer than a label; the parser's
    // rule drops every "</".
    void hostileOutletValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("bold") << u"<b>x</b>"_s << u"<b>xb>"_s;
        QTest::newRow("image") << u"<img src=x>"_s << u"<img src=x>"_s;
        QTest::newRow("link") << u"<a href='http://x'>"_s << u"<a href='http://x'>"_s;
        QTest::newRow("controls") << controls << controls;
        QTest::newRow("above U+FFFF") << u"😀𠀀"_s << u"😀𠀀"_s;
        QTest::newRow("direction marks") << u"\u202E123\u200F"_s << u"\u202E123\u200F"_s;
        QTest::newRow("a megabyte") << megabyteLine() << megabyteLine().left(shownLength - 1) + u'…';
    }
    void hostileOutletValues()
    {
        QFETCH(QString, value);
        QFETCH(QString, shown);
        DemoService service;
        QVERIFY(service.listen() != 0);
        service.setOutletAnswer(u"浦东"_s, QStringList(6, value));
        QtWebFetch fetch(2000, 32 * megabyte);
        FakeMessageBoxes boxes;
        Form5 form(fetch, service.hostAndPort(), boxes);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.findChild<QLineEdit *>(u"Text1"_s)->setText(u"浦东"_s);
        QElapsedTimer clock;
        clock.start();
        form.findChild<QPushButton *>(u"Command1"_s)->click();
        checkWithin(clock, queryMs);
        clock.restart();
        form.repaint();
        QTest::mouseClick(form.findChild<QLabel *>(u"Label10"_s), Qt::LeftButton);
        checkWithin(clock, paintMs);

        for (const char *name : {"Label2", "Label4", "Label6", "Label8", "Label10", "Label12"}) {
            const QLabel *label = form.findChild<QLabel *>(QLatin1String(name));
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QVERIFY2(label->text() == shown, name);
        }
        QCOMPARE(boxes.shown.size(), 1); // the whole delivery area, as given
        QVERIFY(boxes.shown[0].text == shown);
    }

    // A server's version text reaches a box as it is; one holding markup or control characters
    // is no version.
    void hostileVersion_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("box");
        const QString failed = u"检测更新失败!请您稍后再试,暂时使用原版"_s;
        const auto newer = [](const QString &version) {
            return u"发现最新版本!["_s + version + u"]\r\n \r\n确定后自动打开官方论坛!"_s;
        };
        QTest::newRow("bold") << QByteArray("V<b>3.1</b>") << failed;
        QTest::newRow("image") << QByteArray("<img src=x>") << failed;
        QTest::newRow("controls") << controls.toUtf8() << failed;
        QTest::newRow("above U+FFFF") << u"V3.1😀"_s.toUtf8() << newer(u"V3.1😀"_s);
        QTest::newRow("direction marks") << u"V\u202E3.1"_s.toUtf8() << newer(u"V\u202E3.1"_s);
        QTest::newRow("a megabyte") << QByteArray(megabyte, '3') << failed;
    }
    void hostileVersion()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, box);
        WindowHarness h;
        h.service().setUpdateAnswer(answer);
        h.start().timer3Tick();
        QCOMPARE(h.boxes.shown.size(), 1);
        QCOMPARE(h.boxes.shown[0].text, box);
    }

    // The real box shows any text as characters.
    void realBoxIsPlainText()
    {
        QtMessageBoxes boxes;
        Qt::TextFormat format = Qt::RichText;
        QString text;
        QTimer::singleShot(0, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                format = box->textFormat();
                text = box->text();
                box->done(QMessageBox::Ok);
            }
        });
        // Bounded even if the box was not found above.
        QTimer::singleShot(2000, [] {
            if (QWidget *box = QApplication::activeModalWidget())
                box->close();
        });
        boxes.show({u"Orvo系列软件"_s, u"<b>x</b><img src=x>"_s, BoxIcon::Information, BoxButton::Ok,
                    BoxButton::NoButton});
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(text, u"<b>x</b><img src=x>"_s);
    }
};

QTEST_MAIN(TestHostile)
#include "test_hostile.moc"
