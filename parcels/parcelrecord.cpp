#include "parcels/parcelrecord.h"

#include "parcels/parcelwords.h"
#include "tracking/catalogue.h"

ParcelRecord ParcelRecord::fresh(const ParcelKey &key)
{
    ParcelRecord record;
    record.key = key;
    record.state.outcome =
        Catalogue::isName(key.company) ? ParcelState::Outcome::NotAsked : ParcelState::Outcome::Unsupported;
    return record;
}

QString ParcelRecord::noteFrom(const QString &typed)
{
    QString note;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar c = typed.at(i);
        if (c == u'\r' && i + 1 < typed.size() && typed.at(i + 1) == u'\n')
            continue; // CR LF is one line break
        if (c == u'\r' || c == u'\n')
            note += u' ';
        else if (c.category() != QChar::Other_Control)
            note += c;
    }
    if (note.size() > noteLength)
        note.truncate(note.at(noteLength - 1).isHighSurrogate() ? noteLength - 1 : noteLength);
    return note;
}

// When a step happened, as the service writes its time; `now` when it cannot be read, or when it
// lies ahead of now.
QDateTime ParcelRecord::stepTime(const QString &time, const QDateTime &now)
{
    for (const QString &format :
         {QStringLiteral("yyyy-MM-dd HH:mm:ss"), QStringLiteral("yyyy-MM-dd HH:mm"),
          QStringLiteral("yyyy/MM/dd HH:mm:ss"), QStringLiteral("yyyy/MM/dd HH:mm")}) {
        const QDateTime at = QDateTime::fromString(time.trimmed(), format);
        if (at.isValid())
            return std::min(at, now);
    }
    return now;
}

bool ParcelRecord::askable() const
{
    return Catalogue::isName(key.company);
}

bool ParcelRecord::archived(const QDateTime &now, int afterDays) const
{
    switch (archive) {
    case Archive::ByHand:
        return true;
    case Archive::Back:
        return false;
    case Archive::ByTime:
        break;
    }
    return afterDays >= 0 && signedAt.isValid() && signedAt.addDays(afterDays) <= now;
}

namespace {
ParcelState::Delivery deliveryOf(QueryOutcome::Delivery delivery)
{
    switch (delivery) {
    case QueryOutcome::Delivery::InTransit:
        break;
    case QueryOutcome::Delivery::OutForDelivery:
        return ParcelState::Delivery::OutForDelivery;
    case QueryOutcome::Delivery::Signed:
        return ParcelState::Delivery::Signed;
    }
    return ParcelState::Delivery::InTransit;
}
} // namespace

ParcelRecord::Learnt ParcelRecord::learn(const QueryOutcome &outcome, const QDateTime &now)
{
    askedAt = now;
    const qsizetype count = outcome.rows.size();
    if (outcome.kind == QueryOutcome::Kind::Answered && count == 0 && stepCount > 0) {
        state.outcome = ParcelState::Outcome::Failed;
        state.reason = ParcelWords::noStepsInAnswer();
        return Learnt::Failed;
    }
    if (outcome.kind != QueryOutcome::Kind::Answered) {
        const bool failed = outcome.kind == QueryOutcome::Kind::Failed;
        state.outcome = failed ? ParcelState::Outcome::Failed : ParcelState::Outcome::Refused;
        state.reason = failed ? outcome.cause : outcome.keptRefusal();
        return failed ? Learnt::Failed : Learnt::Kept;
    }
    const bool grew = count > stepCount && stepCount > 0;
    const ResultRow newest = newestRow(outcome.rows);
    state = {ParcelState::Outcome::Answered,
             count > 0 ? deliveryOf(QueryOutcome::delivery(newest.progress)) : ParcelState::Delivery::NoSteps,
             QString()};
    stepCount = int(count);
    newestTime = newest.time;
    newestStep = newest.progress;
    if (!signedFor())
        signedAt = QDateTime();
    else if (!signedAt.isValid())
        signedAt = stepTime(newest.time, now);
    if (grew) {
        grewAt = now;
        marked = true;
    }
    return grew ? Learnt::Grew : Learnt::Kept;
}
