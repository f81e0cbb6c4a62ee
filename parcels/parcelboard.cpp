#include "parcels/parcelboard.h"

#include "common/textrules.h"
#include "history/historystore.h"
#include "platform/clock.h"

#include <QSet>
#include <algorithm>

ParcelBoard::ParcelBoard(ParcelStore &store, const Clock &clock, QObject *parent)
    : QObject(parent), m_store(store), m_clock(clock)
{
}

void ParcelBoard::open(const QStringList &historyEntries, Others others)
{
    if (m_open)
        return followHistory(historyEntries, others);
    m_open = true;
    m_store.open();
    m_settings = ListSettings::read(m_store.settings());
    // What the store holds, laid out as the history says, in one step.
    emit aboutToChange({ParcelChange::Kind::Reset});
    m_parcels = m_store.parcels();
    reindex();
    const QList<ParcelKey> order = orderOf(historyEntries, others);
    forget(notIn(order));
    QList<ParcelRecord> parcels;
    parcels.reserve(order.size());
    for (const ParcelKey &key : order) {
        const int known = rowOf(key);
        parcels.append(known >= 0 ? m_parcels[known] : ParcelRecord::fresh(key));
    }
    m_parcels = std::move(parcels);
    reindex();
    emit changed({ParcelChange::Kind::Reset});
}

// Rows are taken away and put in, a run of neighbours at a time, so that the rows between keep
// what the list shows of them: the current row, a note being typed.
void ParcelBoard::followHistory(const QStringList &historyEntries, Others others)
{
    const QList<ParcelKey> order = orderOf(historyEntries, others);
    const QList<ParcelKey> gone = notIn(order);
    const QSet<ParcelKey> going(gone.begin(), gone.end());
    for (int last = count() - 1; last >= 0; --last) {
        if (!going.contains(m_parcels[last].key))
            continue;
        int first = last;
        while (first > 0 && going.contains(m_parcels[first - 1].key))
            --first;
        emit aboutToChange({ParcelChange::Kind::Removed, first, last});
        m_parcels.remove(first, last - first + 1);
        reindex();
        emit changed({ParcelChange::Kind::Removed, first, last});
        last = first;
    }
    forget(gone);
    for (int at = 0; at < order.size(); ++at) {
        if (at < count() && m_parcels[at].key == order[at])
            continue;
        QList<ParcelRecord> coming;
        for (int next = at; next < order.size() && rowOf(order[next]) < 0; ++next)
            coming.append(ParcelRecord::fresh(order[next]));
        if (coming.isEmpty()) { // a parcel of the list whose place changed leaves its row first
            const int from = rowOf(order[at]);
            emit aboutToChange({ParcelChange::Kind::Removed, from, from});
            coming.append(m_parcels.takeAt(from));
            reindex();
            emit changed({ParcelChange::Kind::Removed, from, from});
        }
        const ParcelChange added{ParcelChange::Kind::Added, at, at + int(coming.size()) - 1};
        emit aboutToChange(added);
        m_parcels = m_parcels.first(at) + coming + m_parcels.sliced(at);
        reindex();
        emit changed(added);
        at += int(coming.size()) - 1;
    }
}

// The parcels of the history as HistoryStore reads it, newest entry first, blank entries skipped;
// then, when the others are unknown, those of the board it does not name.
QList<ParcelKey> ParcelBoard::orderOf(const QStringList &historyEntries, Others others) const
{
    QList<ParcelKey> order;
    QSet<ParcelKey> named;
    for (auto entry = historyEntries.crbegin(); entry != historyEntries.crend(); ++entry) {
        const ParcelKey key = HistoryStore::keyOf(*entry);
        if (trimBlanks(key.number).isEmpty() || named.contains(key))
            continue;
        named.insert(key);
        order.append(key);
    }
    for (const ParcelRecord &record : m_parcels) {
        if (others == Others::Unknown && !named.contains(record.key)) {
            named.insert(record.key);
            order.append(record.key);
        }
    }
    return order;
}

QList<ParcelKey> ParcelBoard::notIn(const QList<ParcelKey> &order) const
{
    const QSet<ParcelKey> kept(order.begin(), order.end());
    QList<ParcelKey> gone;
    for (const ParcelRecord &record : m_parcels) {
        if (!kept.contains(record.key))
            gone.append(record.key);
    }
    return gone;
}

void ParcelBoard::forget(const QList<ParcelKey> &gone)
{
    for (const ParcelKey &key : gone)
        m_answeredSteps.remove(key);
    if (gone.isEmpty())
        return;
    const ParcelStore::State before = m_store.state();
    m_store.remove(gone);
    reportStore(before);
}

void ParcelBoard::reindex()
{
    m_rows.clear();
    m_rows.reserve(m_parcels.size());
    for (int row = 0; row < m_parcels.size(); ++row)
        m_rows.insert(m_parcels[row].key, row);
}

QList<ResultRow> ParcelBoard::steps(const ParcelKey &key) const
{
    const auto answered = m_answeredSteps.constFind(key);
    return answered != m_answeredSteps.constEnd() ? *answered : m_store.steps(key);
}

