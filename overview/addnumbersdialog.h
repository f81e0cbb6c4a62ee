#pragma once

#include "parcels/parcelrecord.h"

#include <QDialog>
#include <QTimer>

class BatchModel;
class Clock;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// "添加单号": numbers pasted one a line (or separated by blanks, commas, semicolons or 、), each
// shown with the company recognised from its shape, which a drop-down list on the line being edited
// changes (letters typed to it find a company as in the main window); a company its shape only
// makes likely waits for the user to confirm it, and what is no number, has no company, is there
// twice or is in the history already is marked and left out. The text is read again once typing
// pauses. 添加 hands the rest over; the dialog stays open to say what became of each.
class AddNumbersDialog : public QDialog {
    Q_OBJECT
public:
    AddNumbersDialog(QStringList historyNumbers, const Clock &clock, QWidget *parent);
    ~AddNumbersDialog() override;

    void setRunning(bool running); // 添加 waits while a refresh runs
    void setSummary(const QString &text);
    void setOutcome(const QString &number, const QString &failure); // empty: added

signals:
    void addRequested(const QList<ParcelKey> &parcels);

private:
    void readNumbers();
    void updateAddButton();
    void add();

    BatchModel *m_lines;
    QPlainTextEdit *m_text;
    QTableView *m_table;
    QPushButton *m_add;
    QLabel *m_summary;
    QTimer m_readTimer;
    bool m_running = false;
};
