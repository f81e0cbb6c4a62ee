#pragma once

#include "app/reentryguard.h"
#include "history/historystore.h"
#include "overview/parcelrecord.h"
#include "platform/endpoints.h"
#include "platform/platform.h"
#include "platform/programfolders.h"
#include "tracking/resultparser.h"

#include <QTimer>
#include <QWidget>
#include <optional>

namespace Ui {
class MainWindow;
}
class OverviewLink;
class QueryInputs;
class ResultModel;
class StatusLine;
class UpdateChecker;
struct QueryOutcome;

// The main window: the courier list, the number box and its history, the result list, the two
// monitoring panels and the status line. It runs a query and shows what it comes to; the parts
// around the query have classes of their own beside it (QueryInputs, SideButtons,
// MonitoringPanels, OverviewLink, UpdateChecker, StatusLine, ReentryGuard), and the rules live
// below it.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(const Platform &platform, const Endpoints &endpoints, const ProgramFolders &folders,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    void bringToFront(); // un-minimized, shown, raised and active

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

    void setupQuery();
    void setupInputs();
    void setupSideButtons();
    void setupPanels();
    void setupNotifications();
    void setupOverview();
    void setupUpdateCheck();
    void loadAndGreet();

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
    void countRowsAfresh(); // after a pick, the change notice compares with nothing
    void playSound(const QString &fileName);

    // What the overview "全部快件" asks of the window.
    QString whyNoParcelNow() const; // empty when a row of the overview can be queried now
    void queryParcel(const ParcelKey &key);

    Ui::MainWindow *ui;
    Platform m_platform;
    ReentryGuard *m_guard;
    Endpoints m_endpoints;
    ProgramFolders m_folders;
    HistoryStore m_history;
    StatusLine *m_statusLine = nullptr;
    QueryInputs *m_inputs = nullptr;
    ResultModel *m_results = nullptr; // rows of the result list

    std::optional<Query> m_pending; // answered, its rows not shown yet
    int m_previousRowCount = 0;     // rows left by the query before the latest
    int m_currentRowCount = 0;      // rows left by the latest query

    QTimer m_showRowsTimer;

    OverviewLink *m_overviewLink = nullptr;
    UpdateChecker *m_updateChecker = nullptr;
};
