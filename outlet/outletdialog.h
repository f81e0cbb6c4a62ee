#pragma once

#include "outlet/outletpage.h"

#include <QDialog>

class MessageBoxes;
class WebFetch;
namespace Ui {
class OutletDialog;
}

// The outlet lookup: fetches the courier's outlet page for the typed name and shows the
// six values cut out of it. The page is fetched while the dialog stays responsive.
class OutletDialog : public QDialog {
    Q_OBJECT
public:
    OutletDialog(WebFetch &fetch, const QString &outletHost, MessageBoxes &boxes, QWidget *parent = nullptr);
    ~OutletDialog() override;

    // Every way of closing ends here: the reset runs, and a fetch under way is abandoned.
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lookUp();        // the query
    void showWholeArea(); // shows the whole delivery area
    // The answer's body as text, for an error page too; empty text when the transfer
    // failed, ran out of time, grew too large or was abandoned.
    QString fetchPage(const QUrl &url);
    void clearFields(); // the reset: empties the stored values, leaves the labels as they are

    Ui::OutletDialog *ui;
    WebFetch &m_fetch;
    QString m_outletHost;
    MessageBoxes &m_boxes;
    OutletFields m_outletFields; // the six values of the last query
    bool m_fetching = false;     // a query waits in fetchPage
    bool m_abandoned = false;    // the dialog closed during that wait; its answer is dropped
    bool m_areaPressed = false;  // a press on the delivery area that a release there makes a click
};
