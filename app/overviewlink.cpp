#include "app/overviewlink.h"

#include "common/bringtofront.h"
#include "common/firstframe.h"
#include "history/historycontroller.h"
#include "history/historystore.h"
#include "monitor/parcelnotification.h"
#include "overview/overviewwindow.h"
#include "parcels/parcelboard.h"
#include "parcels/parcelstore.h"
#include "parcels/refreshengine.h"

#include <QWidget>

namespace {
// A history file that could not be read says nothing of the parcels it may hold.
ParcelBoard::Others othersOf(const HistoryStore &history)
{
    return history.unreadable() ? ParcelBoard::Others::Unknown : ParcelBoard::Others::Gone;
}
} // namespace

OverviewLink::OverviewLink(MainWindowSide mainWindow, const Platform &platform, const QString &trackingHost,
                           const ProgramFolders &folders)
    : QObject(mainWindow.window), m_mainWindow(std::move(mainWindow)), m_notifier(platform.notifier),
      m_files(platform.files), m_clock(platform.clock),
      m_store(std::make_unique<ParcelStore>(folders.dataFile(QLatin1String(ParcelStore::fileName)),
                                            platform.clock)),
      m_board(std::make_unique<ParcelBoard>(*m_store, platform.clock, this)),
      m_refresh(std::make_unique<RefreshEngine>(*m_board, platform, trackingHost, this))
{
    m_refresh->setObjectName(QStringLiteral("refreshEngine"));
    connect(m_refresh.get(), &RefreshEngine::ended, this,
            [this](RefreshEngine::Ending, const QList<ParcelKey> &grown) { notifyRefreshed(grown); });
    connect(&m_notifier, &Notifier::activated, this, &OverviewLink::notificationActivated);
    // A number added from the list joins the history as a main-window query's does: once answered.
    connect(m_refresh.get(), &RefreshEngine::newNumberAnswered, this,
            [this](const ParcelKey &key, const QueryOutcome &outcome) {
                if (outcome.kind != QueryOutcome::Kind::Answered)
                    return;
                m_mainWindow.historyController.add(key.number, key.company);
            });
    connect(&m_mainWindow.historyController, &HistoryController::changed, this, &OverviewLink::followHistory);
}

OverviewLink::~OverviewLink() = default;

void OverviewLink::openRecordSoon()
{
    if (!m_board->isOpen())
        afterFirstFrame(m_mainWindow.window, [this] { openRecord(); });
}

void OverviewLink::openRecord()
{
    if (!m_board->isOpen())
        m_board->open(m_mainWindow.history.entries(), othersOf(m_mainWindow.history));
}

void OverviewLink::followHistory()
{
    if (m_board->isOpen())
        m_board->followHistory(m_mainWindow.history.entries(), othersOf(m_mainWindow.history));
}

void OverviewLink::queried(const ParcelKey &key, const QueryOutcome &outcome)
{
    openRecord(); // an answer that comes before the first frame's work is learnt all the same
    m_board->recordAnswer(key, outcome, ParcelBoard::Seen::ByUser);
}

QString OverviewLink::noteOf(const ParcelKey &key) const
{
    return m_board->noteOf(key);
}

void OverviewLink::updateCheckEnded()
{
    m_refresh->updateCheckEnded();
}

OverviewWindow *OverviewLink::showWindow()
{
    openRecord();
    if (!m_overview) {
        m_overview = std::make_unique<OverviewWindow>(*m_board, *m_refresh, m_mainWindow.boxes, m_files,
                                                      m_clock, m_mainWindow.window);
        connect(m_overview.get(), &OverviewWindow::openRequested, this, &OverviewLink::openParcel);
        connect(m_overview.get(), &OverviewWindow::deleteRequested, this, &OverviewLink::deleteParcel);
        connect(m_overview.get(), &OverviewWindow::importConfirmed, this, &OverviewLink::importParcels);
    }
    bringToFront(m_overview.get());
    return m_overview.get();
}

void OverviewLink::closeWindow()
{
    if (m_overview)
        m_overview->close();
}

void OverviewLink::openParcel(const ParcelKey &key)
{
    const QString refused = m_mainWindow.busy();
    if (!refused.isEmpty()) {
        if (m_overview)
            m_overview->setStatus(refused);
        return;
    }
    // What the list showed of it, unless its mark says it grew since the user last looked.
    const int row = m_board->rowOf(key);
    const ParcelRecord *parcel = row >= 0 ? &m_board->parcel(row) : nullptr;
    const int seen = parcel && parcel->askedAt.isValid() && !parcel->marked ? parcel->stepCount : 0;
    m_board->clearMark(key);
    m_mainWindow.pickAndQuery(key, seen);
}

void OverviewLink::deleteParcel(const ParcelKey &key)
{
    m_mainWindow.historyController.deleteNumber(key.number,
                                                m_overview.get()); // its question over the overview
}

// One step over both files: the new parcels join the history first, in the file's order, which
// brings their rows; then they and the known ones take what the file says of them. A history that
// cannot be written takes none, and the record is left as it was.
void OverviewLink::importParcels(const ParcelFile::Import &import)
{
    QList<HistoryStore::Picked> parcels;
    for (const ParcelRecord &parcel : import.added)
        parcels.append({parcel.key.number, parcel.key.company});
    if (!parcels.isEmpty() &&
        m_mainWindow.historyController.addAll(parcels) == HistoryStore::AddResult::SaveFailed)
        return m_overview->setStatus(QStringLiteral("单号记录保存失败，未导入任何快件"));
    m_board->addImported(import.added, import.known);
    const QString imported = u'已' + import.done();
    const QString record = m_board->storeStatus(); // the import lives in memory only
    m_overview->setStatus(record.isEmpty() ? imported : imported + QStringLiteral("；") + record,
                          m_board->storeCause());
}

void OverviewLink::notifyRefreshed(const QList<ParcelKey> &grown)
{
    QList<ParcelNotification::Grown> parcels;
    for (const ParcelKey &key : grown) {
        const int row = m_board->rowOf(key);
        if (row < 0)
            continue;
        const ParcelRecord &parcel = m_board->parcel(row);
        parcels.append({key.company, key.number, parcel.newestTime, parcel.newestStep, parcel.note});
    }
    // The engine posts: it lives for the whole run, so an activation finds the overview even closed.
    for (const Notification &notification : ParcelNotification::forRefresh(parcels))
        m_notifier.notify(notification, m_refresh.get());
}

void OverviewLink::notificationActivated(const QString &key, QObject *poster)
{
    if (poster != m_refresh.get()) // the main window's own, or another window's
        return;
    OverviewWindow *overview = showWindow();
    for (int row = 0; row < m_board->count(); ++row) {
        const ParcelKey &parcel = m_board->parcel(row).key;
        if (ParcelNotification::key(parcel.number, parcel.company) == key)
            return overview->selectParcel(parcel);
    }
}
