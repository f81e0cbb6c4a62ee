#pragma once

#include "platform/tray.h"

#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

// The tray through QSystemTrayIcon: a StatusNotifierItem where the session bus has a watcher with
// a host, else an XEmbed tray of the X server.
class QtTray : public Tray {
    Q_OBJECT
public:
    explicit QtTray(const QIcon &icon, QObject *parent = nullptr);
    bool isAvailable() const override;
    void show(const QList<Item> &menu) override;
    void setToolTip(const QString &text) override;
    void setMarked(bool marked) override;
    void setChecked(const QString &name, bool checked) override;

    static QIcon markedIcon(const QIcon &icon); // a red dot at its upper right

private:
    QIcon m_icon;
    QIcon m_marked;
    QMenu m_menu;
    QSystemTrayIcon m_trayIcon;
};
