#pragma once

#include "platform/autostart.h"
#include "platform/platform.h"

#include <QObject>

class ParcelBook;
class QWidget;
struct ParcelChange;

// The tray's icon and menu, where the desktop has a tray: 显示主窗口, 全部快件, 全部查询,
// 关闭窗口时留在托盘, 登录时启动 and 退出. Its tooltip counts the parcels marked 有更新, and its icon
// carries a mark while there is one. Where there is no tray, none of it exists, and a close of
// the main window ends the program as ever.
class TrayLink : public QObject {
    Q_OBJECT
public:
    // `window`: the main window, which a click on the icon shows.
    TrayLink(ParcelBook &book, const Autostart &autostart, const Platform &platform, QWidget *window);

    bool isShown() const { return m_shown; }
    // 关闭窗口时留在托盘 is checked: closing the main window hides it instead.
    bool keepsRunning() const;
    // The main window hidden in the tray; the first time a run, a notification says so.
    void hideWindow();

    static QList<Tray::Item> menu(); // the tray's menu: its items by name and text
    static QString toolTip(int marked);

signals:
    void listAsked();    // 全部快件
    void refreshAsked(); // 全部查询
    void quitAsked();    // 退出

private:
    void chosen(const QString &name, bool checked);
    void boardChanged(const ParcelChange &change);
    void setStartAtLogin(bool on);

    ParcelBook &m_book;
    Autostart m_autostart;
    Platform m_platform;
    QWidget *m_window;
    bool m_shown = false;
    bool m_toldOnce = false; // the notification that the program runs on in the tray
};
