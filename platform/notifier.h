#pragma once

#include <QObject>
#include <QString>

// Desktop notifications: each one replaces the program's previous one. `activated` when the user
// activates it.
class Notifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void notify(const QString &summary, const QString &body) = 0;

signals:
    void activated();
};
