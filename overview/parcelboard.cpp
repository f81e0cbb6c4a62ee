#include "overview/parcelboard.h"

#include "common/textrules.h"
#include "history/historystore.h"
#include "platform/clock.h"

#include <algorithm>

ParcelBoard::ParcelBoard(ParcelStore &store, const Clock &clock, QObject *parent)
    : QObject(parent), m_store(store), m_clock(clock)
{
}

void ParcelBoard::open(const QStringList &historyEntries, Others others)
{
    if (!m_open) {
        m_open = true;
        m_store.open();
        m_settings = m_store.settings();
        // What the store holds, until the history says which of it still counts.
        m_parcels = m_store.parcels();
        for (int row = 0; row < m_parcels.size(); ++row)
            m_rows.insert(m_parcels[row].key, row);
    }
    followHistory(historyEntries, others);
}

void ParcelBoard::followHistory(const QStringList &historyEntries, Others others)
{
    QList<ParcelRecord> parcels;
    QHash<ParcelKey, int> rows;
    for (auto entry = historyEntries.crbegin(); entry != historyEntries.crend(); ++entry) {
        const HistoryStore::Picked picked = HistoryStore::pick(*entry);
        const ParcelKey key{picked.number, picked.company};
        if (trimBlanks(key.number).isEmpty() || rows.contains(key))
            continue;
        rows.insert(key, int(parcels.size()));
        const int known = rowOf(key);
        parcels.append(known >= 0 ? m_parcels[known] : ParcelRecord::fresh(key));
    }
    QList<ParcelKey> gone;
    for (const ParcelRecord &record : std::as_const(m_parcels)) {
        if (rows.contains(record.key))
            continue;
        if (others == Others::Unknown) {
            rows.insert(record.key, int(parcels.size()));
            parcels.append(record);
        } else {
            gone.append(record.key);
        }
    }
    for (const ParcelKey &key : std::as_const(gone))
        m_answeredSteps.remove(key);
    if (!gone.isEmpty()) {
        const ParcelStore::State before = m_store.state();
        m_store.remove(gone);
        reportStore(before);
    }
    if (rows == m_rows) // the same parcels in the same order
        return;
    emit aboutToReset();
    m_parcels = std::move(parcels);
    m_rows = std::move(rows);
    emit wasReset();
}

QList<ResultRow> ParcelBoard::steps(const ParcelKey &key) const
{
    const auto answered = m_answeredSteps.constFind(key);
    return answered != m_answeredSteps.constEnd() ? *answered : m_store.steps(key);
}

ParcelRecord::Taken ParcelBoard::recordAnswer(const ParcelKey &key, const QueryOutcome &outcome, Seen seen)
{
    const int row = rowOf(key);
    if (row < 0)
        return outcome.kind == QueryOutcome::Kind::Failed ? ParcelRecord::Taken::Failed
                                                          : ParcelRecord::Taken::Kept;
    ParcelRecord &record = m_parcels[row];
    const ParcelRecord::Taken taken = record.learn(outcome, m_clock.now());
    const bool steps = outcome.kind == QueryOutcome::Kind::Answered && taken != ParcelRecord::Taken::Failed;
    if (seen == Seen::ByUser && steps)
        record.marked = false;
    if (steps) {
        m_answeredSteps.insert(key, outcome.rows);
        save(record, &outcome.rows);
    } else {
        save(record);
    }
    emit parcelChanged(row);
    return taken;
}

void ParcelBoard::clearMark(const ParcelKey &key)
{
    const int row = rowOf(key);
    if (row < 0 || !m_parcels[row].marked)
        return;
    m_parcels[row].marked = false;
    save(m_parcels[row]);
    emit parcelChanged(row);
}

void ParcelBoard::addImported(const QList<ParcelRecord> &added, const QList<ParcelRecord> &known)
{
    for (const ParcelRecord &parcel : known) {
        const int row = rowOf(parcel.key);
        if (row < 0)
            continue;
        ParcelRecord &stored = m_parcels[row];
        if (stored.askedAt.isValid() || !parcel.askedAt.isValid()) {
            if (stored.note.isEmpty())
                setNote(parcel.key, parcel.note);
            continue;
        }
        const QString note = stored.note;
        stored = parcel;
        if (!note.isEmpty())
            stored.note = note;
        save(stored);
        emit parcelChanged(row);
    }
    QList<ParcelRecord> fresh;
    for (const ParcelRecord &parcel : added) {
        if (!m_rows.contains(parcel.key))
            fresh.append(parcel);
    }
    if (fresh.isEmpty())
        return;
    const ParcelStore::State before = m_store.state();
    m_store.save(fresh);
    reportStore(before);
    emit aboutToReset();
    for (const ParcelRecord &parcel : std::as_const(fresh)) {
        m_rows.insert(parcel.key, int(m_parcels.size()));
        m_parcels.append(parcel);
    }
    emit wasReset();
}

void ParcelBoard::setNote(const ParcelKey &key, const QString &typed)
{
    const int row = rowOf(key);
    const QString note = ParcelRecord::noteFrom(typed);
    if (row < 0 || m_parcels[row].note == note)
        return;
    m_parcels[row].note = note;
    save(m_parcels[row]);
    emit parcelChanged(row);
}

void ParcelBoard::setArchive(const ParcelKey &key, ParcelRecord::Archive archive)
{
    const int row = rowOf(key);
    if (row < 0 || m_parcels[row].archive == archive)
        return;
    m_parcels[row].archive = archive;
    save(m_parcels[row]);
    emit parcelChanged(row);
}

int ParcelBoard::archiveDays() const
{
    const QVariant days = setting(QLatin1String(archiveSetting));
    return days.isValid() && std::ranges::find(archiveChoices, days.toInt()) != std::end(archiveChoices)
               ? days.toInt()
               : 3;
}

bool ParcelBoard::isArchived(int row) const
{
    return m_parcels.at(row).archived(m_clock.now(), archiveDays());
}

QString ParcelBoard::noteOf(const ParcelKey &key) const
{
    const int row = rowOf(key);
    return row < 0 ? QString() : m_parcels[row].note;
}

void ParcelBoard::settleFutureAskedTimes()
{
    const QDateTime now = m_clock.now();
    for (int row = 0; row < count(); ++row) {
        ParcelRecord &record = m_parcels[row];
        if (record.askedAt > now) {
            record.askedAt = now;
            save(record);
            emit parcelChanged(row);
        }
    }
}

void ParcelBoard::setSetting(const QString &name, const QVariant &value)
{
    m_settings.insert(name, value);
    const ParcelStore::State before = m_store.state();
    m_store.saveSetting(name, value);
    reportStore(before);
}

void ParcelBoard::save(const ParcelRecord &record, const QList<ResultRow> *steps)
{
    const ParcelStore::State before = m_store.state();
    m_store.save(record, steps);
    reportStore(before);
}

void ParcelBoard::reportStore(ParcelStore::State before)
{
    if (m_store.state() != before)
        emit storeStatusChanged(m_store.statusText());
}
