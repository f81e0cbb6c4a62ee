#pragma once

#include "overview/parcelrecord.h"

#include <QDialog>
#include <QTimer>

class BatchModel;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// "添加单号": numbers pasted one a line (or separated by blanks, commas or 、), each shown with the
// company recognised from its shape, which a drop-down list on the line being edited changes;
// lines without a company, repeated ones and numbers of the history are marked and left out. The
// text is read again once typing pauses. 添加 hands the rest over; the dialog stays open to say
// what became of them.
class AddNumbersDialog : public QDialog {
    Q_OBJECT
public:
    AddNumbersDialog(QStringList historyNumbers, QWidget *parent);
    ~AddNumbersDialog() override;

    void setRunning(bool running); // 添加 waits while a refresh runs
    void setSummary(const QString &text);

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
