#include "app/overviewlink.h"

#include "app/historycontroller.h"
#include "common/bringtofront.h"
#include "monitor/parcelnotification.h"
#include "overview/overviewwindow.h"
#include "parcels/parcelbook.h"
#include "parcels/refreshengine.h"

#include <QWidget>

OverviewLink::OverviewLink(ParcelBook &book, HistoryController &history, MessageBoxes &boxes,
                           const Platform &platform, const QString &trackingHost, QWidget *window)
    : QObject(window), m_book(book), m_history(history), m_boxes(boxes), m_platform(platform),
      m_window(window), m_refresh(std::make_unique<RefreshEngine>(book, platform, trackingHost, this))
{
    m_refresh->setObjectName(QStringLiteral("refreshEngine"));
    connect(m_refresh.get(), &RefreshEngine::ended, this,
            [this](RefreshEngine::Ending, const QList<ParcelKey> &grown) { notifyRefreshed(grown); });
    connect(&platform.notifier, &Notifier::activated, this, &OverviewLink::notificationActivated);
}

OverviewLink::~OverviewLink() = default;

void OverviewLink::updateCheckEnded()
{
    m_refresh->updateCheckEnded();
}

OverviewWindow *OverviewLink::showWindow()
{
    m_book.openRecord();
    if (!m_overview) {
        m_overview = std::make_unique<OverviewWindow>(m_book, *m_refresh, m_boxes, m_platform.files,
                                                      m_platform.clock, m_window);
        connect(m_overview.get(), &OverviewWindow::openRequested, this, &OverviewLink::openRequested);
        connect(m_overview.get(), &OverviewWindow::deleteRequested, this, [this](const ParcelKey &key) {
            m_history.deleteNumber(key.number, m_overview.get()); // its question over the list
        });
    }
    bringToFront(m_overview.get());
    return m_overview.get();
}

void OverviewLink::closeWindow()
{
    if (m_overview)
        m_overview->close();
}

void OverviewLink::hideWindow()
{
    if (m_overview)
        m_overview->hide();
}

void OverviewLink::refreshAll()
{
    m_book.openRecord();
    m_refresh->refreshAll();
}

void OverviewLink::setStatus(const QString &text)
{
    if (m_overview)
        m_overview->setStatus(text);
}

void OverviewLink::notifyRefreshed(const QList<ParcelKey> &grown)
{
    // The engine posts: it lives for the whole run, so an activation finds the list even closed.
    for (const Notification &notification : ParcelNotification::forRefresh(m_book.grown(grown)))
        m_platform.notifier.notify(notification, m_refresh.get());
}

void OverviewLink::notificationActivated(const QString &key, QObject *poster)
{
    if (poster != m_refresh.get()) // the main window's own, or another window's
        return;
    if (m_window->isHidden()) // in the tray: the list comes back over it
        bringToFront(m_window);
    OverviewWindow *overview = showWindow();
    const ParcelBoard &board = m_book.board();
    for (int row = 0; row < board.count(); ++row) {
        const ParcelKey &parcel = board.parcel(row).key;
        if (ParcelNotification::key(parcel.number, parcel.company) == key)
            return overview->selectParcel(parcel);
    }
}
