#pragma once

#include "history/historystore.h"
#include "platform/endpoints.h"
#include "platform/platform.h"
#include "platform/programfolders.h"
#include "tracking/resultparser.h"

#include <QTimer>
#include <QWidget>

namespace Ui {
class MainWindow;
}
class HistoryBox;
class ResultModel;
struct QueryOutcome;

// `MainWindow`, the main window: its controls, start-up and shutdown; it wires the subsystems
// together and shows what a query comes to.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(const Platform &platform, const Endpoints &endpoints, const ProgramFolders &folders,
          QWidget *parent = nullptr);
    ~MainWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override; // `Form_QueryUnload`: the farewell question
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What a query asks: read from the inputs once, when it starts.
    struct Asked {
        QString company; // the display name in `companyBox`
        QString number;  // the text of `numberBox`, as typed
    };

    void fillCompanyList();                           // fills the courier list
    void companyChosen(int index);           // selection of `companyBox`: keeps `companyCode`
    void startQuery();                  // the query, also run by the monitoring panels
    QueryOutcome fetchOutcome(const Asked &asked); // sends the query and reads its answer
    void recordInHistory(const Asked &asked);           // records the number and company in the history
    void showRowsSoon(QList<ResultRow> rows);       // hands the rows to `showRowsTimer`
    void showPendingRows();                     // `showRowsTimer`: shows the rows
    void csh();                            // resets the parser's working state
    void showChangeNotice();                           // the change notice
    // The one way a query ends: a message (and why, when it failed), the button back.
    void endQuery(const QString &message, const QString &cause = QString());
    void checkForUpdate();            // `updateCheckTimer`: the update check, once
    void openCompanySearch();         // the company search dialog
    void exportResults();         // exports the result list
    void openForum();         // opens the maker's forum page
    void openAbout();         // the about dialog
    void openOutletLookup();        // the outlet lookup dialog
    void pasteNumber();           // F8 from anywhere in the window: pastes a number
    void showRowBalloon(int row); // -1: a click on no row
    void setMessageLine(const QString &text, const QString &cause = QString());
    void notifyWhenAway(); // a desktop notification when the parcel moved while the user looked elsewhere
    void setInputsLocked(bool locked); // while a monitoring panel is armed
    void swapPanels(QWidget *leaving, QWidget *coming);
    void showClock();
    void playSound(const QString &fileName);
    FetchResult fetch(const QUrl &url);
    // Handlers that may wait for the network: a close asked for meanwhile waits for the outermost.
    void enterHandler();
    void leaveHandler();
    BoxButton showBox(const BoxRequest &request);

    Ui::MainWindow *ui;
    Platform m_platform;
    Endpoints m_endpoints;
    ProgramFolders m_folders;
    HistoryStore m_history;
    HistoryBox *m_historyBox = nullptr; // the history behind `numberBox`
    ResultModel *m_results = nullptr;   // rows of `resultView`

    QString m_companyCode; // `companyCode`: service code of the selected company
    // The answer's rows until `showRowsTimer` shows them: what `resultPage` and `pendingRowCount` held.
    QList<ResultRow> m_pendingRows;
    int m_previousRowCount = 0;  // `previousRowCount`: rows left by the query before the latest
    int m_currentRowCount = 0;   // `currentRowCount`: rows left by the latest query
    bool m_historySaved = true;  // the latest query's number reached wlnum.ini
    Asked m_asked;               // what the latest query asked
    bool m_dueNow = false;       // a monitoring panel is running its query
    bool m_askedByPanel = false; // the latest query was a monitoring panel's

    QTimer m_showRowsTimer;     // `showRowsTimer`
    QTimer m_updateCheckTimer;     // `updateCheckTimer`
    QTimer m_clockTimer; // panel 4 of `statusBar`, each minute

    int m_handlerDepth = 0;        // handlers running that may wait for the network
    bool m_waited = false;         // the running handler has waited: events are held back
    bool m_deliveringHeld = false; // those events are being delivered before a box
    bool m_closePending = false;   // a close was asked for while a handler ran
    bool m_ending = false;         // the program ends at once; a pending close is dropped
};
