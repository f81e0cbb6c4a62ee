#pragma once

#include "history/parcelkey.h"
#include "platform/platform.h"

#include <QObject>
#include <memory>

class HistoryController;
class OverviewWindow;
class ParcelBook;
class RefreshEngine;
class QWidget;

// Opens the window "全部快件" (made at its first opening, over the main window) and answers a click
// on a refresh's notification; the background refresh runs for the whole run, and what it grew is
// posted. A row opened there is the main window's to query; one deleted asks the number box's
// question.
class OverviewLink : public QObject {
    Q_OBJECT
public:
    // `boxes` are the main window's, for the list's questions.
    OverviewLink(ParcelBook &book, HistoryController &history, MessageBoxes &boxes, const Platform &platform,
                 const QString &trackingHost, QWidget *window);
    ~OverviewLink() override;

    void updateCheckEnded();
    OverviewWindow *showWindow(); // opened, or raised when open
    void closeWindow();
    void hideWindow();                   // with the main window, into the tray
    void refreshAll();                   // 全部查询, from the tray's menu: the list need not be open
    void setStatus(const QString &text); // in the list's status line, when it is open

signals:
    void openRequested(const ParcelKey &key); // 查看, Enter or a double-click on a row

private:
    void notifyRefreshed(const QList<ParcelKey> &grown);
    void notificationActivated(const QString &key, QObject *poster);

    ParcelBook &m_book;
    HistoryController &m_history;
    MessageBoxes &m_boxes;
    Platform m_platform;
    QWidget *m_window;
    std::unique_ptr<RefreshEngine> m_refresh;
    std::unique_ptr<OverviewWindow> m_overview; // made at its first opening
};
