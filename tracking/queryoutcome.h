#pragma once

#include "platform/webfetch.h"
#include "tracking/resultparser.h"

#include <QList>
#include <QString>

// What one tracking query came to, read once from what the fetch brought back.
struct QueryOutcome {
    enum class Kind {
        Failed,   // no usable answer: no connection, no answer in time, an error page, nothing
        Refused,  // the service answered with one of its error words
        Answered, // the parcel's steps, which may be none
    };
    Kind kind = Kind::Failed;
    int refusal = -1;      // Refused: which error word, in the order they are looked for
    QList<ResultRow> rows; // Answered: the steps in answer order, the newest last
    QString cause;         // Failed: why, as the fetch tells it, in the Chinese words a record keeps

    static QueryOutcome read(const FetchResult &fetch);
    // The message that ends a query without rows: the failure, the refusal or "暂无物流信息!", in
    // the interface's language.
    QString message() const;
    QString shownCause() const { return FetchResult::shownCause(cause); }
    // A refusal's message in Chinese, the words a record keeps and the list's file writes; shown
    // again through shownRefusal().
    QString keptRefusal() const;
    static QString shownRefusal(const QString &kept); // words no refusal has come back as they are
    // A refusal that blames the number: the number box is emptied for a new one.
    bool emptiesNumber() const;
    // Where the newest step says the parcel is.
    enum class Delivery { InTransit, OutForDelivery, Signed };
    static Delivery delivery(const QString &topProgress);
    // The delivery status caption for the progress text of the newest step.
    static QString deliveryStatus(const QString &topProgress);
    // The caption's word alone: 运送中, 派件中 or 已签收, in the interface's language; its Chinese
    // source, as a record and the list's file keep it.
    static QString deliveryWord(Delivery delivery);
    static const char *deliverySource(Delivery delivery);
};
