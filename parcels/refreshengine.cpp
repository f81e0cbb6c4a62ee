#include "parcels/refreshengine.h"

#include "parcels/numberbatch.h"
#include "tracking/catalogue.h"
#include "tracking/queryoutcome.h"
#include "tracking/trackingrequest.h"

#include <algorithm>
#include <limits>

namespace {
constexpr qint64 minuteMs = 60 * 1000;
}

RefreshEngine::RefreshEngine(ParcelBook &book, const Platform &platform, QString trackingHost,
                             QObject *parent)
    : QObject(parent), m_book(book), m_fetch(platform.fetch), m_clock(platform.clock),
      m_trackingHost(std::move(trackingHost)), m_pause(this), m_automaticCheck(this)
{
    m_pause.setObjectName(QStringLiteral("refreshPauseTimer"));
    m_pause.setSingleShot(true);
    m_pause.setInterval(pauseMs);
    connect(&m_pause, &QTimer::timeout, this, &RefreshEngine::askNext);
    // The clock decides; the timer only looks at it now and then.
    m_automaticCheck.setObjectName(QStringLiteral("automaticRefreshTimer"));
    m_automaticCheck.setInterval(30 * 1000);
    connect(&m_automaticCheck, &QTimer::timeout, this, &RefreshEngine::checkAutomatic);
}

bool RefreshEngine::refreshAll()
{
    if (m_running || !m_book.board().isOpen())
        return false;
    QList<ParcelKey> queue;
    for (int row = 0; row < m_book.board().count(); ++row) {
        if (m_book.board().parcel(row).askable() && !m_book.board().isArchived(row))
            queue.append(m_book.board().parcel(row).key);
    }
    start(queue, false);
    return true;
}

bool RefreshEngine::askNewNumbers(const QList<ParcelKey> &keys)
{
    if (m_running || !m_book.board().isOpen())
        return false;
    m_newNumbers = QSet<ParcelKey>(keys.begin(), keys.end());
    m_newAsked = keys.size();
    m_newOutcomes.clear();
    start(keys, false);
    return true;
}

void RefreshEngine::stop()
{
    if (!m_running)
        return;
    m_stopAsked = true;
    if (!m_asking)
        finish(Ending::Stopped);
}

int RefreshEngine::automaticMinutes() const
{
    return m_book.settings().automaticMinutes;
}

void RefreshEngine::setAutomaticMinutes(int minutes)
{
    m_book.setSetting(&ListSettings::automaticMinutes, minutes);
    m_nextAutomatic.reset();
    checkAutomatic();
}

void RefreshEngine::updateCheckEnded()
{
    m_updateCheckEnded = true;
    m_automaticCheck.start();
    checkAutomatic();
}

QString RefreshEngine::endingText(Ending ending, qsizetype grown)
{
    const QString news = grown > 0 ? tr("，%n件有更新", nullptr, int(grown)) : QString();
    switch (ending) {
    case Ending::Finished:
        return tr("查询完毕") + news;
    case Ending::Stopped:
        return tr("查询已停止") + news;
    case Ending::TooManyFailures:
        break;
    }
    return tr("自动查询连续%1次失败，已停止").arg(failuresBeforeStop) + news;
}

void RefreshEngine::start(const QList<ParcelKey> &queue, bool automatic)
{
    m_running = true;
    m_book.roundStarted();
    m_automatic = automatic;
    m_stopAsked = false;
    m_queue = queue;
    m_grown.clear();
    m_done = 0;
    m_total = int(queue.size());
    m_failuresInRow = 0;
    m_book.setSetting(&ListSettings::lastRefresh, m_clock.now().toUTC());
    m_nextAutomatic = m_clock.steadyMs() + minuteMs * automaticMinutes();
    emit started(automatic);
    emit progressChanged(0, m_total);
    askNext();
}

