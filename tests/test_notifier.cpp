// Desktop notifications over D-Bus, against a notification service of the test's own on a private
// session bus that the test starts.
#include "platform/dbusnotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// The desktop's side: records each call, and gives a new notification the next id from 41 on.
class Service : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList capabilities, calls; // "replaced>id" for each notification, "close id"
    QString latest;                  // the latest notification's other arguments
    uint lastId = 40;
public slots:
    QStringList GetCapabilities() { return capabilities; }
    uint Notify(const QString &app, uint replaces, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int timeout)
    {
        const uint id = replaces != 0 ? replaces : ++lastId;
        calls << u"%1>%2"_s.arg(replaces).arg(id);
        latest = u"%1 %2 %3 %4 %5 %6 %7"_s.arg(app, icon, summary, body, actions.join(u','),
                                               hints.value(u"desktop-entry"_s).toString(),
                                               QString::number(timeout));
        return id;
    }
    void CloseNotification(uint id) { calls << u"close %1"_s.arg(id); }
};

class TestNotifier : public QObject {
    Q_OBJECT
    QProcess m_daemon;
    QString m_address;

private slots:
    void initTestCase()
    {
        QGuiApplication::setDesktopFileName(u"org.example.Quillon"_s);
        QCoreApplication::setApplicationName(u"Quillon"_s);
        m_daemon.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address"_s});
        QVERIFY(m_daemon.waitForReadyRead(10000));
        m_address = QString::fromLatin1(m_daemon.readLine().trimmed());
    }
    void cleanupTestCase() { m_daemon.kill(), m_daemon.waitForFinished(); }

    // A notification replaces its key's one before, even one not yet answered, and never another
    // key's; a summary closes those it stands for; the body is plain text unless the service reads
    // markup; the default action of a notification on the desktop names its key and its poster.
    void notify_data()
    {
        QTest::addColumn<QString>("capabilities");
        QTest::addColumn<QString>("body");
        QTest::newRow("plain text") << u"body,actions"_s << u"顺丰快递 1\nT <b>&"_s;
        QTest::newRow("markup") << u"body,body-markup"_s << u"顺丰快递 1\nT &lt;b&gt;&amp;"_s;
    }
    void notify()
    {
        QFETCH(QString, capabilities);
        QFETCH(QString, body);
        const QString tag = QString::fromLatin1(QTest::currentDataTag()),
                      path = u"/org/freedesktop/Notifications"_s;
        QDBusConnection desktop = QDBusConnection::connectToBus(m_address, u"desktop "_s + tag);
        Service service;
        service.capabilities = capabilities.split(u',');
        QVERIFY(desktop.registerService(u"org.freedesktop.Notifications"_s) &&
                desktop.registerObject(path, &service, QDBusConnection::ExportAllSlots));
        DBusNotifier notifier(QDBusConnection::connectToBus(m_address, tag));
        QStringList activated;
        connect(&notifier, &Notifier::activated, this, [&](const QString &key, QObject *poster) {
            activated << key + (poster == this ? u""_s : u" from another"_s);
        });
        const auto post = [&](const QString &key, qsizetype callsAfter, const QStringList &supersedes = {}) {
            notifier.notify({key, u"快件有更新"_s, u"顺丰快递 1\nT <b>&"_s, supersedes}, this);
            QTRY_COMPARE(service.calls.size(), callsAfter);
        };
        post(u"a"_s, 0); // the next goes out before this one is answered
        post(u"a"_s, 3);
        post(u"b"_s, 4);
        post(u"a"_s, 5);
        post(u"all"_s, 8, {u"a"_s, u"b"_s});
        post(u"c"_s, 9);
        for (const auto &[id, action] :
             {std::pair{45u, u"default"_s}, {42u, u"default"_s}, {44u, u"other"_s}, {44u, u"default"_s}})
            desktop.send(
                QDBusMessage::createSignal(path, u"org.freedesktop.Notifications"_s, u"ActionInvoked"_s)
                << id << action);
        QCOMPARE(service.calls, (QStringList{u"0>41"_s, u"0>42"_s, u"close 41"_s, u"0>43"_s, u"42>42"_s,
                                             u"close 42"_s, u"close 43"_s, u"0>44"_s, u"0>45"_s}));
        QCOMPARE(service.latest, u"Quillon org.example.Quillon 快件有更新 "_s + body +
                                     u" default,打开 org.example.Quillon -1"_s);
        QTRY_COMPARE(activated, (QStringList{u"c"_s, u"all"_s})); // signals come in order
        desktop.unregisterService(u"org.freedesktop.Notifications"_s);
    }

    // Without a service on the bus, or without a bus, nothing is shown, nothing fails, nothing is logged.
    void nobodyAnswers()
    {
        QTest::failOnWarning(QRegularExpression(u".*"_s));
        QDBusConnection bus = QDBusConnection::connectToBus(m_address, u"alone"_s);
        DBusNotifier alone(bus),
            withoutBus(QDBusConnection::connectToBus(u"unix:path=/nonexistent"_s, u"none"_s));
        alone.notify({u"a"_s, u"快件有更新"_s, u"1"_s, {}}, this);
        withoutBus.notify({u"a"_s, u"快件有更新"_s, u"1"_s, {}}, this);
        // The bus answers in order: the error for the notifier's call has come back before this answer.
        bus.call(QDBusMessage::createMethodCall(u"org.freedesktop.DBus"_s, u"/"_s, u"org.freedesktop.DBus"_s,
                                                u"GetId"_s));
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(TestNotifier)
#include "test_notifier.moc"
