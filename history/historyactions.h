#pragma once

#include <QObject>

class HistoryStore;
class MessageBoxes;
class QComboBox;

// The operations on the number box `Text1`: picking a remembered entry, deleting one
// number's entries (`Command9`) and clearing the whole history (`Command7`).
class HistoryActions : public QObject {
    Q_OBJECT
public:
    HistoryActions(QComboBox *numberBox, QComboBox *companyList, HistoryStore &history, MessageBoxes &boxes,
                   QObject *parent = nullptr);

    void pick(int index); // the user chose entry `index` of the list
    void command9Click(); // delete the entries of the number in the box
    void command7Click(); // clear the history

signals:
    void picked();                     // the change-notice counters start again
    void message(const QString &text); // for the message line

private:
    void xr2(); // rewrites the file from the list and empties the edit field

    QComboBox *m_numberBox;
    QComboBox *m_companyList;
    HistoryStore &m_history;
    MessageBoxes &m_boxes;
};
