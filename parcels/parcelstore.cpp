#include "parcels/parcelstore.h"

#include "parcels/parcelfields.h"
#include "parcels/parcelwords.h"
#include "platform/clock.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {
Q_LOGGING_CATEGORY(storeLog, "quillon.store", QtInfoMsg)

const QString driverName = QStringLiteral("QSQLITE");
// SQLITE_CORRUPT and SQLITE_NOTADB, as Qt SQL reports SQLite's result codes.
bool saysBroken(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    return code == u"11" || code == u"26";
}

bool run(QSqlQuery &query, const QString &sql, const QVariantList &values = {})
{
    if (!query.prepare(sql))
        return false;
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    return query.exec();
}

// Each record put in place of the stored one, through one prepared statement.
bool saveRecords(QSqlQuery &query, const QList<ParcelRecord> &records)
{
    const QList<const ParcelFields::Field *> fields = ParcelFields::stored();
    if (!query.prepare(QStringLiteral("INSERT OR REPLACE INTO parcels (%1) VALUES (?%2)")
                           .arg(ParcelFields::columns(), QStringLiteral(", ?").repeated(fields.size() - 1))))
        return false;
    for (const ParcelRecord &record : records) {
        for (int i = 0; i < fields.size(); ++i)
            query.bindValue(i, fields[i]->stored(record));
        if (!query.exec())
            return false;
    }
    return true;
}

// 2 to 3: the state kept as the words shown (status, the last good status, why it failed) becomes
// codes and the reason, read once through the words' table.
bool stateAsCodes(QSqlQuery &query)
{
    if (!run(query, QStringLiteral("SELECT number, company, status, good_status, failure FROM parcels")))
        return false;
    QList<std::pair<ParcelKey, ParcelState>> states;
    while (query.next())
        states.append({{query.value(0).toString(), query.value(1).toString()},
                       ParcelWords::read(query.value(2).toString(), query.value(3).toString(),
                                         query.value(4).toString())});
    if (!run(query, QStringLiteral("ALTER TABLE parcels ADD COLUMN outcome INTEGER NOT NULL DEFAULT 0")) ||
        !run(query, QStringLiteral("ALTER TABLE parcels ADD COLUMN delivery INTEGER NOT NULL DEFAULT 0")) ||
        !run(query, QStringLiteral("ALTER TABLE parcels ADD COLUMN reason TEXT")) ||
        !query.prepare(QStringLiteral(
            "UPDATE parcels SET outcome = ?, delivery = ?, reason = ? WHERE number = ? AND company = ?")))
        return false;
    for (const auto &[key, state] : states) {
        const QVariantList values{int(state.outcome), int(state.delivery), state.reason, key.number,
                                  key.company};
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        if (!query.exec())
            return false;
    }
    return run(query, QStringLiteral("ALTER TABLE parcels DROP COLUMN status")) &&
           run(query, QStringLiteral("ALTER TABLE parcels DROP COLUMN good_status")) &&
           run(query, QStringLiteral("ALTER TABLE parcels DROP COLUMN failure"));
}
} // namespace

ParcelStore::ParcelStore(QString filePath, const Clock &clock, int busyTimeoutMs)
    : m_path(std::move(filePath)), m_connection(QStringLiteral("parcels-%1").arg(quintptr(this), 0, 16)),
      m_clock(clock), m_busyTimeoutMs(busyTimeoutMs)
{
}

ParcelStore::~ParcelStore()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    database().close();
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase ParcelStore::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

ParcelStore::State ParcelStore::open()
{
    if (m_state != State::Closed)
        return m_state;
    // A missing driver is the build's fault, not the file's: it has a state of its own.
    if (!QSqlDatabase::isDriverAvailable(driverName)) {
        m_cause = QStringLiteral("Qt has no %1 driver; it has %2")
                      .arg(driverName, QSqlDatabase::drivers().join(QLatin1String(", ")));
        qCWarning(storeLog).noquote() << m_cause;
        return m_state = State::NoDriver;
    }
    QSqlDatabase::addDatabase(driverName, m_connection);
    Opened opened = tryOpen();
    if (opened == Opened::Broken && moveAside())
        opened = tryOpen();
    m_state = opened == Opened::Ready   ? State::Ready
              : opened == Opened::Newer ? State::NewerSchema
                                        : openFailure();
    if (m_state != State::Ready) {
        database().close(); // left alone, the lock with it
        qCWarning(storeLog).noquote() << m_path << "left alone:" << m_cause;
    }
    return m_state;
}

// Which of the causes that keep a file from opening this one was.
ParcelStore::State ParcelStore::openFailure() const
{
    const QFileInfo file(m_path);
    if (file.isDir())
        return State::NotAFile;
    if (m_errorCode == u"5" || m_errorCode == u"6") // SQLITE_BUSY, SQLITE_LOCKED
        return State::Held;
    const bool denied =
        m_errorCode == u"3" || m_errorCode == u"8" || m_errorCode == u"23"; // PERM, READONLY, AUTH
    if (denied || !QFileInfo(file.absolutePath()).isWritable() ||
        (file.exists() && !(file.isReadable() && file.isWritable())))
        return State::NoAccess;
    return State::OpenFailed;
}

