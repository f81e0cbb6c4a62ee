#pragma once

#include "overview/numberbatch.h"
#include "overview/parcelrecord.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// "添加单号": numbers pasted one a line (or separated by blanks, commas or 、), each shown with the
// company recognised from its shape, which a drop-down list per line changes; lines without a
// company, repeated ones and numbers of the history are marked and left out. 添加 hands the rest
// over; the dialog stays open to say what became of them.
class AddNumbersDialog : public QDialog {
    Q_OBJECT
public:
    AddNumbersDialog(QStringList historyNumbers, QWidget *parent);

    void setRunning(bool running); // 添加 waits while a refresh runs
    void setSummary(const QString &text);

signals:
    void addRequested(const QList<ParcelKey> &parcels);

private:
    void readNumbers();
    void showNotes();
    void updateAddButton();
    void add();

    QStringList m_historyNumbers;
    QHash<QString, QString> m_chosen; // the companies picked by hand, by number
    QList<NumberBatch::Line> m_lines;
    QPlainTextEdit *m_text;
    QTableWidget *m_table;
    QPushButton *m_add;
    QLabel *m_summary;
    bool m_running = false;
};