void RefreshEngine::askNext()
{
    if (m_queue.isEmpty())
        return finish(Ending::Finished);
    const ParcelKey key = m_queue.takeFirst();
    const QString code = Catalogue::code(int(Catalogue::names().indexOf(key.company)));
    m_asking = true;
    m_fetch.getInBackground(TrackingRequest::url(m_trackingHost, code, key.number), this,
                            [this, key](const FetchResult &fetched) { answered(key, fetched); });
}

void RefreshEngine::answered(const ParcelKey &key, const FetchResult &fetched)
{
    m_asking = false;
    const QueryOutcome outcome = QueryOutcome::read(fetched);
    ++m_done;
    const bool added = m_newNumbers.remove(key);
    const ParcelRecord::Learnt learnt =
        m_book.recordRefresh(key, outcome, added ? ParcelBook::Asked::Added : ParcelBook::Asked::Listed);
    if (added) {
        const bool answered = outcome.kind == QueryOutcome::Kind::Answered;
        m_newOutcomes.append(answered ? QString() : tr("%1（%2）").arg(key.number, outcome.message()));
        emit newNumberAnswered(key, outcome);
    }
    if (learnt == ParcelRecord::Learnt::Grew)
        m_grown.append(key);
    m_failuresInRow = learnt == ParcelRecord::Learnt::Failed ? m_failuresInRow + 1 : 0;
    emit progressChanged(m_done, m_total);
    if (m_automatic && m_failuresInRow >= failuresBeforeStop)
        finish(Ending::TooManyFailures);
    else if (m_stopAsked)
        finish(Ending::Stopped);
    else if (m_queue.isEmpty())
        finish(Ending::Finished);
    else
        m_pause.start();
}

void RefreshEngine::finish(Ending ending)
{
    m_running = false;
    m_newNumbers.clear();
    m_pause.stop();
    m_queue.clear();
    m_book.roundEnded();
    emit ended(ending, std::exchange(m_grown, {}));
    if (m_newAsked > 0)
        emit newNumbersEnded(
            NumberBatch::summary(m_newOutcomes, std::exchange(m_newAsked, 0) - m_newOutcomes.size()));
}

void RefreshEngine::checkAutomatic()
{
    const int minutes = automaticMinutes();
    if (!m_updateCheckEnded || !m_book.board().isOpen() || minutes == 0)
        return;
    const qint64 now = m_clock.steadyMs();
    if (!m_nextAutomatic) {
        const QDateTime wallNow = m_clock.now(), last = m_book.settings().lastRefresh;
        const qint64 sinceLast =
            last.isValid() ? std::max<qint64>(0, last.msecsTo(wallNow)) : minuteMs * minutes;
        m_nextAutomatic = now + std::max<qint64>(0, minuteMs * minutes - sinceLast);
    }
    if (now < *m_nextAutomatic)
        return;
    if (!m_running) {
        m_book.settleFutureAskedTimes();
        return start(automaticQueue(), true);
    }
    while (*m_nextAutomatic <= now) // skipped: the next one comes an interval later
        *m_nextAutomatic += minuteMs * minutes;
}

QList<ParcelKey> RefreshEngine::automaticQueue() const
{
    QList<const ParcelRecord *> candidates;
    for (int row = 0; row < m_book.board().count(); ++row) {
        const ParcelRecord &record = m_book.board().parcel(row);
        if (record.askable() && !record.signedFor() && !m_book.board().isArchived(row))
            candidates.append(&record);
    }
    // Never asked comes first; ties keep the board's order.
    const auto askedAt = [](const ParcelRecord *record) {
        return record->askedAt.isValid() ? record->askedAt.toMSecsSinceEpoch()
                                         : std::numeric_limits<qint64>::min();
    };
    std::ranges::stable_sort(candidates, {}, askedAt);
    QList<ParcelKey> queue;
    for (const ParcelRecord *record : candidates.first(qMin(candidates.size(), qsizetype(automaticLimit))))
        queue.append(record->key);
    return queue;
}
