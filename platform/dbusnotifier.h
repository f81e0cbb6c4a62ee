#pragma once

#include "platform/notifier.h"

#include <QDBusConnection>

// Notifications through the desktop's notification service (org.freedesktop.Notifications) on the
// session bus. Every call is asynchronous, so the window never waits on the bus; where no service
// answers within five seconds, or there is no bus, nothing is shown and nothing is said.
class DBusNotifier : public Notifier {
    Q_OBJECT
public:
    explicit DBusNotifier(const QDBusConnection &bus = QDBusConnection::sessionBus(),
                          QObject *parent = nullptr);
    void notify(const QString &summary, const QString &body) override;

private slots:
    void actionInvoked(uint id, const QString &action);

private:
    QDBusConnection m_bus;
    uint m_latest = 0; // the id of the program's latest notification, which the next replaces
};
