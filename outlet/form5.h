#pragma once

#include "outlet/outletpage.h"

#include <QDialog>

class MessageBoxes;
class WebFetch;
namespace Ui {
class Form5;
}

// `Form5`, the outlet lookup: fetches the courier's outlet page for the typed name and shows the
// six values cut out of it. The page is fetched while the dialog stays responsive.
class Form5 : public QDialog {
    Q_OBJECT
public:
    Form5(WebFetch &fetch, const QString &outletHost, MessageBoxes &boxes, QWidget *parent = nullptr);
    ~Form5() override;

    // Every way of closing ends here: the reset runs, and a fetch under way is abandoned.
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void command1Click(); // the query
    void label10Click();  // shows the whole delivery area
    // `GetBody`: the answer's body as text, for an error page too; empty text when the transfer
    // failed, ran out of time, grew too large or was abandoned.
    QString GetBody(const QUrl &url);
    void csh(); // the reset: empties `outletFields`, leaves the labels as they are

    Ui::Form5 *ui;
    WebFetch &m_fetch;
    QString m_outletHost;
    MessageBoxes &m_boxes;
    OutletFields m_outletFields;   // `outletFields`: the six values of the last query
    bool m_fetching = false;       // a query waits in GetBody
    bool m_abandoned = false;      // the dialog closed during that wait; its answer is dropped
    bool m_label10Pressed = false; // a press on `Label10` that a release there makes a click
};
