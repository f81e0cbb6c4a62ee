#pragma once

#include <QString>

// Where a parcel stands: what the latest asking came to, and where its last good answer said it
// was. The words for it are made from one table, ParcelWords, where they are shown or written.
struct ParcelState {
    enum class Outcome {
        NotAsked,
        Unsupported, // a company the catalogue does not know: never asked
        Answered,
        Refused, // the service answered with one of its error words
        Failed,  // no usable answer, or a page without steps for a parcel that has some
    };
    // The last good answer's word on the parcel's way; Unknown before one.
    enum class Delivery { Unknown, NoSteps, InTransit, OutForDelivery, Signed };

    Outcome outcome = Outcome::NotAsked;
    Delivery delivery = Delivery::Unknown;
    QString reason; // Refused: the service's words; Failed: why, as the fetch or the answer told it

    bool signedFor() const { return delivery == Delivery::Signed; }
    friend bool operator==(const ParcelState &, const ParcelState &) = default;
};
