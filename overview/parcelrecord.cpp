#include "overview/parcelrecord.h"

#include "tracking/catalogue.h"

ParcelRecord ParcelRecord::fresh(const ParcelKey &key)
{
    ParcelRecord record;
    record.key = key;
    record.status = Catalogue::isName(key.company) ? notAskedStatus() : unsupportedCompanyStatus();
    return record;
}

bool ParcelRecord::askable() const
{
    return Catalogue::isName(key.company);
}

// The word the delivery rule gives a signed step.
bool ParcelRecord::signedFor() const
{
    return goodStatus == QueryOutcome::deliveryWord(QStringLiteral("签"));
}

bool ParcelRecord::take(const QueryOutcome &outcome, const QDateTime &now)
{
    askedAt = now;
    if (outcome.kind != QueryOutcome::Kind::Answered) {
        status = outcome.kind == QueryOutcome::Kind::Failed ? failedStatus() : outcome.message();
        failureCause = outcome.kind == QueryOutcome::Kind::Failed ? outcome.cause : outcome.message();
        return false;
    }
    const qsizetype count = outcome.rows.size();
    const bool grew = count > stepCount && stepCount > 0;
    status = goodStatus =
        count > 0 ? QueryOutcome::deliveryWord(outcome.rows.last().progress) : noStepsStatus();
    failureCause.clear();
    stepCount = int(count);
    newestTime = count > 0 ? outcome.rows.last().time : QString();
    newestStep = count > 0 ? outcome.rows.last().progress : QString();
    if (grew) {
        grewAt = now;
        marked = true;
    }
    return grew;
}