ParcelRecord::Learnt ParcelBoard::recordAnswer(const ParcelKey &key, const QueryOutcome &outcome, Seen seen)
{
    const int row = rowOf(key);
    if (row < 0)
        return outcome.kind == QueryOutcome::Kind::Failed ? ParcelRecord::Learnt::Failed
                                                          : ParcelRecord::Learnt::Kept;
    ParcelRecord &record = m_parcels[row];
    const bool signedBefore = record.signedAt.isValid();
    const ParcelRecord::Learnt learnt = record.learn(outcome, m_clock.now());
    if (seen == Seen::ByUser || (!signedBefore && record.signedAt.isValid()))
        keepInView(key);
    const bool steps = outcome.kind == QueryOutcome::Kind::Answered && learnt != ParcelRecord::Learnt::Failed;
    if (seen == Seen::ByUser && steps)
        record.marked = false;
    if (steps) {
        m_answeredSteps.insert(key, outcome.rows);
        save(record, &outcome.rows);
    } else {
        save(record);
    }
    emit changed({ParcelChange::Kind::Changed, row, row});
    return learnt;
}

void ParcelBoard::clearMark(const ParcelKey &key)
{
    const int row = rowOf(key);
    if (row < 0 || !m_parcels[row].marked)
        return;
    m_parcels[row].marked = false;
    save(m_parcels[row]);
    emit changed({ParcelChange::Kind::Changed, row, row});
}

void ParcelBoard::addImported(const QList<ParcelRecord> &added, const QList<ParcelRecord> &known)
{
    QList<ParcelRecord> saved;
    int first = count(), last = -1;
    const auto learn = [&](const ParcelRecord &parcel, bool whole) {
        const int row = rowOf(parcel.key);
        if (row < 0)
            return;
        ParcelRecord &stored = m_parcels[row];
        if (stored.askedAt.isValid() || !whole) {
            if (!stored.note.isEmpty() || parcel.note.isEmpty())
                return;
            stored.note = parcel.note;
        } else {
            const QString note = stored.note;
            stored = parcel;
            if (!note.isEmpty())
                stored.note = note;
        }
        saved.append(stored);
        first = qMin(first, row);
        last = qMax(last, row);
    };
    for (const ParcelRecord &parcel : added) {
        learn(parcel, true);
        keepInView(parcel.key);
    }
    for (const ParcelRecord &parcel : known)
        learn(parcel, parcel.askedAt.isValid());
    if (saved.isEmpty())
        return;
    const ParcelStore::State before = m_store.state();
    m_store.save(saved);
    reportStore(before);
    emit changed({ParcelChange::Kind::Changed, first, last});
}

void ParcelBoard::setNote(const ParcelKey &key, const QString &typed)
{
    const int row = rowOf(key);
    const QString note = ParcelRecord::noteFrom(typed);
    if (row < 0 || m_parcels[row].note == note)
        return;
    m_parcels[row].note = note;
    save(m_parcels[row]);
    emit changed({ParcelChange::Kind::Changed, row, row});
}

void ParcelBoard::setArchive(const ParcelKey &key, ParcelRecord::Archive archive)
{
    const int row = rowOf(key);
    if (row < 0 || m_parcels[row].archive == archive)
        return;
    m_parcels[row].archive = archive;
    save(m_parcels[row]);
    emit changed({ParcelChange::Kind::Changed, row, row});
}

bool ParcelBoard::isArchived(int row) const
{
    const ParcelRecord &parcel = m_parcels.at(row);
    // Kept in view only from archiving by time: 归档 pressed on it still archives it.
    return parcel.archived(m_clock.now(), m_keptInView.contains(parcel.key) ? -1 : m_settings.archiveDays);
}

int ParcelBoard::archivedCount() const
{
    int archived = 0;
    for (int row = 0; row < count(); ++row)
        archived += isArchived(row);
    return archived;
}

void ParcelBoard::keepInView(const ParcelKey &key)
{
    m_keptInView.insert(key, m_roundsStarted);
}

void ParcelBoard::roundStarted()
{
    ++m_roundsStarted;
}

void ParcelBoard::roundEnded()
{
    QList<int> released;
    for (auto kept = m_keptInView.begin(); kept != m_keptInView.end();) {
        if (kept.value() < m_roundsStarted) { // since before this round began
            released.append(rowOf(kept.key()));
            kept = m_keptInView.erase(kept);
        } else {
            ++kept;
        }
    }
    for (int row : std::as_const(released))
        if (row >= 0)
            emit changed({ParcelChange::Kind::Changed, row, row});
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
            emit changed({ParcelChange::Kind::Changed, row, row});
        }
    }
}

void ParcelBoard::setSettings(const ListSettings &settings)
{
    const ParcelStore::State before = m_store.state();
    for (const auto &[name, value] : m_settings.changes(settings))
        m_store.saveSetting(name, value);
    m_settings = settings;
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
