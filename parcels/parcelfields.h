#pragma once

#include "parcels/parcelrecord.h"

#include <QStringList>
#include <QVariant>
#include <span>

class QTimeZone;

// The fields of a parcel's record, described once, in the order the list's file writes them: the
// record's table and the list's file both read this one table, so that a field is added here, with
// its names. A field may live in one of them only: the state is codes in the table and words in
// the file, and when a parcel last grew is never written to the file.
namespace ParcelFields {

enum class Id {
    Number,
    Company,
    Note,
    Outcome,
    Delivery,
    Reason,
    Status,
    NewestTime,
    NewestStep,
    Steps,
    AskedAt,
    GrewAt,
    Marked,
    SignedAt,
    Archive
};

struct Field {
    Id id;
    const char *column;     // in the record's table; null when it does not keep the field
    const char *columnType; // its SQL type there
    const char *title;      // in the list's file's header, UTF-8; null when the file does not hold it
    QVariant (*stored)(const ParcelRecord &);
    void (*restore)(ParcelRecord &, const QVariant &);
    QString (*written)(const ParcelRecord &, const QTimeZone &); // the file's text, before quoting
    void (*read)(ParcelRecord &, const QString &, const QTimeZone &);
};

std::span<const Field> all();
const Field &field(Id id);
QString title(Id id);          // over the list's column that shows the field, in the interface's language
QList<const Field *> stored(); // those of the record's table, in their order
QList<const Field *> filed();  // those of the file, in its order: the number, the company, the note first
QString columns();             // the table's column names, comma-separated
QString columnTypes();         // each name with its type, for CREATE TABLE
// The file's header, in Chinese whatever the interface's language; or the list's titles of the same
// fields, which a file made by hand in the interface's language may have.
QStringList titles(bool shown = false);

} // namespace ParcelFields
