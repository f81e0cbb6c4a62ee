#pragma once

#include "app/programfolders.h"
#include "history/historystore.h"
#include "platform/endpoints.h"
#include "platform/platform.h"
#include "tracking/class1.h"

#include <QTimer>
#include <QWidget>

namespace Ui {
class Form1;
}
class HistoryActions;
class ResultModel;

// `Form1`, the main window: it lays out the controls and wires the subsystems together.
class Form1 : public QWidget {
    Q_OBJECT
public:
    Form1(const Platform &platform, const Endpoints &endpoints, const ProgramFolders &folders,
          QWidget *parent = nullptr);
    ~Form1() override;

    // Handlers, public because the monitoring panels and the tests run them as the program does.
    void command1Click();  // the query, also run by the scheduled and loop queries
    void timer1Tick();     // `Timer1`: parses the answer once
    void timer3Tick();     // `Timer3`: the update check, once
    void command2Click();  // the company search dialog
    void command3Click();  // exports the result list
    void command6Click();  // the about dialog
    void command12Click(); // the outlet lookup dialog
    void command4Click();  // opens the maker's forum page

    QString messageLine() const; // panel 2 of `S1`
    void setMessageLine(const QString &text);

    const QString &companyCode() const { return m_companyCode; }
    const QString &resultPage() const { return m_resultPage; }
    int pendingRowCount() const { return m_pendingRowCount; }
    int previousRowCount() const { return m_previousRowCount; }
    int currentRowCount() const { return m_currentRowCount; }
    bool isFetching() const { return m_fetching; }
    QString exportPath() const; // "物流信息.txt" in the data folder
    const HistoryStore &history() const { return m_history; }
    const Class1 *listTip() const { return m_listTip.get(); }

protected:
    void closeEvent(QCloseEvent *event) override; // `Form_QueryUnload`: the farewell question
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void kdlb();                      // fills the courier list
    void dq();                        // loads the history into the number box
    bool kdgs(const QString &number); // sends the query; false when no usable answer came
    void hx2();                       // counts the answer's rows and starts the parser
    void csh();                       // resets the parser's working state
    void xr();                        // records the number and company in the history
    void gxtj();                      // the change notice
    void combo1Click(int index);      // selection of `Combo1`: keeps `companyCode`
    void formKeyDown();               // F8 from anywhere in the window: pastes a number
    void listView1Click(int row);     // -1: a click on no row
    void playSound(const QString &fileName);
    FetchResult fetch(const QUrl &url);
    void endQueryWithoutRows(const QString &message);
    // Handlers that may wait for the network: a close asked for meanwhile waits for the outermost.
    void enterHandler();
    void leaveHandler();
    BoxButton showBox(const BoxRequest &request);

    Ui::Form1 *ui;
    Platform m_platform;
    Endpoints m_endpoints;
    ProgramFolders m_folders;
    HistoryStore m_history;
    ResultModel *m_results = nullptr;           // rows of `ListView1`
    HistoryActions *m_historyActions = nullptr; // pick, delete and clear on `Text1`

    QString m_companyCode;            // `companyCode`: service code of the selected company
    QString m_resultPage;             // `resultPage`: the latest answer until it is parsed
    int m_pendingRowCount = 0;        // `pendingRowCount`: rows found and not yet parsed
    int m_previousRowCount = 0;       // `previousRowCount`: rows left by the query before the latest
    int m_currentRowCount = 0;        // `currentRowCount`: rows left by the latest query
    bool m_historySaveFailed = false; // the latest query's number could not be written to disk

    std::unique_ptr<Class1> m_listTip; // `listTip`, made on first use
    QTimer m_timer1;                   // `Timer1`
    QTimer m_timer3;                   // `Timer3`

    bool m_fetching = false;       // a fetch is waiting: nothing may start another query
    int m_handlerDepth = 0;        // handlers running that may wait for the network
    bool m_waited = false;         // the running handler has waited: events are held back
    bool m_deliveringHeld = false; // those events are being delivered before a box
    bool m_closePending = false;   // a close was asked for while a handler ran
    bool m_ending = false;         // the program is ending at once; a pending close is dropped
};
