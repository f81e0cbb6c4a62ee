#pragma once

#include "parcels/listsettings.h"
#include "parcels/parcelrecord.h"
#include "parcels/parcelstore.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

class Clock;

// A change of the board's rows, `first` to `last`.
struct ParcelChange {
    enum class Kind { Reset, Added, Removed, Changed };
    Kind kind;
    int first = 0;
    int last = -1;
};

// The overview's parcels: one for each distinct (number, company) of the history, newest entry
// first, with what was learnt about each. Everything is kept in memory and each change is
// written through to the store, so a store that cannot be opened or written costs only the
// record. A table model sits on it: count() and parcel(), and one kind of change: rows added and
// removed as the history changes, changed as they learn something, and all laid out anew only
// when the record opens.
class ParcelBoard : public QObject {
    Q_OBJECT
public:
    ParcelBoard(ParcelStore &store, const Clock &clock, QObject *parent = nullptr);

    // What the history's entries say of the parcels they do not name: gone, or, when the history
    // file could not be read and the entries are only this run's, nothing.
    enum class Others { Gone, Unknown };
    // Opens the store, once the main window is shown, and lays out `historyEntries`.
    void open(const QStringList &historyEntries, Others others = Others::Gone);
    bool isOpen() const { return m_open; }
    // The parcels of the history as HistoryStore reads it, blank entries skipped: a parcel new to
    // it appears, and the records of parcels no longer in it are deleted in the same step, unless
    // the others are unknown: then they stay, after the history's.
    void followHistory(const QStringList &historyEntries, Others others = Others::Gone);

    int count() const { return int(m_parcels.size()); }
    const ParcelRecord &parcel(int row) const { return m_parcels.at(row); }
    // Every parcel as the history holds them, the oldest first: what an export writes, so that an
    // import, which adds to the history in the file's order, brings the same list back.
    QList<ParcelRecord> oldestFirst() const { return {m_parcels.crbegin(), m_parcels.crend()}; }
    int rowOf(const ParcelKey &key) const { return m_rows.value(key, -1); }
    QList<ResultRow> steps(const ParcelKey &key) const; // the last good answer's, the newest last

    // Whether the user sees the answer taken: a refresh's is not seen, the main window's is.
    enum class Seen { NotYet, ByUser };
    // What the service said about a parcel just now, and what it came to (see ParcelRecord::learn).
    // An answer seen by the user leaves the parcel unmarked. A parcel not on the board is left
    // out: the outcome alone says whether it failed.
    ParcelRecord::Learnt recordAnswer(const ParcelKey &key, const QueryOutcome &outcome,
                                      Seen seen = Seen::NotYet);
    void clearMark(const ParcelKey &key);
    // What an imported list says of parcels the board has: those the history has just brought
    // (`added`) take the file's record, and so does a `known` one that was never asked when the
    // file says it was; each keeps its own note. One that was asked keeps what it learnt and takes
    // only a note, when it has none. One write to the store.
    void addImported(const QList<ParcelRecord> &added, const QList<ParcelRecord> &known);
    void setNote(const ParcelKey &key, const QString &typed); // kept as ParcelRecord::noteFrom makes it
    void setArchive(const ParcelKey &key, ParcelRecord::Archive archive);
    bool isArchived(int row) const;
    int archivedCount() const;
    // A parcel the user just queried, imported or added, or first learnt to be signed for, is not
    // archived by time until the refresh round after the one under way (or the next) has ended:
    // each is seen once in the list before it leaves it.
    void keepInView(const ParcelKey &key);
    void roundStarted();
    void roundEnded();
    QString noteOf(const ParcelKey &key) const;
    // A parcel asked at a time later than now (the clock was ahead then) counts as asked now, so
    // that it does not wait behind every other for the longest-ago-first order.
    void settleFutureAskedTimes();

    // The list's settings (归档, 自动查询, the window's, header's and split's saved states...).
    const ListSettings &settings() const { return m_settings; }
    void setSettings(const ListSettings &settings); // writes those that changed

    // What the status line says about the record; empty while all is well.
    QString storeStatus() const { return m_store.statusText(); }
    QString storeCause() const { return m_store.cause(); } // why, in the error's own words

signals:
    // Rows are added or removed, or all laid out anew (when the record opens): before, then after.
    void aboutToChange(const ParcelChange &change);
    // Any change of rows, after it: added, removed, laid out anew, or parcels that learnt something.
    void changed(const ParcelChange &change);
    void storeStatusChanged(const QString &text);

private:
    QList<ParcelKey> orderOf(const QStringList &historyEntries, Others others) const;
    QList<ParcelKey> notIn(const QList<ParcelKey> &order) const; // of the board's parcels
    void forget(const QList<ParcelKey> &gone);                   // their steps and records
    void reindex();
    void save(const ParcelRecord &record, const QList<ResultRow> *steps = nullptr);
    void reportStore(ParcelStore::State before);

    ParcelStore &m_store;
    const Clock &m_clock;
    bool m_open = false;
    QList<ParcelRecord> m_parcels;
    QHash<ParcelKey, int> m_rows;
    QHash<ParcelKey, QList<ResultRow>> m_answeredSteps; // learnt in this run, whatever the store does
    ListSettings m_settings;
    QHash<ParcelKey, int> m_keptInView; // by the number of rounds started when it was kept
    int m_roundsStarted = 0;
};
