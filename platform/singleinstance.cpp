#include "platform/singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>
#include <unistd.h>

Q_LOGGING_CATEGORY(instanceLog, "quillon.instance", QtInfoMsg)

namespace {
const QByteArray shown = QByteArrayLiteral("shown\n");
// Qt 6 refuses a Unix socket's path longer than 106 bytes.
constexpr qsizetype socketPathLimit = 106;

bool fitsSocketPath(const QString &path)
{
    return QFile::encodeName(path).size() <= socketPathLimit;
}

// Another user who could make the socket first would answer a later start in our place, so only
// a runtime folder that is this user's alone will do.
QString privateRuntimeFolder()
{
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!QDir::isAbsolutePath(folder))
        return {};
    const QFileInfo info(folder);
    const QFileDevice::Permissions owner =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    const bool ownedAlone = info.isDir() && info.ownerId() == ::getuid() &&
                            (info.permissions() & owner) == owner && !(info.permissions() & others);
    return ownedAlone ? folder : QString();
}

// In the runtime folder, the data folder's canonical path, hashed, tells the folders apart; the data
// folder itself needs no such name. Empty when neither path fits.
QString socketPathFor(const QString &dataFolder)
{
    const QString runtime = privateRuntimeFolder();
    if (!runtime.isEmpty()) {
        const QString path = QDir(dataFolder).canonicalPath();
        const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256);
        const QString inRuntime =
            QDir(runtime).filePath(QStringLiteral("quillon-") + QString::fromLatin1(hash.toHex().left(32)));
        if (fitsSocketPath(inRuntime))
            return inRuntime;
    }
    const QString inData = QDir(dataFolder).filePath(QStringLiteral("quillon.socket"));
    if (fitsSocketPath(inData))
        return inData;
    qCWarning(instanceLog).noquote()
        << QStringLiteral(
               "数据文件夹的路径太长，放不下本地套接字（%1）：再次启动时无法唤出已在运行的 Quillon")
               .arg(inData);
    return {};
}
} // namespace

SingleInstance::SingleInstance(const QString &dataFolder, int answerTimeoutMs)
    : m_lock(QDir(dataFolder).filePath(QStringLiteral("quillon.lock"))),
      m_socketPath(socketPathFor(dataFolder)), m_answerTimeoutMs(answerTimeoutMs)
{
    // A run may last weeks: only a lock whose process is gone is stale, never an old one.
    m_lock.setStaleLockTime(0);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::answerLaterStart);
}

SingleInstance::Claim SingleInstance::claim()
{
    // QLockFile takes over the lock of a process that is gone.
    if (m_lock.tryLock(200)) {
        if (m_socketPath.isEmpty())
            return Claim::First;
        // We hold the lock, so a socket left here is a killed run's.
        QLocalServer::removeServer(m_socketPath);
        if (!m_server.listen(m_socketPath))
            qCWarning(instanceLog).noquote()
                << QStringLiteral("无法监听 %1（%2）：再次启动时将无法唤出本窗口")
                       .arg(m_socketPath, m_server.errorString());
        return Claim::First;
    }
    if (m_lock.error() != QLockFile::LockFailedError)
        return Claim::Unguarded;
    return askRunningOne() ? Claim::ShownOther : Claim::Unanswered;
}

SingleInstance::Holder SingleInstance::holder() const
{
    Holder holder;
    QString host;
    if (!m_lock.getLockInfo(&holder.pid, &host, nullptr) || holder.pid <= 0)
        return {};
    // QLockFile names the machine so, and a process id means nothing on another machine.
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        holder.otherHost = host;
    return holder;
}

bool SingleInstance::askRunningOne()
{
    if (m_socketPath.isEmpty())
        return false;
    // The holder may have taken the lock a moment ago and not be listening yet.
    const QDeadlineTimer deadline(m_answerTimeoutMs);
    QLocalSocket socket;
    do {
        socket.connectToServer(m_socketPath);
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
