#pragma once

#include <QObject>

class MessageBoxes;
class ParcelBook;
class QComboBox;
class QWidget;

// The number box as the view of the book's history: its list shows the entries (in a string-list
// model, so that a long history goes in with one call) while its edit field stays the user's.
// Picking an entry fills in its number; 删 deletes one number's entries, 清 clears them all, each
// after its question. Whatever changes the history, the list follows.
class HistoryController : public QObject {
    Q_OBJECT
public:
    HistoryController(QComboBox *numberBox, ParcelBook &book, MessageBoxes &boxes, QObject *parent = nullptr);

    void loadAndShow();       // loads wlnum.ini into the list
    void deleteTypedNumber(); // delete the entries of the number in the box
    // The same for `typed`, with the same question, asked over `asking` when another window asks.
    void deleteNumber(const QString &typed, QWidget *asking = nullptr);
    void clearAll(); // clear the history

signals:
    void picked(const QString &company); // the user chose an entry: its company to select
    void message(const QString &text);   // for the message line

private:
    void pickEntry(int index);
    void follow(int appended);
    void showEntries();

    QComboBox *m_numberBox;
    ParcelBook &m_book;
    MessageBoxes &m_boxes;
};
