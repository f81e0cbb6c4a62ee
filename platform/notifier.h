#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// One desktop notification. A later one with the same key replaces it, whoever posted it; it never
// replaces another key's.
struct Notification {
    QString key;
    QString summary;
    QString body;
    QStringList supersedes; // keys of notifications this one stands for: they are closed
};

// Desktop notifications, one per key on the desktop.
class Notifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // `poster` is told apart in `activated`, so that an activation goes back to whoever posted last.
    virtual void notify(const Notification &notification, QObject *poster) = 0;

signals:
    // The user activated the notification under `key`; `poster` posted it, null when it is gone.
    void activated(const QString &key, QObject *poster);
};
