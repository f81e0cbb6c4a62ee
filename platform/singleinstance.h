#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QLoggingCategory>
#include <QObject>
#include <optional>

Q_DECLARE_LOGGING_CATEGORY(instanceLog)

// One Quillon per data folder: each run keeps the history in memory and rewrites the whole
// wlnum.ini, so a second writer would drop the first one's numbers. The first start holds a lock
// file in the folder and listens on a local socket in a folder only this user can write to; a later
// start asks it to show itself and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Claim {
        First,      // this run holds the folder
        Unguarded,  // the folder takes no lock file (read-only): nothing can be written anyway
        ShownOther, // the running one was asked to show itself
        Unanswered, // the folder is held, but its holder does not answer
    };

    struct Holder {
        qint64 pid = 0;    // 0 when the lock file does not tell
        QString otherHost; // the machine it runs on, when another shares the folder
    };

    SingleInstance(const QString &dataFolder, int answerTimeoutMs = 3000);
    Claim claim();
    Holder holder() const;

signals:
    void showAsked(); // a later start asked this run to show itself

private:
    void answerLaterStart();
    bool askRunningOne();

    QLockFile m_lock;
    QString m_socketPath; // empty when no folder of this user can hold it
    QLocalServer m_server;
    int m_answerTimeoutMs;
};
