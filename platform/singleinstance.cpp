#include "platform/singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QLocalSocket>
#include <QThread>

namespace {
const QByteArray shown = QByteArrayLiteral("shown\n");

// Socket names are short on Unix; the folder's canonical path, hashed, tells the folders apart.
QString serverNameFor(const QString &dataFolder)
{
    const QString path = QDir(dataFolder).canonicalPath();
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("quillon-") + QString::fromLatin1(hash.toHex().left(32));
}
} // namespace

SingleInstance::SingleInstance(const QString &dataFolder, int answerTimeoutMs)
    : m_lock(QDir(dataFolder).filePath(QStringLiteral("quillon.lock"))),
      m_serverName(serverNameFor(dataFolder)), m_answerTimeoutMs(answerTimeoutMs)
{
    // A run may last weeks: only a lock whose process is gone is stale, never an old one.
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::answerLaterStart);
}

SingleInstance::Claim SingleInstance::claim()
{
    // QLockFile takes over the lock of a process that is gone.
    if (m_lock.tryLock(200)) {
        // We hold the lock, so a socket left here is a killed run's.
        QLocalServer::removeServer(m_serverName);
        if (!m_server.listen(m_serverName))
            qWarning().noquote() << QStringLiteral("无法监听 %1（%2）：再次启动时将无法唤出本窗口")
                                        .arg(m_serverName, m_server.errorString());
        return Claim::First;
    }
    if (m_lock.error() != QLockFile::LockFailedError)
        return Claim::Unguarded;
    return askRunningOne() ? Claim::ShownOther : Claim::Unanswered;
}

bool SingleInstance::askRunningOne()
{
    // The holder may have taken the lock a moment ago and not be listening yet.
    const QDeadlineTimer deadline(m_answerTimeoutMs);
    QLocalSocket socket;
    do {
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    if (socket.state() != QLocalSocket::ConnectedState)
        return false;
    while (socket.bytesAvailable() < shown.size() && socket.waitForReadyRead(int(deadline.remainingTime()))) {
    }
    return socket.readAll() == shown;
}

void SingleInstance::answerLaterStart()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        socket->write(shown);
        socket->disconnectFromServer();
        emit showAsked();
    }
}
