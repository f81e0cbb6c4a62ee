#pragma once

#include "parcels/parcelstate.h"

#include <QString>

// The words for a parcel's state, from one table: what the list's 快件状态 column and the list's
// file say, and how words written by an earlier version or a file are read back as a state.
namespace ParcelWords {

QString status(const ParcelState &state);
QString delivery(ParcelState::Delivery delivery); // empty for Unknown
// Why it was refused or failed, and what the last good answer said, when one did.
QString why(const ParcelState &state);
// A state from the words an earlier record kept: the status shown, the last good answer's status
// and why the latest answer was refused or failed. A status no state has is taken as the
// service's words of a refusal.
ParcelState read(const QString &status, const QString &goodStatus, const QString &failure);
// What an answer with no steps says of a parcel that had some: why it counts as a failure.
QString noStepsInAnswer();

} // namespace ParcelWords
