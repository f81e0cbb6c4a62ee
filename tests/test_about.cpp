// The about dialog: version, links, logo, colours, the fit of its captions and its modal run.
#include "app/appfont.h"
#include "app/appinfo.h"
#include "app/form4.h"
#include "fakeplatform.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
const QUrl forumUrl(QStringLiteral("http://forum.invalid/bbs/"));

QLabel *label(QWidget &dialog, const QString &name)
{
    auto *found = dialog.findChild<QLabel *>(name);
    if (!found)
        qFatal("no label named %s", qPrintable(name));
    return found;
}
} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyApplicationFont(); }

    void windowAndVersion()
    {
        FakeShell shell;
        Form4 dialog(shell, forumUrl);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("关于程序"));
        QCOMPARE(dialog.size(), QSize(401, 477));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QVERIFY(dialog.isModal());
        // Plain decimal numbers, not the zero-padded 3.00.0083 of the version resource.
        QCOMPARE(label(dialog, "Label10")->text(), QStringLiteral("版本号：3.0.83"));
        QCOMPARE(label(dialog, "Label9")->text(), QStringLiteral("Quillon\n\n") + AppInfo::rightsLine());
        const QStringList credits = label(dialog, "Label1")->text().split(QLatin1Char('\n'));
        QCOMPARE(credits.size(), 10);
        QCOMPARE(credits[0], QStringLiteral("Banner设计："));
        QCOMPARE(credits[3], QStringLiteral("程序设计:"));
        QCOMPARE(credits[4], AppInfo::rightsLine());
        QCOMPARE(credits[6], QStringLiteral("音频提供:"));
        QCOMPARE(credits[9], QStringLiteral("相关问题："));
        QVERIFY(credits[2].isEmpty() && credits[5].isEmpty() && credits[8].isEmpty());
    }

    void links_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("url");
        QTest::newRow("chat") << "Label5" << QStringLiteral("QQ：") + AppInfo::qqAccount()
                              << QStringLiteral("QQ交谈")
                              << QStringLiteral("tencent://message/?uin=") + AppInfo::qqAccount();
        QTest::newRow("e-mail") << "Label6" << QStringLiteral("E-mail：") + AppInfo::emailAddress()
                                << QStringLiteral("发送E-mail")
                                << QStringLiteral("mailto:") + AppInfo::emailAddress();
        QTest::newRow("forum") << "Label8" << forumUrl.toString()
                               << QStringLiteral("访问ORVO系列软件官方论坛") << forumUrl.toString();
    }

    void links()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        QFETCH(QString, url);
        FakeShell shell;
        Form4 dialog(shell, forumUrl);
        QLabel *link = label(dialog, name);
        QCOMPARE(link->text(), caption);
        QCOMPARE(link->toolTip(), tip);
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(link, Qt::LeftButton);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(shell.opened.size(), 2);
        QCOMPARE(shell.opened[0].toString(), url);
        QCOMPARE(shell.opened[1].toString(), url);
    }

    void onlyLeftReleaseOverALinkOpens()
    {
        FakeShell shell;
        Form4 dialog(shell, forumUrl);
        QLabel *voice = label(dialog, "Label4");
        QCOMPARE(voice->text(), AppInfo::voiceService() + QStringLiteral("：") + AppInfo::voiceAccount());
        for (const char *name : {"Label4", "Label3", "Label7", "Label9"})
            QTest::mouseClick(label(dialog, QString::fromLatin1(name)), Qt::LeftButton);
        QLabel *chat = label(dialog, "Label5");
        QTest::mouseClick(chat, Qt::RightButton);
        QTest::mousePress(chat, Qt::LeftButton);
        QTest::mouseRelease(chat, Qt::LeftButton, {}, QPoint(chat->width() + 5, chat->height() / 2));
        QVERIFY(shell.opened.isEmpty());
    }

    void logo()
    {
        FakeShell shell;
        Form4 dialog(shell, forumUrl);
        const QPixmap pixmap = label(dialog, "aicAlphaImage1")->pixmap();
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(102, 127));
        QVERIFY(pixmap.hasAlphaChannel());
        const QImage image = pixmap.toImage();
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(image.pixelColor(51, 70).alpha(), 255); // the parcel itself is opaque
        QCOMPARE(QImage(QStringLiteral(":/logo@2x.png")).size(), QSize(204, 254));
    }

    void colours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("first situation") << "Label2" << QColor(255, 0, 0);
        QTest::newRow("first explanation") << "Label11" << QColor(0, 0, 255);
        QTest::newRow("second situation") << "Label12" << QColor(255, 0, 0);
        QTest::newRow("second explanation") << "Label13" << QColor(0, 0, 255);
    }

    void colours()
    {
        QFETCH(QString, name);
        QFETCH(QColor, colour);
        FakeShell shell;
        Form4 dialog(shell, forumUrl);
        QCOMPARE(label(dialog, name)->palette().color(QPalette::WindowText), colour);
    }

    void captionsFitTheirLabels()
    {
        FakeShell shell;
        Form4 dialog(shell, QUrl(QStringLiteral("http://127.0.0.1:18765/forum/")));
        const auto labels = dialog.findChildren<QLabel *>();
        for (QLabel *each : labels) {
            if (each->objectName() == QLatin1String("aicAlphaImage1"))
                continue;
            const QRect text = each->fontMetrics().boundingRect(QRect(0, 0, 4000, 4000),
                                                                Qt::AlignLeft | Qt::AlignTop, each->text());
            QVERIFY2(text.width() <= each->width() && text.height() <= each->height(),
                     qPrintable(each->objectName() + QLatin1Char(' ') + each->text()));
            QVERIFY2(dialog.rect().contains(each->geometry()), qPrintable(each->objectName()));
        }
        // The heading of the notes stays above them; the notes stay above the contact row.
        QVERIFY(label(dialog, "Label1")->geometry().bottom() < label(dialog, "Label2")->geometry().top());
        QVERIFY(label(dialog, "Label13")->geometry().bottom() < label(dialog, "Label3")->geometry().top());
    }

    void modalRunEnds_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::addColumn<int>("result");
        QTest::newRow("确定") << true << int(QDialog::Accepted);
        QTest::newRow("title bar") << false << int(QDialog::Rejected);
    }

    void modalRunEnds()
    {
        QFETCH(bool, byButton);
        QFETCH(int, result);
        FakeShell shell;
        Form4 dialog(shell, forumUrl);
        auto *command1 = dialog.findChild<QPushButton *>(QStringLiteral("Command1"));
        bool command1HadFocus = false;
        QTimer::singleShot(0, &dialog, [&] {
            command1HadFocus =
                QTest::qWaitForWindowActive(&dialog) && QApplication::focusWidget() == command1;
            if (byButton)
                QTest::mouseClick(command1, Qt::LeftButton);
            else
                dialog.close();
            if (dialog.isVisible()) // never leave the test hanging in exec()
                dialog.done(-1);
        });
        QCOMPARE(dialog.exec(), result);
        QVERIFY(command1HadFocus);
        QVERIFY(shell.opened.isEmpty());
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
