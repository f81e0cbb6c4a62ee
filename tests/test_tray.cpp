// The tray's icon as a desktop finds it: Quillon's item on the session bus, through a
// StatusNotifierWatcher of the tests' own (quillon-tray-host), on a private bus and an X server of
// their own (tray_test.sh), and the mark its pixels carry. The item's tooltip, menu, checks and
// click are the real program's, in realwindow_test.sh.
#include "platform/qttray.h"
#include "tray/traylink.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QVariant dbusProperty(const QString &item, const QString &interface, const QString &name)
{
    QDBusMessage get = QDBusMessage::createMethodCall(item.section(u'/', 0, 0), u'/' + item.section(u'/', 1),
                                                      u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
    get.setArguments({interface, name});
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(get, QDBus::BlockWithGui); // the item is ours
    return reply.arguments().value(0).value<QDBusVariant>().variant();
}
} // namespace

class TestTray : public QObject {
    Q_OBJECT
    QProcess m_host;
    std::unique_ptr<QtTray> m_tray;
    QString m_item; // its service and path

    static inline const QString sni = u"org.kde.StatusNotifierItem"_s;

private slots:
    void initTestCase()
    {
        m_host.start(QStringLiteral(QUILLON_TRAY_HOST), {});
        QVERIFY2(m_host.waitForReadyRead(5000) && m_host.readLine().trimmed() == "ready",
                 qPrintable(QString::fromLocal8Bit(m_host.readAllStandardError())));
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::darkCyan);
        m_tray = std::make_unique<QtTray>(QIcon(pixmap));
        QVERIFY(m_tray->isAvailable());
        m_tray->show(TrayLink::menu());
        QStringList items;
        QTRY_VERIFY(
            (items = dbusProperty(u"org.kde.StatusNotifierWatcher/StatusNotifierWatcher"_s,
                                  u"org.kde.StatusNotifierWatcher"_s, u"RegisteredStatusNotifierItems"_s)
                         .toStringList())
                .size() == 1);
        m_item = items.first();
    }
    void cleanupTestCase()
    {
        m_tray.reset();
        m_host.kill();
        m_host.waitForFinished();
    }

    void mark()
    {
        const auto pixels = [this] {
            return dbusProperty(m_item, sni, u"IconPixmap"_s).value<QDBusArgument>();
        };
        const QDBusArgument plain = pixels();
        m_tray->setMarked(true);
        const QDBusArgument marked = pixels();
        m_tray->setMarked(false);
        const QDBusArgument again = pixels();
        const auto bytes = [](const QDBusArgument &icons) { // every image's pixels
            QByteArray all;
            icons.beginArray();
            while (!icons.atEnd()) {
                int width = 0, height = 0;
                QByteArray data;
                icons.beginStructure();
                icons >> width >> height >> data;
                icons.endStructure();
                all += data;
            }
            icons.endArray(); // else the array's reader keeps the message to the end
            return all;
        };
        const QByteArray before = bytes(plain), during = bytes(marked), after = bytes(again);
        QVERIFY(!before.isEmpty());
        QVERIFY(during != before);
        QCOMPARE(after, before);
    }
};

QTEST_MAIN(TestTray)
#include "test_tray.moc"
