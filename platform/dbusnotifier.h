#pragma once

#include "platform/notifier.h"

#include <QDBusConnection>
#include <QHash>
#include <QPointer>

// Notifications through the desktop's notification service (org.freedesktop.Notifications) on the
// session bus. Every call is asynchronous, so the window never waits on the bus; where no service
// answers within five seconds, or there is no bus, nothing is shown and nothing is said.
class DBusNotifier : public Notifier {
    Q_OBJECT
public:
    explicit DBusNotifier(const QDBusConnection &bus = QDBusConnection::sessionBus(),
                          QObject *parent = nullptr);
    void notify(const Notification &notification, QObject *poster) override;

private slots:
    void actionInvoked(uint id, const QString &action);

private:
    struct Shown {
        uint id = 0; // the service's, which the key's next notification replaces
        QPointer<QObject> poster;
    };
    void close(uint id);

    QDBusConnection m_bus;
    QHash<QString, Shown> m_shown; // by key
};