ParcelStore::Opened ParcelStore::failed(const QSqlError &error, Opened opened)
{
    m_cause = error.text();
    m_errorCode = error.nativeErrorCode();
    return opened;
}

ParcelStore::Opened ParcelStore::tryOpen()
{
    QSqlDatabase db = database();
    db.close();
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeoutMs));
    m_errorCode.clear(); // a cause of the program's own words has no code
    if (QFileInfo(m_path).isDir()) {
        m_cause = QStringLiteral("a folder in its place");
        return Opened::Failed;
    }
    if (!db.open())
        return failed(db.lastError());
    QSqlQuery query(db);
    const auto queryFailed = [&] {
        const QSqlError error = query.lastError();
        return failed(error, saysBroken(error) ? Opened::Broken : Opened::Failed);
    };
    // In exclusive locking mode the first statement takes the lock, and it is kept until the close.
    if (!run(query, QStringLiteral("PRAGMA locking_mode = EXCLUSIVE")) ||
        !run(query, QStringLiteral("PRAGMA journal_mode = WAL")))
        return queryFailed();
    if (!query.next() || query.value(0).toString() != u"wal") {
        m_cause = QStringLiteral("journal mode %1 instead of wal").arg(query.value(0).toString());
        return Opened::Failed;
    }
    if (!run(query, QStringLiteral("PRAGMA synchronous = NORMAL")) ||
        !run(query, QStringLiteral("PRAGMA quick_check")))
        return queryFailed();
    if (!query.next() || query.value(0).toString() != u"ok") {
        m_cause = QStringLiteral("quick_check: ") + query.value(0).toString();
        return Opened::Broken;
    }
    if (!run(query, QStringLiteral("PRAGMA user_version")) || !query.next())
        return queryFailed();
    const int version = query.value(0).toInt();
    if (version > schemaVersion) {
        m_cause = QStringLiteral("user_version %1, above this program's %2").arg(version).arg(schemaVersion);
        return Opened::Newer;
    }
    const bool ready = version == schemaVersion || (version == 0 ? createSchema() : upgradeFrom(version));
    return ready ? Opened::Ready : Opened::Failed;
}

// Moved while still open: closing first would delete a -wal that SQLite takes for its own.
bool ParcelStore::moveAside()
{
    const QString broken = m_path + QStringLiteral(".broken-") + m_clock.now().toString(u"yyyyMMdd-HHmmss");
    for (const char *companion : {"", "-wal", "-shm", "-journal"}) {
        const QString from = m_path + QLatin1String(companion);
        if (QFile::exists(from) && !QFile::rename(from, broken + QLatin1String(companion)))
            return false;
    }
    database().close();
    m_movedAsideTo = QFileInfo(broken).fileName();
    qCWarning(storeLog).noquote() << m_path << "moved aside to" << m_movedAsideTo << "for" << m_cause;
    return true;
}

template <typename Work> bool ParcelStore::write(Work work)
{
    QSqlDatabase db = database();
    if (!db.isOpen())
        return false;
    {
        QSqlQuery query(db);
        if (db.transaction() && work(query) && db.commit())
            return true;
        failed(query.lastError().isValid() ? query.lastError() : db.lastError());
    }
    db.rollback();
    // Left open, for the steps already written: the list shows them still, it only learns no more.
    if (m_state == State::Ready) {
        m_state = State::WriteFailed;
        qCWarning(storeLog).noquote() << m_path << "written no more:" << m_cause;
    }
    return false;
}

// A new file keeps its text in UTF-16, as QString does: read back, it is copied, not converted.
bool ParcelStore::createSchema()
{
    return write([](QSqlQuery &query) {
        return run(query, QStringLiteral("PRAGMA encoding = 'UTF-16'")) &&
               run(query,
                   QStringLiteral("CREATE TABLE parcels (%1, PRIMARY KEY (number, company)) WITHOUT ROWID")
                       .arg(ParcelFields::columnTypes())) &&
               run(query, QStringLiteral("CREATE TABLE steps (number TEXT, company TEXT, position INTEGER, "
                                         "time TEXT, progress TEXT, PRIMARY KEY (number, company, position)) "
                                         "WITHOUT ROWID")) &&
               run(query, QStringLiteral("CREATE TABLE settings (name TEXT PRIMARY KEY, value)")) &&
               run(query, QStringLiteral("PRAGMA user_version = %1").arg(schemaVersion));
    });
}

// An older file is brought up to this schema in place, in one transaction: it keeps all it holds.
bool ParcelStore::upgradeFrom(int version)
{
    return write([version](QSqlQuery &query) {
        // 1 to 2: a note on each parcel, when it was signed for, and how it is archived.
        return (version >= 2 ||
                (run(query, QStringLiteral("ALTER TABLE parcels ADD COLUMN note TEXT NOT NULL DEFAULT ''")) &&
                 run(query, QStringLiteral("ALTER TABLE parcels ADD COLUMN signed_at INTEGER")) &&
                 run(query,
                     QStringLiteral("ALTER TABLE parcels ADD COLUMN archive INTEGER NOT NULL DEFAULT 0")))) &&
               (version >= 3 || stateAsCodes(query)) &&
               run(query, QStringLiteral("PRAGMA user_version = %1").arg(schemaVersion));
    });
}

