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

// The desktop's side: records each notification and gives it an id.
class Service : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList capabilities, calls;
public slots:
    QStringList GetCapabilities() { return capabilities; }
    uint Notify(const QString &app, uint replaces, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int timeout)
    {
        calls << u"%1 %2 %3 %4 %5 %6 %7 %8"_s.arg(
            app, QString::number(replaces), icon, summary, body, actions.join(u','),
            hints.value(u"desktop-entry"_s).toString(), QString::number(timeout));
        return 40 + calls.size();
    }
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

    // Each replaces the one before; the body is plain text unless the service reads markup; only
    // the default action of the latest one brings the window back.
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
        QSignalSpy activated(&notifier, &Notifier::activated);
        for (qsizetype n = 1; n <= 2; ++n) {
            notifier.notify(u"快件有更新"_s, u"顺丰快递 1\nT <b>&"_s);
            QTRY_COMPARE(service.calls.size(), n);
        }
        const QString call = u"Quillon %1 org.example.Quillon 快件有更新 "_s + body +
                             u" default,打开 org.example.Quillon -1"_s;
        QCOMPARE(service.calls, (QStringList{call.arg(0), call.arg(41)}));
        for (const auto &[id, action] :
             {std::pair{41u, u"default"_s}, {42u, u"other"_s}, {42u, u"default"_s}})
            desktop.send(
                QDBusMessage::createSignal(path, u"org.freedesktop.Notifications"_s, u"ActionInvoked"_s)
                << id << action);
        QTRY_COMPARE(activated.size(), 1); // signals come in order: the third one did it
        desktop.unregisterService(u"org.freedesktop.Notifications"_s);
    }

    // Without a service on the bus, or without a bus, nothing is shown, nothing fails, nothing is logged.
    void nobodyAnswers()
    {
        QTest::failOnWarning(QRegularExpression(u".*"_s));
        QDBusConnection bus = QDBusConnection::connectToBus(m_address, u"alone"_s);
        DBusNotifier alone(bus),
            withoutBus(QDBusConnection::connectToBus(u"unix:path=/nonexistent"_s, u"none"_s));
        alone.notify(u"快件有更新"_s, u"1"_s);
        withoutBus.notify(u"快件有更新"_s, u"1"_s);
        // The bus answers in order: the error for the notifier's call has come back before this answer.
        bus.call(QDBusMessage::createMethodCall(u"org.freedesktop.DBus"_s, u"/"_s, u"org.freedesktop.DBus"_s,
                                                u"GetId"_s));
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(TestNotifier)
#include "test_notifier.moc"
