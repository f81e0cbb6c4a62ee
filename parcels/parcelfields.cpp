#include "parcels/parcelfields.h"

#include "common/textrules.h"
#include "parcels/parcelwords.h"

#include <QCoreApplication>
#include <QTimeZone>
#include <algorithm>

namespace {
using Record = ParcelRecord;
using Id = ParcelFields::Id;
using Zone = QTimeZone;
const QString timeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
const QString yes = QStringLiteral("是"), no = QStringLiteral("否");

// The table keeps times as seconds since the epoch, which read back far faster than text, and they
// come back in UTC: a time in local time would look up the time zone for each parcel.
QVariant secondsOf(const QDateTime &time)
{
    return time.isValid() ? QVariant(time.toSecsSinceEpoch()) : QVariant();
}

QDateTime timeOf(const QVariant &value)
{
    return value.isNull() ? QDateTime() : QDateTime::fromSecsSinceEpoch(value.toLongLong(), Qt::UTC);
}

// The file's times are in the zone of the machine, as a person reads them, converted through one
// QTimeZone for a whole file, which reads the zone's rules once, and not through the C library's
// local time, which looks at the zone's file again for every time.
QString timeText(const QDateTime &time, const Zone &zone)
{
    return time.isValid() ? time.toTimeZone(zone).toString(timeFormat) : QString();
}

QDateTime timeFrom(const QString &text, const Zone &zone)
{
    const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    const QTime time = QTime::fromString(text.sliced(qMin(text.size(), 11)), Qt::ISODate);
    if (text.size() != timeFormat.size() || text.at(10) != u' ' || !date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time, zone).toUTC();
}

QString shown(const QString &text)
{
    return cutAtWholeCharacter(text, shownTextLength);
}

// A code no state has reads as the first.
ParcelState::Outcome outcomeOf(const QVariant &code)
{
    const int value = code.toInt();
    return value >= 0 && value <= int(ParcelState::Outcome::Failed) ? ParcelState::Outcome(value)
                                                                    : ParcelState::Outcome::NotAsked;
}

ParcelState::Delivery deliveryOf(const QVariant &code)
{
    const int value = code.toInt();
    return value >= 0 && value <= int(ParcelState::Delivery::Signed) ? ParcelState::Delivery(value)
                                                                     : ParcelState::Delivery::Unknown;
}

// clang-format off
const ParcelFields::Field fields[] = {
    {Id::Number, "number", "TEXT", QT_TRANSLATE_NOOP("ParcelFields", "单号"),
     [](const Record &r) { return QVariant(r.key.number); }, [](Record &r, const QVariant &v) { r.key.number = v.toString(); },
     [](const Record &r, const Zone &) { return r.key.number; }, [](Record &r, const QString &t, const Zone &) { r.key.number = t; }},
    {Id::Company, "company", "TEXT", QT_TRANSLATE_NOOP("ParcelFields", "快递公司"),
     [](const Record &r) { return QVariant(r.key.company); }, [](Record &r, const QVariant &v) { r.key.company = v.toString(); },
     [](const Record &r, const Zone &) { return r.key.company; }, [](Record &r, const QString &t, const Zone &) { r.key.company = t; }},
    {Id::Note, "note", "TEXT NOT NULL DEFAULT ''", QT_TRANSLATE_NOOP("ParcelFields", "备注"),
     [](const Record &r) { return QVariant(r.note); }, [](Record &r, const QVariant &v) { r.note = v.toString(); },
     [](const Record &r, const Zone &) { return r.note; }, [](Record &r, const QString &t, const Zone &) { r.note = ParcelRecord::noteFrom(t); }},
    {Id::Outcome, "outcome", "INTEGER NOT NULL DEFAULT 0", nullptr,
     [](const Record &r) { return QVariant(int(r.state.outcome)); },
     [](Record &r, const QVariant &v) { r.state.outcome = outcomeOf(v); }, nullptr, nullptr},
    {Id::Delivery, "delivery", "INTEGER NOT NULL DEFAULT 0", nullptr,
     [](const Record &r) { return QVariant(int(r.state.delivery)); },
     [](Record &r, const QVariant &v) { r.state.delivery = deliveryOf(v); }, nullptr, nullptr},
    {Id::Reason, "reason", "TEXT", nullptr,
     [](const Record &r) { return QVariant(r.state.reason); }, [](Record &r, const QVariant &v) { r.state.reason = v.toString(); },
     nullptr, nullptr},
    // A status a file may say is a state's, or else the service's words of a refusal.
    {Id::Status, nullptr, nullptr, QT_TRANSLATE_NOOP("ParcelFields", "快件状态"), nullptr, nullptr,
     [](const Record &r, const Zone &) { return ParcelWords::status(r.state, ParcelWords::Form::Kept); },
     [](Record &r, const QString &t, const Zone &) {
         const QString status = shown(t);
         r.state = ParcelWords::read(status, status, QString());
     }},
    {Id::NewestTime, "newest_time", "TEXT", QT_TRANSLATE_NOOP("ParcelFields", "最新时间"),
     [](const Record &r) { return QVariant(r.newestTime); }, [](Record &r, const QVariant &v) { r.newestTime = v.toString(); },
     [](const Record &r, const Zone &) { return r.newestTime; }, [](Record &r, const QString &t, const Zone &) { r.newestTime = shown(t); }},
    {Id::NewestStep, "newest_step", "TEXT", QT_TRANSLATE_NOOP("ParcelFields", "最新进度"),
     [](const Record &r) { return QVariant(r.newestStep); }, [](Record &r, const QVariant &v) { r.newestStep = v.toString(); },
     [](const Record &r, const Zone &) { return r.newestStep; }, [](Record &r, const QString &t, const Zone &) { r.newestStep = shown(t); }},
    {Id::Steps, "step_count", "INTEGER", QT_TRANSLATE_NOOP("ParcelFields", "步数"),
     [](const Record &r) { return QVariant(r.stepCount); }, [](Record &r, const QVariant &v) { r.stepCount = v.toInt(); },
     [](const Record &r, const Zone &) { return QString::number(r.stepCount); },
     [](Record &r, const QString &t, const Zone &) { r.stepCount = qMax(0, t.toInt()); }},
    {Id::AskedAt, "asked_at", "INTEGER", QT_TRANSLATE_NOOP("ParcelFields", "上次查询"),
     [](const Record &r) { return secondsOf(r.askedAt); }, [](Record &r, const QVariant &v) { r.askedAt = timeOf(v); },
     [](const Record &r, const Zone &z) { return timeText(r.askedAt, z); },
     [](Record &r, const QString &t, const Zone &z) { r.askedAt = timeFrom(t, z); }},
    {Id::GrewAt, "grew_at", "INTEGER", nullptr,
     [](const Record &r) { return secondsOf(r.grewAt); }, [](Record &r, const QVariant &v) { r.grewAt = timeOf(v); }, nullptr, nullptr},
    {Id::Marked, "marked", "INTEGER", QT_TRANSLATE_NOOP("ParcelFields", "有更新"),
     [](const Record &r) { return QVariant(int(r.marked)); }, [](Record &r, const QVariant &v) { r.marked = v.toBool(); },
     [](const Record &r, const Zone &) { return r.marked ? yes : QString(); },
     [](Record &r, const QString &t, const Zone &) { r.marked = t == yes; }},
    {Id::SignedAt, "signed_at", "INTEGER", QT_TRANSLATE_NOOP("ParcelFields", "签收时间"),
     [](const Record &r) { return secondsOf(r.signedAt); }, [](Record &r, const QVariant &v) { r.signedAt = timeOf(v); },
     [](const Record &r, const Zone &z) { return timeText(r.signedAt, z); },
     [](Record &r, const QString &t, const Zone &z) { r.signedAt = timeFrom(t, z); }},
    {Id::Archive, "archive", "INTEGER NOT NULL DEFAULT 0", QT_TRANSLATE_NOOP("ParcelFields", "归档"),
     [](const Record &r) { return QVariant(int(r.archive)); },
     [](Record &r, const QVariant &v) { r.archive = ParcelRecord::Archive(v.toInt()); },
     [](const Record &r, const Zone &) {
         return r.archive == ParcelRecord::Archive::ByHand ? yes : r.archive == ParcelRecord::Archive::Back ? no : QString();
     },
     [](Record &r, const QString &t, const Zone &) {
         r.archive = t == yes ? ParcelRecord::Archive::ByHand : t == no ? ParcelRecord::Archive::Back : ParcelRecord::Archive::ByTime;
     }},
};
// clang-format on
} // namespace

