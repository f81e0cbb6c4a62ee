#include "parcels/numberbatch.h"

#include "parcels/numberplan.h"

#include <QCoreApplication>
#include <QRegularExpression>

QList<NumberBatch::Line> NumberBatch::read(const QString &text, const Marks &marks)
{
    static const QRegularExpression separators(QStringLiteral("[\\s\\x{3000}\\x{00A0},，、;；]+"));
    NumberPlan plan(NumberPlan::Couriers::SureOrLikely);
    QList<Line> lines;
    for (const QString &token : text.split(separators, Qt::SkipEmptyParts)) {
        Line line;
        line.number = token.toUpper();
        const bool chosen = marks.chosen.contains(line.number);
        const NumberPlan::Courier courier =
            chosen ? NumberPlan::Courier{marks.chosen.value(line.number)} : plan.courierOf(line.number);
        line.company = courier.company;
        line.skip = !NumberPlan::isNumber(line.number)    ? Skip::NotANumber
                    : plan.repeated(line.number)          ? Skip::Repeated
                    : marks.added.contains(line.number)   ? Skip::Added
                    : marks.history.contains(line.number) ? Skip::Known
                    : line.company.isEmpty()              ? Skip::NoCompany
                    : courier.likely                      ? Skip::Unconfirmed
                                                          : Skip::None;
        line.failure = marks.failed.value(line.number);
        lines.append(line);
    }
    return lines;
}

QString NumberBatch::note(const Line &line)
{
    using Reason = NumberPlan::Reason;
    const auto why = [](Reason reason, const QString &company = QString()) {
        return NumberPlan::why(NumberPlan::Source::Pasted, reason, company);
    };
    switch (line.skip) {
    case Skip::None:
        return line.failure;
    case Skip::NotANumber:
        return why(Reason::NotANumber);
    case Skip::NoCompany:
        return why(Reason::NoCompany);
    case Skip::Unconfirmed:
        return why(Reason::Unconfirmed, line.company);
    case Skip::Repeated:
        return why(Reason::Repeated);
    case Skip::Known:
        return why(Reason::Known);
    case Skip::Added:
        return QCoreApplication::translate("NumberBatch", "已添加");
    }
    return QString();
}

QString NumberBatch::summary(const QStringList &outcomes, qsizetype notAsked)
{
    QStringList refused = outcomes;
    refused.removeAll(QString());
    QString text = QCoreApplication::translate("NumberBatch", "已添加 %n 个单号", nullptr,
                                               int(outcomes.size() - refused.size()));
    if (!refused.isEmpty())
        text += QCoreApplication::translate("NumberBatch", "；未添加：") +
                refused.join(QCoreApplication::translate("NumberBatch", "、"));
    if (notAsked > 0)
        text += QCoreApplication::translate("NumberBatch", "；查询已停止，%1 个未查询").arg(notAsked);
    return text;
}
