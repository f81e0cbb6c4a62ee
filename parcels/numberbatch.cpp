#include "parcels/numberbatch.h"

#include "tracking/courierguess.h"

#include <QRegularExpression>

QList<NumberBatch::Line> NumberBatch::read(const QString &text, const Marks &marks)
{
    static const QRegularExpression separators(QStringLiteral("[\\s\\x{3000}\\x{00A0},，、;；]+"));
    QSet<QString> seen;
    QList<Line> lines;
    for (const QString &token : text.split(separators, Qt::SkipEmptyParts)) {
        Line line;
        line.number = token.toUpper();
        const bool chosen = marks.chosen.contains(line.number);
        line.company = marks.chosen.value(line.number);
        bool likely = false;
        if (!chosen) {
            const QList<CourierGuess::Candidate> candidates = CourierGuess::of(line.number);
            if (!candidates.isEmpty()) {
                line.company = candidates.first().company;
                likely = candidates.first().confidence != CourierGuess::Confidence::Sure;
            }
        }
        line.skip = !isNumber(line.number)                ? Skip::NotANumber
                    : seen.contains(line.number)          ? Skip::Repeated
                    : marks.added.contains(line.number)   ? Skip::Added
                    : marks.history.contains(line.number) ? Skip::Known
                    : line.company.isEmpty()              ? Skip::NoCompany
                    : likely                              ? Skip::Unconfirmed
                                                          : Skip::None;
        line.failure = marks.failed.value(line.number);
        seen.insert(line.number);
        lines.append(line);
    }
    return lines;
}

bool NumberBatch::isNumber(const QString &token)
{
    const auto allowed = [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'-';
    };
    return token.size() >= 4 && token.size() <= 40 && std::ranges::all_of(token, allowed) &&
           std::ranges::any_of(token, [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString NumberBatch::note(const Line &line)
{
    switch (line.skip) {
    case Skip::None:
        return line.failure;
    case Skip::NotANumber:
        return QStringLiteral("不是单号");
    case Skip::NoCompany:
        return QStringLiteral("未识别，请选择快递公司");
    case Skip::Unconfirmed:
        return QStringLiteral("可能是 %1，请核对").arg(line.company);
    case Skip::Repeated:
        return QStringLiteral("重复，跳过");
    case Skip::Known:
        return QStringLiteral("已在单号记录中，跳过");
    case Skip::Added:
        return QStringLiteral("已添加");
    }
    return QString();
}

QString NumberBatch::summary(const QStringList &outcomes, qsizetype notAsked)
{
    QStringList refused = outcomes;
    refused.removeAll(QString());
    QString text = QStringLiteral("已添加 %1 个单号").arg(outcomes.size() - refused.size());
    if (!refused.isEmpty())
        text += QStringLiteral("；未添加：") + refused.join(u'、');
    if (notAsked > 0)
        text += QStringLiteral("；查询已停止，%1 个未查询").arg(notAsked);
    return text;
}
