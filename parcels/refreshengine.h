#pragma once

#include "parcels/parcelbook.h"
#include "platform/platform.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <optional>

// Refreshes the overview's parcels in the background: asks the service about each, one after
// another, through the same request and answer reading as the main query, with a pause of about
// a second between two requests. No event loop of its own runs and at most one request is in
// flight, so the windows stay usable. One refresh runs at a time.
//   全部查询 (refreshAll) asks every parcel whose company the catalogue knows, in the board's order.
//   自动查询 comes every 30, 60, 120 or 240 minutes while the program runs: the first one an
//   interval after the last recorded refresh, or at once when that is past, and never before the
//   update check has ended. It skips parcels signed for, asks at most 50, those asked longest ago
//   first, and stops after 5 failures in a row. One that falls due while a refresh runs is skipped.
//   Within a run the rounds follow the clock's steady count, so that setting the date and time
//   neither delays nor hurries them; a recorded time later than now counts as now.
class RefreshEngine : public QObject {
    Q_OBJECT
public:
    enum class Ending { Finished, Stopped, TooManyFailures };
    static constexpr int pauseMs = 1000;
    static constexpr int automaticLimit = 50;
    static constexpr int failuresBeforeStop = 5;

    RefreshEngine(ParcelBook &book, const Platform &platform, QString trackingHost,
                  QObject *parent = nullptr);

    // 全部查询; false while a refresh runs or before the board is open.
    bool refreshAll();
    // Numbers not on the list yet, asked as a refresh asks; the book adds each that is answered.
    // False while a refresh runs or before the record is open.
    bool askNewNumbers(const QList<ParcelKey> &keys);
    // 停止: the refresh ends after the request in flight.
    void stop();
    bool isRunning() const { return m_running; }

    int automaticMinutes() const;
    void setAutomaticMinutes(int minutes); // one of ListSettings::automaticChoices
    void updateCheckEnded();               // automatic refreshes may come from now on

    static QString progressText(int done, int total) { return tr("已查询 %1/%2").arg(done).arg(total); }
    // What the status line says when a refresh ends, with how many parcels grew.
    static QString endingText(Ending ending, qsizetype grown);

signals:
    void started(bool automatic);
    void progressChanged(int done, int total);
    void newNumberAnswered(const ParcelKey &key, const QueryOutcome &outcome); // once the book has it
    void newNumbersEnded(const QString &summary); // what became of the numbers of askNewNumbers
    // `grown`: the parcels that grew in this refresh, in the order they were asked.
    void ended(RefreshEngine::Ending ending, const QList<ParcelKey> &grown);

private:
    void start(const QList<ParcelKey> &queue, bool automatic);
    void askNext();
    void answered(const ParcelKey &key, const FetchResult &fetched);
    void finish(Ending ending);
    void checkAutomatic();
    QList<ParcelKey> automaticQueue() const;

    ParcelBook &m_book;
    WebFetch &m_fetch;
    const Clock &m_clock;
    QString m_trackingHost;
    QTimer m_pause;           // between two requests
    QTimer m_automaticCheck;  // whether an automatic refresh is due
    QList<ParcelKey> m_queue; // still to ask in this refresh
    QList<ParcelKey> m_grown;
    QSet<ParcelKey> m_newNumbers; // of an askNewNumbers run, not answered yet
    qsizetype m_newAsked = 0;     // how many that run asks
    QStringList m_newOutcomes;    // of those answered: "" when added, else "number（why not）"
    bool m_running = false;
    bool m_automatic = false;
    bool m_asking = false; // a request is in flight
    bool m_stopAsked = false;
    bool m_updateCheckEnded = false;
    int m_done = 0;
    int m_total = 0;
    int m_failuresInRow = 0;
    std::optional<qint64> m_nextAutomatic; // on the steady count; none until worked out from the last refresh
};
