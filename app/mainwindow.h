#pragma once

#include "parcels/parcelbook.h"
#include "platform/endpoints.h"
#include "platform/platform.h"
#include "platform/programfolders.h"
#include "platform/reentryguard.h"
#include "tracking/resultparser.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

namespace Ui {
class MainWindow;
}
class MonitoringPanels;
class OverviewLink;
class QueryInputs;
class ResultModel;
class StatusLine;
class TrayLink;
class UpdateChecker;
struct QueryOutcome;

// The main window: the courier list, the number box and its history, the result list, the two
// monitoring panels and the status line. It runs a query and shows what it comes to; the parts
// around the query have classes of their own beside it (QueryInputs, SideButtons,
// MonitoringPanels, OverviewLink, UpdateChecker, StatusLine, ReentryGuard), and the rules live
// below it. A query goes Idle → Waiting (its request out) → Showing (the short wait before its
// rows) → Idle; while it or the update check waits for an answer, the window takes no input.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(const Platform &platform, const Endpoints &endpoints, const ProgramFolders &folders,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    bool isWaiting() const; // for an answer from the network: a query's or the update check's
    // Started with --hidden: the window stays in the tray, if the desktop has one. False, and
    // nothing done, where it has none.
    bool startInTray();
    // A later start asked for the window: shown and raised, from the tray too.
    void showAgain();

protected:
    void closeEvent(QCloseEvent *event) override; // the farewell question
    void showEvent(QShowEvent *event) override;   // the overview's record opens after the first frame
    bool eventFilter(QObject *watched, QEvent *event) override; // input held back while waiting

private:
    enum class QueryState { Idle, Waiting, Showing };
    // One query from what was asked to what is shown: the only state that crosses the waits for
    // its answer and before its rows are shown.
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
    void queryAnswered(Query query, const FetchResult &answer);
    void showRowsSoon(Query query);
    void showPendingRows();
    void showChangeNotice(const Query &query);
    void notifyParcelMoved(const Query &query);
    // The one way a query ends: a message (and why, when it failed), the button back.
    void endQuery(const QString &message, const QString &cause = QString());
    // A query waits for its answer, or the update check runs (its box included): no query now, and
    // a close waits.
    bool busy() const;
    void resetRowCounts(); // after a pick, the change notice compares with nothing
    // A wait for an answer began or ended: input and the panels' ticks held meanwhile; after it, a
    // close asked for meanwhile, and put-off work.
    void waitChanged();
    void playSound(const QString &fileName);

    // A row opened in the list "全部快件": queried as a pick from the number box, unless the window
    // cannot query now, which the list is told.
    QString whyNoParcelNow() const; // empty when a row of the list can be queried now
    void openParcel(const ParcelKey &key);

    std::unique_ptr<Ui::MainWindow> ui;
    Platform m_platform;
    ReentryGuard *m_guard;
    Endpoints m_endpoints;
    ProgramFolders m_folders;
    ParcelBook m_book;
    StatusLine *m_statusLine = nullptr;
    QueryInputs *m_inputs = nullptr;
    MonitoringPanels *m_panels = nullptr;
    ResultModel *m_results = nullptr; // rows of the result list

    QueryState m_queryState = QueryState::Idle;
    std::optional<Query> m_pending; // answered, its rows not shown yet
    int m_previousRowCount = 0;     // rows left by the query before the latest
    int m_currentRowCount = 0;      // rows left by the latest query
    bool m_closeAsked = false;      // while the window waited: asked once the wait is over
    bool m_quitAsked = false;       // 退出, or the session ends: a close asks the farewell question
    QPointer<QWidget> m_startFocus; // where Qt put the focus as the window first showed
    QMetaObject::Connection m_firstFocusWatch;

    QTimer m_showRowsTimer;

    std::unique_ptr<OverviewLink> m_overviewLink; // on the book, so it goes first
    std::unique_ptr<TrayLink> m_trayLink;         // on the list's link, so it goes before it
    UpdateChecker *m_updateChecker = nullptr;
};
