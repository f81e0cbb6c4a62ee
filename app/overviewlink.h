#pragma once

#include "parcels/parcelfile.h"
#include "parcels/parcelrecord.h"
#include "platform/platform.h"
#include "platform/programfolders.h"

#include <QObject>
#include <functional>
#include <memory>

class HistoryController;
class HistoryStore;
class OverviewWindow;
class ParcelBoard;
class ParcelStore;
class RefreshEngine;
class QWidget;

// The main window's side of the overview "全部快件": the record, the board and the background
// refresh for the whole run, the overview window made at its first opening, the notifications a
// refresh posts, and what a row opened or deleted there does in the main window.
class OverviewLink : public QObject {
    Q_OBJECT
public:
    // What the overview needs of the main window.
    struct MainWindowSide {
        QWidget *window;                      // the parent of the overview window
        const HistoryStore &history;          // the list the board follows
        HistoryController &historyController; // 删 for a row's number, its question included
        MessageBoxes &boxes;                  // the main window's, for the overview's questions
        std::function<QString()> busy;        // why no row can be opened now; empty when one can
        // As a pick from the number box, the change notice counting from the rows the list showed.
        std::function<void(const ParcelKey &, int seenRows)> pickAndQuery;
    };
    // The record is a file of `folders`' data folder.
    OverviewLink(MainWindowSide mainWindow, const Platform &platform, const QString &trackingHost,
                 const ProgramFolders &folders);
    ~OverviewLink() override;

    // The record is not opened while the window is made, so that start-up does not wait for the
    // file: this opens it once the window has painted its first frame.
    void openRecordSoon();
    // The main window asked for the parcel itself: the record learns the answer as from a refresh,
    // and an answer the user sees leaves no mark.
    void queried(const ParcelKey &key, const QueryOutcome &outcome);
    QString noteOf(const ParcelKey &key) const; // empty for none, or before the record is open
    void updateCheckEnded();
    OverviewWindow *showWindow(); // opened, or raised when open
    void closeWindow();

private:
    void openRecord();
    void followHistory(); // after every change of the history
    void openParcel(const ParcelKey &key);
    void deleteParcel(const ParcelKey &key);
    void importParcels(const ParcelFile::Import &import);
    void notifyRefreshed(const QList<ParcelKey> &grown);
    void notificationActivated(const QString &key, QObject *poster);

    MainWindowSide m_mainWindow;
    Notifier &m_notifier;
    FileDialogs &m_files;
    const Clock &m_clock;
    // Each holds on to those before it, so they go in the opposite order.
    std::unique_ptr<ParcelStore> m_store;
    std::unique_ptr<ParcelBoard> m_board;
    std::unique_ptr<RefreshEngine> m_refresh;
    std::unique_ptr<OverviewWindow> m_overview; // made at its first opening
};
