#pragma once

#include "history/historystore.h"

#include <QObject>

class MessageBoxes;
class QComboBox;
class QWidget;

// Controls the history through the number box, its face: the box's list shows the entries (in a
// string-list model, so that a long history goes in with one call) while its edit field stays the
// user's. Picking an entry fills in its number; 删 deletes one number's entries, 清 clears them
// all. Whatever changes the entries says so once.
class HistoryController : public QObject {
    Q_OBJECT
public:
    HistoryController(QComboBox *numberBox, HistoryStore &history, MessageBoxes &boxes,
                      QObject *parent = nullptr);

    void loadAndShow(); // loads wlnum.ini into the list
    HistoryStore::AddResult add(const QString &number, const QString &company); // records and lists it
    HistoryStore::AddResult addAll(const QList<HistoryStore::Picked> &parcels); // all with one write, or none
    void deleteTypedNumber(); // delete the entries of the number in the box
    // The same for `typed`, with the same question, asked over `asking` when another window asks.
    void deleteNumber(const QString &typed, QWidget *asking = nullptr);
    void clearAll(); // clear the history

signals:
    void picked(const QString &company); // the user chose an entry: its company to select
    void message(const QString &text);   // for the message line
    void changed();                      // entries were added or removed

private:
    void pick(int index);
    void showEntries();

    QComboBox *m_numberBox;
    HistoryStore &m_history;
    MessageBoxes &m_boxes;
};
