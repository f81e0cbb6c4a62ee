#pragma once

#include "history/historystore.h"
#include "monitor/parcelnotification.h"
#include "parcels/parcelboard.h"
#include "parcels/parcelfile.h"
#include "parcels/parcelstore.h"

#include <QObject>
#include <memory>

class Clock;

// Every parcel of the program, in its two files: the history of numbers (wlnum.ini, HistoryStore)
// and what was learnt about each (quillon.sqlite, ParcelStore, laid out in memory by ParcelBoard).
// The book is the only writer of either. Each verb is one step over both, the history first, so
// that the record never holds a parcel the history lacks; the board follows the history itself.
// The windows read board() and follow its rows; the number box follows historyChanged().
class ParcelBook : public QObject {
    Q_OBJECT
public:
    struct Files {
        QString history;         // wlnum.ini
        QString earlierHistory;  // an earlier copy's wlnum.ini, read while `history` is missing
        QString record;          // quillon.sqlite
        int recordBusyMs = 3000; // how long a write to the record waits for another program's lock
    };
    ParcelBook(const Files &files, const Clock &clock, QObject *parent = nullptr);
    ~ParcelBook() override;

    const HistoryStore &history() const { return m_history; }
    const ParcelBoard &board() const { return m_board; }

    // Reads wlnum.ini (again); an open record follows it.
    void loadHistory();
    // The record is not opened while the windows are made, so that start-up does not wait for the
    // file: this opens it once they have painted, and any verb that needs it opens it first.
    void openRecord();

    // A query of the main window came to `outcome`: an answered number joins the history, then the
    // record learns the answer as seen by the user. False when wlnum.ini could not be written.
    bool recordQuery(const QString &typedNumber, const QString &company, const QueryOutcome &outcome);
    // A refresh's answer, for a parcel of the list or a number of a 添加单号 run (`added`), which
    // joins the history first when it was answered.
    enum class Asked { Listed, Added };
    ParcelRecord::Learnt recordRefresh(const ParcelKey &key, const QueryOutcome &outcome, Asked asked);
    // An import the user confirmed: its new parcels join the history in the file's order with one
    // write, then they and the known ones take what the file says. False, with nothing changed,
    // when wlnum.ini could not be written.
    bool applyImport(const ParcelFile::Import &import);
    // Every entry of `number` goes, and the parcels they named. False when wlnum.ini could not be
    // replaced: the entries are gone all the same.
    bool removeNumber(const QString &number);
    bool clearHistory(); // false when the file could not be removed or emptied

    // The user opens a parcel of the list: its mark goes, and what the list showed of it is what
    // the change notice counts from (0 when the mark said it grew since the user last looked).
    int openedFromList(const ParcelKey &key);
    void clearMark(const ParcelKey &key);
    void setNote(const ParcelKey &key, const QString &typed);
    void setArchive(const ParcelKey &key, ParcelRecord::Archive archive);
    const ListSettings &settings() const { return m_board.settings(); }
    template <typename Value> void setSetting(Value ListSettings::*setting, Value value)
    {
        ListSettings changed = settings();
        changed.*setting = std::move(value);
        m_board.setSettings(changed);
    }
    void setSettings(const ListSettings &settings) { m_board.setSettings(settings); }
    void roundStarted();
    void roundEnded();
    void settleFutureAskedTimes();

    // What the notification of a refresh says of the parcels that grew in it, still on the list.
    QList<ParcelNotification::Grown> grown(const QList<ParcelKey> &keys) const;

signals:
    // The history's entries changed: `appended` entries came at its end and nothing else changed,
    // or, when 0, they are to be read again whole.
    void historyChanged(int appended);

private:
    void followHistory();
    HistoryStore::AddResult add(const QString &typedNumber, const QString &company);

    HistoryStore m_history;
    ParcelStore m_store;
    ParcelBoard m_board;
};
