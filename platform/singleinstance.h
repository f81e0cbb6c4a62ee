#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

// One Quillon per data folder: each run keeps the history in memory and rewrites the whole
// wlnum.ini, so a second writer would drop the first one's numbers. The first start holds a lock
// file in the folder and listens on a local socket named after it; a later start asks it to show
// itself and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Claim {
        First,      // this run holds the folder
        Unguarded,  // the folder takes no lock file (read-only): nothing can be written anyway
        ShownOther, // the running one was asked to show itself
        Unanswered, // the folder is held, but its holder does not answer
    };

    SingleInstance(const QString &dataFolder, int answerTimeoutMs = 3000);
    Claim claim();
    QString lockFile() const { return m_lock.fileName(); }

signals:
    void showAsked(); // a later start asked this run to show itself

private:
    void answerLaterStart();
    bool askRunningOne();

    QLockFile m_lock;
    QString m_serverName;
    QLocalServer m_server;
    int m_answerTimeoutMs;
};
