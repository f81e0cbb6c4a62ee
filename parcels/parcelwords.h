#pragma once

#include "parcels/parcelstate.h"

#include <QString>

// The words for a parcel's state, from one table: what the list's 快件状态 column shows, what the
// list's file writes, and how words written by an earlier version or a file are read back as a
// state. The file and the record keep the Chinese words whatever the interface's language.
namespace ParcelWords {

enum class Form {
    Shown, // in the interface's language
    Kept,  // the Chinese words a record and the list's file keep
};

QString status(const ParcelState &state, Form form = Form::Shown);
QString delivery(ParcelState::Delivery delivery, Form form = Form::Shown); // empty for Unknown
// Why it was refused or failed, and what the last good answer said, when one did.
QString why(const ParcelState &state);
// A state from the kept words of an earlier record or a file: the status, the last good answer's
// status and why the latest answer was refused or failed. A status no state has is taken as the
// service's words of a refusal.
ParcelState read(const QString &status, const QString &goodStatus, const QString &failure);
// What an answer with no steps says of a parcel that had some: why it counts as a failure, kept.
QString noStepsInAnswer();

} // namespace ParcelWords
