#include "parcels/parcelwords.h"

#include "tracking/queryoutcome.h"

#include <QCoreApplication>
#include <iterator>

namespace {
using Outcome = ParcelState::Outcome;
using Delivery = ParcelState::Delivery;
using Form = ParcelWords::Form;

const char *const notAsked = QT_TRANSLATE_NOOP("ParcelWords", "未查询");
const char *const unsupported = QT_TRANSLATE_NOOP("ParcelWords", "系统问题,暂不支持当前快递公司!");
const char *const failed = QT_TRANSLATE_NOOP("ParcelWords", "查询失败");
const char *const noSteps = QT_TRANSLATE_NOOP("ParcelWords", "暂无物流信息");
const char *const answerWithoutSteps = QT_TRANSLATE_NOOP("ParcelWords", "答案中没有物流信息");

QString word(const char *source, Form form)
{
    return form == Form::Shown ? QCoreApplication::translate("ParcelWords", source)
                               : QString::fromUtf8(source);
}

constexpr Delivery deliveries[] = {Delivery::NoSteps, Delivery::InTransit, Delivery::OutForDelivery,
                                   Delivery::Signed};
} // namespace

QString ParcelWords::delivery(Delivery delivery, Form form)
{
    const auto outcomeWord = [form](QueryOutcome::Delivery delivery) {
        return form == Form::Shown ? QueryOutcome::deliveryWord(delivery)
                                   : QString::fromUtf8(QueryOutcome::deliverySource(delivery));
    };
    switch (delivery) {
    case Delivery::Unknown:
        break;
    case Delivery::NoSteps:
        return word(noSteps, form);
    case Delivery::InTransit:
        return outcomeWord(QueryOutcome::Delivery::InTransit);
    case Delivery::OutForDelivery:
        return outcomeWord(QueryOutcome::Delivery::OutForDelivery);
    case Delivery::Signed:
        return outcomeWord(QueryOutcome::Delivery::Signed);
    }
    return QString();
}

QString ParcelWords::status(const ParcelState &state, Form form)
{
    switch (state.outcome) {
    case Outcome::NotAsked:
        return word(notAsked, form);
    case Outcome::Unsupported:
        return word(unsupported, form);
    case Outcome::Answered:
        return delivery(state.delivery, form);
    case Outcome::Refused:
        return form == Form::Shown ? QueryOutcome::shownRefusal(state.reason) : state.reason;
    case Outcome::Failed:
        break;
    }
    return word(failed, form);
}

QString ParcelWords::why(const ParcelState &state)
{
    // Causes are kept in Chinese and shown in the interface's language.
    const QString reason = state.outcome == Outcome::Refused ? QueryOutcome::shownRefusal(state.reason)
                           : state.reason == word(answerWithoutSteps, Form::Kept)
                               ? word(answerWithoutSteps, Form::Shown)
                               : FetchResult::shownCause(state.reason);
    const QString good = delivery(state.delivery);
    return good.isEmpty() ? reason
                          : QCoreApplication::translate("ParcelWords", "%1\n上次结果：%2").arg(reason, good);
}

QString ParcelWords::noStepsInAnswer()
{
    return word(answerWithoutSteps, Form::Kept);
}

ParcelState ParcelWords::read(const QString &status, const QString &goodStatus, const QString &failure)
{
    ParcelState state;
    static const QString words[] = {delivery(deliveries[0], Form::Kept), delivery(deliveries[1], Form::Kept),
                                    delivery(deliveries[2], Form::Kept), delivery(deliveries[3], Form::Kept)};
    static_assert(std::size(words) == std::size(deliveries));
    const auto deliveryOf = [](const QString &text) {
        for (std::size_t at = 0; at < std::size(deliveries); ++at)
            if (text == words[at])
                return deliveries[at];
        return Delivery::Unknown;
    };
    state.delivery = deliveryOf(goodStatus);
    if (status.isEmpty() || status == word(notAsked, Form::Kept)) {
        state.outcome = Outcome::NotAsked;
    } else if (status == word(unsupported, Form::Kept)) {
        state.outcome = Outcome::Unsupported;
    } else if (status == word(failed, Form::Kept)) {
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
