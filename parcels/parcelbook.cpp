#include "parcels/parcelbook.h"

namespace {
// A history file that could not be read says nothing of the parcels it may hold.
ParcelBoard::Others othersOf(const HistoryStore &history)
{
    return history.unreadable() ? ParcelBoard::Others::Unknown : ParcelBoard::Others::Gone;
}
} // namespace

ParcelBook::ParcelBook(const Files &files, const Clock &clock, QObject *parent)
    : QObject(parent), m_history(files.history, files.earlierHistory),
      m_store(files.record, clock, files.recordBusyMs), m_board(m_store, clock)
{
}

ParcelBook::~ParcelBook() = default;

void ParcelBook::loadHistory()
{
    m_history.load();
    followHistory();
    emit historyChanged(0);
}

void ParcelBook::openRecord()
{
    if (!m_board.isOpen())
        m_board.open(m_history.entries(), othersOf(m_history));
}

void ParcelBook::followHistory()
{
    if (m_board.isOpen())
        m_board.followHistory(m_history.entries(), othersOf(m_history));
}

HistoryStore::AddResult ParcelBook::add(const QString &typedNumber, const QString &company)
{
    const HistoryStore::AddResult result = m_history.add(typedNumber, company);
    if (result == HistoryStore::AddResult::Added || result == HistoryStore::AddResult::SaveFailed) {
        followHistory();
        emit historyChanged(1);
    }
    return result;
}

bool ParcelBook::recordQuery(const QString &typedNumber, const QString &company, const QueryOutcome &outcome)
{
    openRecord(); // an answer that comes before the first frame's work is learnt all the same
    const bool saved = outcome.kind != QueryOutcome::Kind::Answered ||
                       add(typedNumber, company) != HistoryStore::AddResult::SaveFailed;
    m_board.recordAnswer({HistoryStore::recordedNumber(typedNumber), company}, outcome,
                         ParcelBoard::Seen::ByUser);
    return saved;
}

ParcelRecord::Learnt ParcelBook::recordRefresh(const ParcelKey &key, const QueryOutcome &outcome, Asked asked)
{
    if (asked == Asked::Added && outcome.kind == QueryOutcome::Kind::Answered)
        add(key.number, key.company);
    return m_board.recordAnswer(key, outcome);
}

bool ParcelBook::applyImport(const ParcelFile::Import &import)
{
    openRecord();
    QList<ParcelKey> parcels;
    for (const ParcelRecord &parcel : import.added)
        parcels.append(parcel.key);
    const qsizetype before = m_history.entries().size();
    if (!parcels.isEmpty() && m_history.addAll(parcels) == HistoryStore::AddResult::SaveFailed)
        return false;
    if (m_history.entries().size() != before) {
        followHistory();
        emit historyChanged(int(m_history.entries().size() - before));
    }
    m_board.addImported(import.added, import.known);
    return true;
}

bool ParcelBook::removeNumber(const QString &number)
{
    const qsizetype before = m_history.entries().size();
    const bool saved = m_history.removeNumber(number);
    if (m_history.entries().size() != before) {
        followHistory();
        emit historyChanged(0);
    }
    return saved;
}

bool ParcelBook::clearHistory()
{
    const bool hadEntries = !m_history.entries().isEmpty();
    const bool cleared = m_history.clear();
    if (hadEntries) {
        followHistory();
        emit historyChanged(0);
    }
    return cleared;
}

int ParcelBook::openedFromList(const ParcelKey &key)
{
    const int row = m_board.rowOf(key);
    const ParcelRecord *parcel = row >= 0 ? &m_board.parcel(row) : nullptr;
    const int seen = parcel && parcel->askedAt.isValid() && !parcel->marked ? parcel->stepCount : 0;
    m_board.clearMark(key);
    return seen;
}

void ParcelBook::clearMark(const ParcelKey &key)
{
    m_board.clearMark(key);
}

void ParcelBook::setNote(const ParcelKey &key, const QString &typed)
{
    m_board.setNote(key, typed);
}

void ParcelBook::setArchive(const ParcelKey &key, ParcelRecord::Archive archive)
{
    m_board.setArchive(key, archive);
}

void ParcelBook::roundStarted()
{
    m_board.roundStarted();
}

void ParcelBook::roundEnded()
{
    m_board.roundEnded();
}

void ParcelBook::settleFutureAskedTimes()
{
    m_board.settleFutureAskedTimes();
}

QList<ParcelNotification::Grown> ParcelBook::grown(const QList<ParcelKey> &keys) const
{
    QList<ParcelNotification::Grown> parcels;
    for (const ParcelKey &key : keys) {
        const int row = m_board.rowOf(key);
        if (row < 0)
            continue;
        const ParcelRecord &parcel = m_board.parcel(row);
        parcels.append({key.company, key.number, parcel.newestTime, parcel.newestStep, parcel.note});
    }
    return parcels;
}
