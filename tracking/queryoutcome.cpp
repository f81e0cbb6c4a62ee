#include "tracking/queryoutcome.h"

namespace {
struct ErrorWord {
    const char16_t *word;
    const char16_t *message;
    bool emptiesNumber; // an unsupported company is not the number's fault
};
// Looked for in this order: the first word present decides, wherever it stands in the answer.
constexpr ErrorWord errorWords[] = {
    {u"单号格式错误", u"单号格式错误!请检查!", true},
    {u"不存在", u"单号不存在!请检查!", true},
    {u"不支持的快递公司", u"系统问题,暂不支持当前快递公司!", false},
    {u"请输入正确的单号", u"请输入正确的单号!", true},
};
} // namespace

QueryOutcome QueryOutcome::read(const FetchResult &fetch)
{
    QueryOutcome outcome;
    if (!fetch.ok() || fetch.body.isEmpty()) {
        outcome.cause = fetch.failureCause();
        return outcome;
    }
    for (int i = 0; i < int(std::size(errorWords)); ++i) {
        if (fetch.body.contains(QStringView(errorWords[i].word))) {
            outcome.kind = Kind::Refused;
            outcome.refusal = i;
            return outcome;
        }
    }
    outcome.kind = Kind::Answered;
    outcome.rows = ResultParser::parse(fetch.body);
    return outcome;
}

QString QueryOutcome::message() const
{
    switch (kind) {
    case Kind::Failed:
        return QStringLiteral("查询失败,请检查网络后重试!");
    case Kind::Refused:
        return QString::fromUtf16(errorWords[refusal].message);
    case Kind::Answered:
        break;
    }
    return QStringLiteral("暂无物流信息!");
}

bool QueryOutcome::emptiesNumber() const
{
    return kind == Kind::Refused && errorWords[refusal].emptiesNumber;
}

QString QueryOutcome::deliveryStatus(const QString &top)
{
    return QStringLiteral("快件状态：") + deliveryWord(delivery(top));
}

QueryOutcome::Delivery QueryOutcome::delivery(const QString &top)
{
    if (top.contains(u'签') || top.contains(u'妥'))
        return Delivery::Signed;
    if (top.contains(u'派'))
        return Delivery::OutForDelivery;
    return Delivery::InTransit;
}

QString QueryOutcome::deliveryWord(Delivery delivery)
{
    switch (delivery) {
    case Delivery::InTransit:
        break;
    case Delivery::OutForDelivery:
        return QStringLiteral("派件中");
    case Delivery::Signed:
        return QStringLiteral("已签收");
    }
    return QStringLiteral("运送中");
}