QString ParcelStore::statusText() const
{
    switch (m_state) {
    case State::Closed:
        break;
    case State::Ready:
        return m_movedAsideTo.isEmpty()
                   ? QString()
                   : QCoreApplication::translate("ParcelStore", "快件记录已损坏，已移至%1并新建")
                         .arg(m_movedAsideTo);
    case State::NewerSchema:
        return QCoreApplication::translate("ParcelStore", "快件记录由更新版本的程序写成，本次仅保存在内存中");
    case State::Held:
        return QCoreApplication::translate("ParcelStore", "快件记录正被另一个程序使用，本次仅保存在内存中");
    case State::NoAccess:
        return QCoreApplication::translate("ParcelStore", "快件记录没有读写权限，本次仅保存在内存中");
    case State::NotAFile:
        return QCoreApplication::translate("ParcelStore", "快件记录的位置是一个文件夹，本次仅保存在内存中");
    case State::OpenFailed:
        return QCoreApplication::translate("ParcelStore", "快件记录无法打开，本次仅保存在内存中");
    case State::WriteFailed:
        return QCoreApplication::translate("ParcelStore", "快件记录无法写入，本次仅保存在内存中");
    case State::NoDriver:
        return QCoreApplication::translate("ParcelStore",
                                           "缺少SQLite驱动，快件记录无法打开，本次仅保存在内存中");
    }
    return QString();
}

QList<ParcelRecord> ParcelStore::parcels() const
{
    QList<ParcelRecord> records;
    if (m_state != State::Ready)
        return records;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!run(query, QStringLiteral("SELECT %1 FROM parcels").arg(ParcelFields::columns())))
        return records;
    const QList<const ParcelFields::Field *> fields = ParcelFields::stored();
    while (query.next()) {
        ParcelRecord record;
        for (int i = 0; i < fields.size(); ++i)
            fields[i]->restore(record, query.value(i));
        records.append(std::move(record));
    }
    return records;
}

QList<ResultRow> ParcelStore::steps(const ParcelKey &key) const
{
    QList<ResultRow> rows;
    if (m_state != State::Ready && m_state != State::WriteFailed)
        return rows;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!run(query,
             QStringLiteral(
                 "SELECT time, progress FROM steps WHERE number = ? AND company = ? ORDER BY position"),
             {key.number, key.company}))
        return rows;
    while (query.next())
        rows.append({query.value(0).toString(), query.value(1).toString()});
    return rows;
}

QHash<QString, QVariant> ParcelStore::settings() const
{
    QHash<QString, QVariant> settings;
    if (m_state != State::Ready)
        return settings;
    QSqlQuery query(database());
    if (run(query, QStringLiteral("SELECT name, value FROM settings"))) {
        while (query.next())
            settings.insert(query.value(0).toString(), query.value(1));
    }
    return settings;
}

bool ParcelStore::save(const ParcelRecord &record, const QList<ResultRow> *steps)
{
    if (m_state != State::Ready)
        return false;
    return write([&](QSqlQuery &query) {
        const ParcelKey &key = record.key;
        if (!saveRecords(query, {record}))
            return false;
        if (!steps)
            return true;
        if (!run(query, QStringLiteral("DELETE FROM steps WHERE number = ? AND company = ?"),
                 {key.number, key.company}) ||
            !query.prepare(QStringLiteral("INSERT INTO steps VALUES (?, ?, ?, ?, ?)")))
            return false;
        query.bindValue(0, key.number);
        query.bindValue(1, key.company);
        for (int position = 0; position < steps->size(); ++position) {
            query.bindValue(2, position);
            query.bindValue(3, steps->at(position).time);
            query.bindValue(4, steps->at(position).progress);
            if (!query.exec())
                return false;
        }
        return true;
    });
}

bool ParcelStore::save(const QList<ParcelRecord> &records)
{
    return m_state == State::Ready && write([&](QSqlQuery &query) { return saveRecords(query, records); });
}

bool ParcelStore::remove(const QList<ParcelKey> &keys)
{
    if (m_state != State::Ready)
        return false;
    return write([&](QSqlQuery &query) {
        for (const ParcelKey &key : keys) {
            for (const char *table : {"parcels", "steps"}) {
                if (!run(query,
                         QStringLiteral("DELETE FROM %1 WHERE number = ? AND company = ?")
                             .arg(QLatin1String(table)),
                         {key.number, key.company}))
                    return false;
            }
        }
        return true;
    });
}

bool ParcelStore::saveSetting(const QString &name, const QVariant &value)
{
    if (m_state != State::Ready)
        return false;
    return write([&](QSqlQuery &query) {
        return run(query, QStringLiteral("INSERT OR REPLACE INTO settings (name, value) VALUES (?, ?)"),
                   {name, value});
    });
}
