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

void DBusNotifier::notify(const QString &summary, const QString &body)
{
    if (!m_bus.isConnected())
        return;
    // The bus may start the service on demand, so it is called whether or not the name is taken.
    const QDBusMessage capabilities =
        QDBusMessage::createMethodCall(service, path, service, QStringLiteral("GetCapabilities"));
    call<QStringList>(m_bus, capabilities, this, [this, summary, body](const QStringList &caps) {
        QString text = body; // plain text, unless the service reads markup
        if (caps.contains(QStringLiteral("body-markup")))
            text.replace(u'&', QStringLiteral("&amp;"))
                .replace(u'<', QStringLiteral("&lt;"))
                .replace(u'>', QStringLiteral("&gt;"));
        const QString entry = QGuiApplication::desktopFileName();
        QDBusMessage message =
            QDBusMessage::createMethodCall(service, path, service, QStringLiteral("Notify"));
        message << QGuiApplication::applicationName() << m_latest << entry << summary << text
                << QStringList{QStringLiteral("default"), QStringLiteral("打开")}
                << QVariantMap{{QStringLiteral("desktop-entry"), entry}} << -1;
        call<uint>(m_bus, message, this, [this](uint id) { m_latest = id; });
    });
}

void DBusNotifier::actionInvoked(uint id, const QString &action)
{
    if (id == m_latest && m_latest != 0 && action == QLatin1String("default"))
        emit activated();
}
