#pragma once

#include "app/reentryguard.h"
#include "history/historystore.h"
#include "overview/parcelrecord.h"
#include "platform/endpoints.h"
#include "platform/platform.h"
#include "platform/programfolders.h"
#include "tracking/resultparser.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

namespace Ui {
class MainWindow;
}
class HistoryBox;
class OverviewWindow;
class ParcelBoard;
class ParcelStore;
class RefreshEngine;
class ResultModel;
struct QueryOutcome;

// The main window: the courier list, the number box and its history, the result list, the two
// monitoring panels and the status line. It wires the subsystems together and shows what a query
// comes to; the rules live below it.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(const Platform &platform, const Endpoints &endpoints, const ProgramFolders &folders,
               QWidget *parent = nullptr);
    ~MainWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override; // the farewell question
    void showEvent(QShowEvent *event) override;   // the overview's record opens after the first frame

private:
    // One query from what was asked to what is shown: the only state that crosses the short wait
    // before its rows are shown.
    struct Query {
        QString company;     // the display name chosen
        QString companyCode; // its service code
        QString number;      // as typed
        bool byPanel = false;
        bool historySaved = true;
        QList<ResultRow> rows = {}; // answer order, the newest last
    };

    void setupStatusBar();
    void setupTimers();
    void setupInputs();
    void setupHistory();
    void setupPanels();
    void setupShortcuts();
    void setupOverview();
    void loadAndGreet();

    void fillCompanyList();
    void companyChosen(int index);
    void panelQueryDue();
    void startQuery(bool byPanel);
    bool inputsComplete(const Query &query); // else says what is missing
    QueryOutcome fetchOutcome(const Query &query);
    void recordInHistory(Query &query);
    void showRowsSoon(Query query);
    void showPendingRows();
    void showChangeNotice(const Query &query);
    void notifyParcelMoved(const Query &query);
    // The one way a query ends: a message (and why, when it failed), the button back.
    void endQuery(const QString &message, const QString &cause = QString());
    void checkForUpdate();
    void openCompanySearch();
    void exportResults();
    void openForum();
    void openAbout();
    void openOutletLookup();
    void pasteNumber();
    void bringToFront();
    void setMessageLine(const QString &text, const QString &cause = QString());
    void setInputsLocked(bool locked); // while a monitoring panel is armed
    void swapPanels(QWidget *leaving, QWidget *coming);
    void showClock();
    void playSound(const QString &fileName);
    FetchResult fetch(const QUrl &url);

    // The overview "全部快件": the list of every parcel of the history, refreshed in the background.
    void openParcelBoard();
    OverviewWindow *showOverview(); // opened, or raised when open
    void followHistory();
    void openParcel(const ParcelKey &key); // a row taken as a pick from the number box, then queried
    void deleteParcel(const ParcelKey &key);
    void notifyRefreshed(const QList<ParcelKey> &grown);
    void overviewNotificationActivated(const QString &key);

    Ui::MainWindow *ui;
    Platform m_platform;
    ReentryGuard *m_guard;
    Endpoints m_endpoints;
    ProgramFolders m_folders;
    HistoryStore m_history;
    HistoryBox *m_historyBox = nullptr; // the history behind the number box
    ResultModel *m_results = nullptr;   // rows of the result list

    QString m_companyCode;          // the service code of the company chosen last
    std::optional<Query> m_pending; // answered, its rows not shown yet
    int m_previousRowCount = 0;     // rows left by the query before the latest
    int m_currentRowCount = 0;      // rows left by the latest query

    QTimer m_showRowsTimer;
    QTimer m_updateCheckTimer;
    QTimer m_clockTimer; // the status line's clock, each minute

    std::unique_ptr<ParcelStore> m_parcelStore;
    ParcelBoard *m_parcelBoard = nullptr;
    RefreshEngine *m_refresh = nullptr;
    QPointer<OverviewWindow> m_overview; // made at its first opening
    bool m_updateCheckEnded = false;
};
