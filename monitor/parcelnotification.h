#pragma once

#include "platform/notifier.h"

#include <QList>

// What the desktop is told when a parcel's history grew, whether the main window's query or a
// refresh of every parcel saw it: one wording, and one key per parcel, so that a parcel's latest
// notification replaces its earlier one whichever window posted it.
struct ParcelNotification {
    struct Grown {
        QString company;
        QString number; // as the history records it
        QString newestTime;
        QString newestStep;
        QString note = {}; // the user's name for the parcel, which then names it first
    };

    static QString key(const QString &number, const QString &company);
    // "快件有更新" with "company number" ("note · company number" for a parcel with a note) and
    // "time step", the step as text without its markup, each line cut at 100 characters.
    static Notification forParcel(const Grown &parcel);
    // What a refresh posts for the parcels that grew in it: one notification each, or, when more
    // than 3 grew, one summary in their place that also closes those parcels' notifications still
    // on the desktop. Posting it again as the list grows replaces what was posted before.
    static QList<Notification> forRefresh(const QList<Grown> &grown);
    // The summary's key, which no parcel has: a summary replaces the summary before, and its
    // activation names no parcel.
    static QString summaryKey();
};
