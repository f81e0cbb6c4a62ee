#include "tracking/queryoutcome.h"

#include <QCoreApplication>

namespace {
struct ErrorWord {
    const char16_t *word;
    const char *message; // translatable
    bool emptiesNumber;  // an unsupported company is not the number's fault
};
// Looked for in this order: the first word present decides, wherever it stands in the answer.
constexpr ErrorWord errorWords[] = {
    {u"单号格式错误", QT_TRANSLATE_NOOP("QueryOutcome", "单号格式错误!请检查!"), true},
    {u"不存在", QT_TRANSLATE_NOOP("QueryOutcome", "单号不存在!请检查!"), true},
    {u"不支持的快递公司", QT_TRANSLATE_NOOP("QueryOutcome", "系统问题,暂不支持当前快递公司!"), false},
    {u"请输入正确的单号", QT_TRANSLATE_NOOP("QueryOutcome", "请输入正确的单号!"), true},
};
} // namespace

QueryOutcome QueryOutcome::read(const FetchResult &fetch)
{
    QueryOutcome outcome;
    if (!fetch.ok() || fetch.body.isEmpty()) {
        outcome.cause = fetch.failureCause(FetchResult::Words::Kept);
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
        return QCoreApplication::translate("QueryOutcome", "查询失败,请检查网络后重试!");
    case Kind::Refused:
        return QCoreApplication::translate("QueryOutcome", errorWords[refusal].message);
    case Kind::Answered:
        break;
    }
    return QCoreApplication::translate("QueryOutcome", "暂无物流信息!");
}

QString QueryOutcome::keptRefusal() const
{
    return kind == Kind::Refused ? QString::fromUtf8(errorWords[refusal].message) : QString();
}

QString QueryOutcome::shownRefusal(const QString &kept)
{
    const QByteArray source = kept.toUtf8();
    for (const ErrorWord &error : errorWords)
        if (source == error.message)
            return QCoreApplication::translate("QueryOutcome", error.message);
    return kept;
}

bool QueryOutcome::emptiesNumber() const
{
    return kind == Kind::Refused && errorWords[refusal].emptiesNumber;
}

QString QueryOutcome::deliveryStatus(const QString &top)
{
    return QCoreApplication::translate("QueryOutcome", "快件状态：%1").arg(deliveryWord(delivery(top)));
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
    return QCoreApplication::translate("QueryOutcome", deliverySource(delivery));
}

const char *QueryOutcome::deliverySource(Delivery delivery)
{
    switch (delivery) {
    case Delivery::InTransit:
        break;
    case Delivery::OutForDelivery:
        return QT_TRANSLATE_NOOP("QueryOutcome", "派件中");
    case Delivery::Signed:
        return QT_TRANSLATE_NOOP("QueryOutcome", "已签收");
    }
    return QT_TRANSLATE_NOOP("QueryOutcome", "运送中");
}
