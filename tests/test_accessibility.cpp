// What a screen reader announces for each control, and the keyboard's path through the window.
#include "app/appfont.h"
#include "windowharness.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>

class TestAccessibility : public QObject {
    Q_OBJECT
private:
    static QString announced(QWidget *widget, QAccessible::Text text)
    {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
        return iface ? iface->text(text) : QString();
    }

private slots:
    void initTestCase() { applyApplicationFont(); }

    // On Linux Qt names a combo box that shows a value by that value (its caption comes through
    // the label relation), so the lists are read with nothing shown.
    void names_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::newRow("number box") << "Text1"
                                    << "快件单号"
                                    << "Label1";
        QTest::newRow("courier list") << "Combo1"
                                      << "物流公司"
                                      << "Label2";
        QTest::newRow("hour") << "Combo2"
                              << "定时查询：时"
                              << "Label4";
        QTest::newRow("minute") << "Combo3"
                                << "定时查询：分"
                                << "Label6";
        QTest::newRow("interval") << "Combo4"
                                  << "循环查询间隔（分钟）"
                                  << "Label10";
        QTest::newRow("result list") << "ListView1"
                                     << "物流跟踪"
                                     << "";
        QTest::newRow("query button") << "Command1"
                                      << "开始查询"
                                      << "";
        QTest::newRow("status hint") << "S1Panel1"
                                     << "查询提示"
                                     << "";
        QTest::newRow("status message") << "S1Panel2"
                                        << "消息"
                                        << "";
        QTest::newRow("status maker") << "S1Panel3"
                                      << "出品"
                                      << "";
        QTest::newRow("status clock") << "S1Panel4"
                                      << "时间"
                                      << "";
    }
    void names()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, label);
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        h.start();
        QWidget *widget = h.find<QWidget>(control.toLatin1().constData());
        auto *combo = qobject_cast<QComboBox *>(widget);
        if (combo)
            combo->setCurrentIndex(-1);
        QCOMPARE(announced(widget, QAccessible::Name), name);
        if (label.isEmpty())
            return;
        QStringList labelledBy;
        for (const auto &[other, relation] :
             QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label))
            labelledBy << other->object()->objectName();
        QVERIFY2(labelledBy.contains(label), qPrintable(labelledBy.join(QLatin1Char(','))));
    }

    // A named panel still tells what it shows, and follows its changes.
    void statusPanelsTellTheirText()
    {
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        Form1 &w = h.start();
        auto *message = h.find<QLabel>("S1Panel2");
        QCOMPARE(announced(message, QAccessible::Description), QStringLiteral("程序检测更新中.."));
        w.setMessageLine(QStringLiteral("当前没有物流信息"));
        QCOMPARE(announced(message, QAccessible::Description), QStringLiteral("当前没有物流信息"));
        QCOMPARE(announced(h.find<QLabel>("S1Panel4"), QAccessible::Description), QStringLiteral("14:05"));
    }

    // Tab walks the shown controls from top left to bottom right and comes back round.
    void tabOrder()
    {
        WindowHarness h(WindowHarness::Options{.scriptedFetch = true});
        Form1 &w = h.startReady();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QApplication::setActiveWindow(&w);
        const QStringList expected{"Text1",     "Command9", "Command7",  "Combo1",    "Command2", "Command1",
                                   "Command3",  "Command6", "Command4",  "Command12", "Combo2",   "Combo3",
                                   "Command10", "Command8", "ListView1", "Text1"};
        QWidget *text1 = h.find<QWidget>("Text1");
        text1->setFocus(Qt::TabFocusReason);
        QStringList seen;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QWidget *focused = QApplication::focusWidget();
            // An editable combo box may report its line edit.
            if (focused && qobject_cast<QComboBox *>(focused->parentWidget()) &&
                focused->objectName().isEmpty())
                focused = focused->parentWidget();
            seen << (focused ? focused->objectName() : QStringLiteral("(none)"));
            QTest::keyClick(focused ? focused : text1, Qt::Key_Tab);
        }
        QCOMPARE(seen, expected);
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
