#include "parcels/numberplan.h"

#include "tracking/courierguess.h"

#include <QCoreApplication>
#include <algorithm>

bool NumberPlan::isNumber(const QString &token)
{
    const auto allowed = [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'-';
    };
    return token.size() >= 4 && token.size() <= 40 && std::ranges::all_of(token, allowed) &&
           std::ranges::any_of(token, [](QChar c) { return c >= u'0' && c <= u'9'; });
}

NumberPlan::Courier NumberPlan::courierOf(const QString &number) const
{
    const QList<CourierGuess::Candidate> candidates = CourierGuess::of(number);
    if (candidates.isEmpty())
        return {};
    const bool likely = candidates.first().confidence != CourierGuess::Confidence::Sure;
    if (likely && m_couriers == Couriers::SureOnly)
        return {};
    return {candidates.first().company, likely};
}

bool NumberPlan::repeated(const QString &number)
{
    if (m_seen.contains(number))
        return true;
    m_seen.insert(number);
    return false;
}

QString NumberPlan::why(Source source, Reason reason, const QString &company)
{
    const bool pasted = source == Source::Pasted;
    switch (reason) {
    case Reason::NotANumber:
        return QCoreApplication::translate("NumberPlan", "不是单号");
    case Reason::NoCompany:
        return pasted ? QCoreApplication::translate("NumberPlan", "未识别，请选择快递公司")
                      : QCoreApplication::translate("NumberPlan", "未注明快递公司");
    case Reason::Unconfirmed:
        return QCoreApplication::translate("NumberPlan", "可能是 %1，请核对").arg(company);
    case Reason::Repeated:
        return pasted ? QCoreApplication::translate("NumberPlan", "重复，跳过")
                      : QCoreApplication::translate("NumberPlan", "文件中重复");
    case Reason::Known:
        break;
    }
    return pasted              ? QCoreApplication::translate("NumberPlan", "已在单号记录中，跳过")
           : company.isEmpty() ? QCoreApplication::translate("NumberPlan", "已在列表中")
                               : QCoreApplication::translate("NumberPlan", "已在列表中（%1）").arg(company);
}
