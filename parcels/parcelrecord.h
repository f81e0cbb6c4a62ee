#pragma once

#include "history/parcelkey.h"
#include "parcels/parcelstate.h"
#include "tracking/queryoutcome.h"

#include <QDateTime>
#include <QString>

// What was learnt about one parcel. The steps themselves are kept apart (ParcelStore::steps).
struct ParcelRecord {
    ParcelKey key;
    ParcelState state;
    int stepCount = 0;  // of the last good answer
    QString newestTime; // the newest step of the last good answer
    QString newestStep;
    QDateTime askedAt;   // when the service was last asked; invalid before that
    QDateTime grewAt;    // when a refresh last found more steps
    bool marked = false; // 有更新: grew since the user last looked
    QString note;        // the user's name for the parcel, one line of at most noteLength characters
    QDateTime signedAt;  // the time of the step that said 已签收, as the first answer saying so had it;
                         // invalid while not signed for
    // What puts the parcel in the archive: the 归档 setting's time after signedAt, 归档 pressed
    // on it, or 取消归档, which keeps it out for good.
    enum class Archive { ByTime, ByHand, Back };
    Archive archive = Archive::ByTime;

    static constexpr qsizetype noteLength = 40;
    // A note as it is kept: line breaks become blanks, other control characters go, and it is cut
    // to noteLength characters, never inside one.
    static QString noteFrom(const QString &typed);

    // What an answer came to for the parcel.
    enum class Learnt {
        Failed, // no usable answer, or a page without steps for a parcel that has some
        Kept,   // a refusal, or the steps without news
        Grew,   // more steps than before, from more than 0
    };

    // A parcel not asked yet; one of a company the catalogue does not know is never asked.
    static ParcelRecord fresh(const ParcelKey &key);
    static QDateTime stepTime(const QString &time, const QDateTime &now);
    bool askable() const;
    bool signedFor() const { return state.signedFor(); } // by the last good answer
    // Whether the parcel is archived at `now`, with the setting's `afterDays` (negative: never):
    // out of the list unless asked for, and never refreshed.
    bool archived(const QDateTime &now, int afterDays) const;
    // Learns what the service said at `now`. A refusal or a failure keeps the last good status,
    // steps and count, and so does a page without steps for a parcel that has some: a maintenance
    // or login page would otherwise erase them, and the next real step would not count as news.
    // A parcel that grew from more than 0 steps is marked.
    Learnt learn(const QueryOutcome &outcome, const QDateTime &now);
};
