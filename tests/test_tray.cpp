// The tray as a desktop finds it: Quillon's item and menu on the session bus, through a
// StatusNotifierWatcher of the tests' own (quillon-tray-host), on a private bus and an X server of
// their own (tray_test.sh). What a desktop reads and does there: the tooltip, the icon and its
// mark, the menu's items and checks, a click on the icon and the choice of an item.
#include "app/traylink.h"
#include "platform/qttray.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QDBusMessage call(const QString &item, const QString &interface, const QString &method,
                  const QVariantList &args)
{
    QDBusMessage message = QDBusMessage::createMethodCall(item.section(u'/', 0, 0),
                                                          u'/' + item.section(u'/', 1), interface, method);
    message.setArguments(args);
    return QDBusConnection::sessionBus().call(message,
                                              QDBus::BlockWithGui); // the item answers from this thread
}

QVariant dbusProperty(const QString &item, const QString &interface, const QString &name)
{
    const QDBusMessage reply = call(item, u"org.freedesktop.DBus.Properties"_s, u"Get"_s, {interface, name});
    return reply.arguments().value(0).value<QDBusVariant>().variant();
}

// A dbusmenu layout (ia{sv}av) as "label" items, "-" for a separator, "[x]"/"[ ]" before a check.
QStringList labels(const QDBusArgument &node, QHash<QString, int> *ids)
{
    int id = 0;
    QVariantMap props;
    QStringList shown;
    node.beginStructure();
    node >> id >> props;
    node.beginArray();
    while (!node.atEnd()) {
        QDBusVariant child;
        node >> child;
        shown << labels(child.variant().value<QDBusArgument>(), ids);
    }
    node.endArray();
    node.endStructure();
    if (id == 0) // the root
        return shown;
    const QString label = props.value(u"label"_s).toString();
    ids->insert(label, id);
    if (props.value(u"type"_s).toString() == u"separator")
        return {u"-"_s};
    const QString check = props.value(u"toggle-type"_s).toString() == u"checkmark"
                              ? (props.value(u"toggle-state"_s).toInt() == 1 ? u"[x]"_s : u"[ ]"_s)
                              : QString();
    return {check + label};
}
} // namespace

class TestTray : public QObject {
    Q_OBJECT
    QProcess m_host;
    std::unique_ptr<QtTray> m_tray;
    QString m_item; // its service and path

    QString menuPath() const { return dbusProperty(m_item, sni, u"Menu"_s).value<QDBusObjectPath>().path(); }
    QStringList menu(QHash<QString, int> *ids)
    {
        const QString menuItem = m_item.section(u'/', 0, 0) + menuPath();
        const QDBusMessage reply =
            call(menuItem, u"com.canonical.dbusmenu"_s, u"GetLayout"_s, {0, -1, QStringList()});
        return labels(reply.arguments().value(1).value<QDBusArgument>(), ids);
    }
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

    void toolTipAndMark()
    {
        m_tray->setToolTip(TrayLink::toolTip(3));
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
            return all;
        };
        const QByteArray before = bytes(plain), during = bytes(marked), after = bytes(again);
        QVERIFY(!before.isEmpty());
        QVERIFY(during != before);
        QCOMPARE(after, before);
        const QDBusArgument tip = dbusProperty(m_item, sni, u"ToolTip"_s).value<QDBusArgument>();
        QString icon, title, text;
        tip.beginStructure();
        tip >> icon;
        tip.beginArray();
        while (!tip.atEnd()) {
            int width = 0, height = 0;
            QByteArray data;
            tip.beginStructure();
            tip >> width >> height >> data;
            tip.endStructure();
        }
        tip.endArray();
        tip >> title >> text;
        QCOMPARE(title + u'|' + text, u"Quillon\n3件快件有更新|"_s);
    }

    void menuAndChecks()
    {
        QHash<QString, int> ids;
        m_tray->setChecked(u"trayStartAtLogin"_s, true);
        QTRY_COMPARE(menu(&ids).join(u','),
                     u"显示主窗口,全部快件,全部查询,-,[ ]关闭窗口时留在托盘,[x]登录时启动,-,退出"_s);
        QSignalSpy chosen(m_tray.get(), &Tray::chosen);
        call(m_item.section(u'/', 0, 0) + menuPath(), u"com.canonical.dbusmenu"_s, u"Event"_s,
             {ids.value(u"关闭窗口时留在托盘"_s), u"clicked"_s, QVariant::fromValue(QDBusVariant(0)), 0u});
        QTRY_COMPARE(chosen.size(), 1);
        QCOMPARE(chosen.first(), (QVariantList{u"trayStayInTray"_s, true}));
        call(m_item.section(u'/', 0, 0) + menuPath(), u"com.canonical.dbusmenu"_s, u"Event"_s,
             {ids.value(u"退出"_s), u"clicked"_s, QVariant::fromValue(QDBusVariant(0)), 0u});
        QTRY_COMPARE(chosen.size(), 2);
        QCOMPARE(chosen.last().first(), u"trayQuit"_s);
    }

    void click()
    {
        QSignalSpy clicked(m_tray.get(), &Tray::clicked);
        call(m_item, sni, u"Activate"_s, {0, 0});
        QTRY_COMPARE(clicked.size(), 1);
    }
};

QTEST_MAIN(TestTray)
#include "test_tray.moc"