std::span<const ParcelFields::Field> ParcelFields::all()
{
    return fields;
}

const ParcelFields::Field &ParcelFields::field(Id id)
{
    return *std::ranges::find(fields, id, &Field::id);
}

QString ParcelFields::title(Id id)
{
    return QCoreApplication::translate("ParcelFields", field(id).title);
}

namespace {
QList<const ParcelFields::Field *> fieldsWith(const char *ParcelFields::Field::*name)
{
    QList<const ParcelFields::Field *> kept;
    for (const ParcelFields::Field &field : fields)
        if (field.*name)
            kept.append(&field);
    return kept;
}
} // namespace

QList<const ParcelFields::Field *> ParcelFields::stored()
{
    static const QList<const Field *> kept = fieldsWith(&Field::column);
    return kept;
}

QList<const ParcelFields::Field *> ParcelFields::filed()
{
    static const QList<const Field *> kept = fieldsWith(&Field::title);
    return kept;
}

QString ParcelFields::columns()
{
    QStringList names;
    for (const Field *field : stored())
        names.append(QLatin1String(field->column));
    return names.join(QLatin1String(", "));
}

QString ParcelFields::columnTypes()
{
    QStringList names;
    for (const Field *field : stored())
        names.append(QLatin1String(field->column) + u' ' + QLatin1String(field->columnType));
    return names.join(QLatin1String(", "));
}

QStringList ParcelFields::titles(bool shown)
{
    QStringList names;
    for (const Field *field : filed())
        names.append(shown ? title(field->id) : QString::fromUtf8(field->title));
    return names;
}
