// A desktop's tray as Qt looks for one: a StatusNotifierWatcher with a host, on the session bus.
// The tests and the measurements run Quillon on a display of their own, which has no tray; this
// gives it one. The items that register are listed in RegisteredStatusNotifierItems, as
// "service/path", until their service leaves the bus. Prints "ready" once the name is taken;
// ends with status 1 when another watcher holds it.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QStringList>
#include <cstdio>

class Watcher : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
public:
    explicit Watcher(const QDBusConnection &bus)
        : m_leaving(QString(), bus, QDBusServiceWatcher::WatchForUnregistration)
    {
        connect(&m_leaving, &QDBusServiceWatcher::serviceUnregistered, this, [this](const QString &service) {
            for (const QString &item : std::as_const(m_items)) {
                if (item.section(u'/', 0, 0) == service) {
                    m_items.removeAll(item);
                    emit StatusNotifierItemUnregistered(item);
                }
            }
            m_leaving.removeWatchedService(service);
        });
    }
    QStringList items() const { return m_items; }
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

public slots:
    // An item names its service, or its object path on the caller's connection.
    void RegisterStatusNotifierItem(const QString &serviceOrPath)
    {
        const bool path = serviceOrPath.startsWith(u'/');
        const QString service = path ? message().service() : serviceOrPath;
        const QString item = service + (path ? serviceOrPath : QStringLiteral("/StatusNotifierItem"));
        if (m_items.contains(item))
            return;
        m_items.append(item);
        m_leaving.addWatchedService(service);
        emit StatusNotifierItemRegistered(item);
    }
    void RegisterStatusNotifierHost(const QString &) {}

signals:
    void StatusNotifierItemRegistered(const QString &item);
    void StatusNotifierItemUnregistered(const QString &item);
    void StatusNotifierHostRegistered();

private:
    QStringList m_items;
    QDBusServiceWatcher m_leaving;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    Watcher watcher(bus);
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                QDBusConnection::ExportAllProperties) ||
        !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"))) {
        std::fprintf(stderr, "tray-host: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "main.moc"
