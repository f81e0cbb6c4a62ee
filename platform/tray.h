#pragma once

#include <QList>
#include <QObject>
#include <QString>

// The desktop's tray, where it has one: an icon with a tooltip, a mark and a menu. Where the
// desktop has none, isAvailable() says so and the rest does nothing.
class Tray : public QObject {
    Q_OBJECT
public:
    struct Item {
        QString name;           // the item's object name, which chosen() gives
        QString text;           // also what a screen reader says; empty for a separator
        bool checkable = false; // a check item, unchecked until setChecked()
    };

    using QObject::QObject;
    virtual bool isAvailable() const = 0;
    // The icon shows in the tray with `menu` as its menu.
    virtual void show(const QList<Item> &menu) = 0;
    virtual void setToolTip(const QString &text) = 0;
    virtual void setMarked(bool marked) = 0; // the icon with its mark
    virtual void setChecked(const QString &name, bool checked) = 0;

signals:
    void clicked(); // the icon, with the main button
    void chosen(const QString &name, bool checked);
};
