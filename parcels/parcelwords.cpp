#include "parcels/parcelwords.h"

#include "tracking/queryoutcome.h"

#include <iterator>

namespace {
using Outcome = ParcelState::Outcome;
using Delivery = ParcelState::Delivery;

QString notAsked()
{
    return QStringLiteral("未查询");
}
QString unsupported()
{
    return QStringLiteral("系统问题,暂不支持当前快递公司!");
}
QString failed()
{
    return QStringLiteral("查询失败");
}

constexpr Delivery deliveries[] = {Delivery::NoSteps, Delivery::InTransit, Delivery::OutForDelivery,
                                   Delivery::Signed};
} // namespace

QString ParcelWords::delivery(Delivery delivery)
{
    switch (delivery) {
    case Delivery::Unknown:
        break;
    case Delivery::NoSteps:
        return QStringLiteral("暂无物流信息");
    case Delivery::InTransit:
        return QueryOutcome::deliveryWord(QueryOutcome::Delivery::InTransit);
    case Delivery::OutForDelivery:
        return QueryOutcome::deliveryWord(QueryOutcome::Delivery::OutForDelivery);
    case Delivery::Signed:
        return QueryOutcome::deliveryWord(QueryOutcome::Delivery::Signed);
    }
    return QString();
}

QString ParcelWords::status(const ParcelState &state)
{
    switch (state.outcome) {
    case Outcome::NotAsked:
        return notAsked();
    case Outcome::Unsupported:
        return unsupported();
    case Outcome::Answered:
        return delivery(state.delivery);
    case Outcome::Refused:
        return state.reason;
    case Outcome::Failed:
        break;
    }
    return failed();
}

QString ParcelWords::why(const ParcelState &state)
{
    const QString good = delivery(state.delivery);
    return state.reason + (good.isEmpty() ? QString() : QStringLiteral("\n上次结果：") + good);
}

QString ParcelWords::noStepsInAnswer()
{
    return QStringLiteral("答案中没有物流信息");
}

ParcelState ParcelWords::read(const QString &status, const QString &goodStatus, const QString &failure)
{
    ParcelState state;
    static const QString words[] = {delivery(deliveries[0]), delivery(deliveries[1]), delivery(deliveries[2]),
                                    delivery(deliveries[3])};
    static_assert(std::size(words) == std::size(deliveries));
    const auto deliveryOf = [](const QString &text) {
        for (std::size_t at = 0; at < std::size(deliveries); ++at)
            if (text == words[at])
                return deliveries[at];
        return Delivery::Unknown;
    };
    state.delivery = deliveryOf(goodStatus);
    if (status.isEmpty() || status == notAsked()) {
        state.outcome = Outcome::NotAsked;
    } else if (status == unsupported()) {
        state.outcome = Outcome::Unsupported;
    } else if (status == failed()) {
        state.outcome = Outcome::Failed;
        state.reason = failure;
    } else if (failure.isEmpty() && deliveryOf(status) != Delivery::Unknown) {
        state.outcome = Outcome::Answered;
        state.delivery = deliveryOf(status);
    } else {
        state.outcome = Outcome::Refused;
        state.reason = status;
    }
    return state;
}
