#pragma once

#include "parcels/parcelrecord.h"
#include "tracking/resultparser.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

class Clock;
class QSqlDatabase;
class QSqlError;

// What the overview learnt, kept in an SQLite file (Qt SQL's QSQLITE driver) beside wlnum.ini:
// the parcels, each parcel's steps, and the overview's settings. The file is opened by open(),
// never by the constructor, so that start-up does not wait for it. Whatever goes wrong, the
// store never stops the program: it says so in state(), keeps the error's words in cause() and
// logs them under "quillon.store", and the overview works from memory.
class ParcelStore {
public:
    enum class State {
        Closed,      // open() not called yet
        Ready,       // open; every write so far went through
        NewerSchema, // written by a newer program: left alone
        Held,        // held by another program (the lock): SQLite says busy
        NoAccess,    // a folder that takes no files, or a file that cannot be read or written
        NotAFile,    // a folder in its place
        OpenFailed,  // could not be opened for any other cause
        WriteFailed, // a write failed (a full disk): written no more, its steps still read
        NoDriver,    // Qt has no QSQLITE driver here
    };
    // 2: a note on each parcel, and its archiving; 3: a parcel's state as codes, not as the words shown
    static constexpr int schemaVersion = 3;
    static constexpr const char *fileName = "quillon.sqlite";

    // `clock` names a file moved aside; `busyTimeoutMs`: how long a write waits for a lock.
    ParcelStore(QString filePath, const Clock &clock, int busyTimeoutMs = 3000);
    ~ParcelStore();
    ParcelStore(const ParcelStore &) = delete;
    ParcelStore &operator=(const ParcelStore &) = delete;

    // WAL, synchronous=NORMAL, the lock held while open, so that a second program finds it busy.
    // A file that is not a database, or that quick_check finds corrupt, is moved aside with its
    // -wal, -shm and -journal as quillon.sqlite.broken-<date-time> and a new one is made. A file
    // at version 0 gets the schema.
    State open();
    State state() const { return m_state; }
    QString movedAsideTo() const { return m_movedAsideTo; } // the broken file's new name, if any
    // What the status line says about the record; empty while all is well.
    QString statusText() const;
    // Why: the words of the error behind the state (or behind moving a broken file aside).
    QString cause() const { return m_cause; }

    QList<ParcelRecord> parcels() const;
    QList<ResultRow> steps(const ParcelKey &key) const; // in answer order, the newest last
    QHash<QString, QVariant> settings() const;

    // One transaction each. `steps`: a good answer's, replacing the parcel's stored ones.
    bool save(const ParcelRecord &record, const QList<ResultRow> *steps = nullptr);
    bool save(const QList<ParcelRecord> &records); // their steps left as they are
    bool remove(const QList<ParcelKey> &keys);
    bool saveSetting(const QString &name, const QVariant &value);

private:
    enum class Opened { Ready, Broken, Newer, Failed };
    Opened tryOpen();
    bool moveAside();
    bool createSchema();
    bool upgradeFrom(int version);
    QSqlDatabase database() const;
    // Runs `work` in a transaction; a failure rolls it back and leaves the file alone from then on.
    template <typename Work> bool write(Work work);
    Opened failed(const QSqlError &error, Opened opened = Opened::Failed);
    State openFailure() const;

    QString m_path;
    QString m_connection;
    const Clock &m_clock;
    int m_busyTimeoutMs;
    State m_state = State::Closed;
    QString m_movedAsideTo;
    QString m_cause;
    QString m_errorCode; // SQLite's result code of the last failure
};
