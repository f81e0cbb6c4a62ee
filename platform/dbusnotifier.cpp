#include "platform/dbusnotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <functional>

namespace {
const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
constexpr int answerWithinMs = 5000;

// Sends `message` without waiting; `done` runs with the reply, unless an error or nothing came.
template <typename Reply>
void call(const QDBusConnection &bus, QDBusMessage message, QObject *context, std::function<void(Reply)> done)
{
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, answerWithinMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [done](QDBusPendingCallWatcher *finished) {
                         finished->deleteLater();
                         const QDBusPendingReply<Reply> reply = *finished;
                         if (!reply.isError())
                             done(reply.value());
                     });
}
} // namespace

DBusNotifier::DBusNotifier(const QDBusConnection &bus, QObject *parent) : Notifier(parent), m_bus(bus)
{
    // From any sender: naming the service here would make Qt ask the bus for its owner, and wait.
    m_bus.connect(QString(), path, service, QStringLiteral("ActionInvoked"), this,
                  SLOT(actionInvoked(uint, QString)));
}

void DBusNotifier::notify(const Notification &notification, QObject *poster)
{
    if (!m_bus.isConnected())
        return;
    // The bus may start the service on demand, so it is called whether or not the name is taken.
    const QDBusMessage capabilities =
        QDBusMessage::createMethodCall(service, path, service, QStringLiteral("GetCapabilities"));
    call<QStringList>(
        m_bus, capabilities, this,
        [this, notification, poster = QPointer<QObject>(poster)](const QStringList &caps) {
            for (const QString &key : notification.supersedes)
                close(m_shown.take(key).id);
            QString text = notification.body; // plain text, unless the service reads markup
            if (caps.contains(QStringLiteral("body-markup")))
                text.replace(u'&', QStringLiteral("&amp;"))
                    .replace(u'<', QStringLiteral("&lt;"))
                    .replace(u'>', QStringLiteral("&gt;"));
            const QString entry = QGuiApplication::desktopFileName();
            const uint replaced = m_shown.value(notification.key).id;
            QDBusMessage message =
                QDBusMessage::createMethodCall(service, path, service, QStringLiteral("Notify"));
            message << QGuiApplication::applicationName() << replaced << entry << notification.summary << text
                    << QStringList{QStringLiteral("default"), tr("打开")}
                    << QVariantMap{{QStringLiteral("desktop-entry"), entry}} << -1;
            call<uint>(m_bus, message, this, [this, key = notification.key, replaced, poster](uint id) {
                Shown &shown = m_shown[key];
                // A second post for the key went out before the first was answered, so both replaced
                // the same one: the first answer's notification is an extra.
                if (shown.id != 0 && shown.id != id && shown.id != replaced)
                    close(shown.id);
                shown = {id, poster};
            });
        });
}

void DBusNotifier::close(uint id)
{
    if (id != 0)
        m_bus.send(QDBusMessage::createMethodCall(service, path, service, QStringLiteral("CloseNotification"))
                   << id);
}

void DBusNotifier::actionInvoked(uint id, const QString &action)
{
    if (id == 0 || action != QLatin1String("default"))
        return;
    for (auto shown = m_shown.cbegin(); shown != m_shown.cend(); ++shown) {
        if (shown->id == id) {
            emit activated(shown.key(), shown->poster.data());
            return;
        }
    }
}
