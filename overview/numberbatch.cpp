#include "overview/numberbatch.h"

#include "tracking/courierguess.h"

#include <QRegularExpression>
#include <QSet>

QList<NumberBatch::Line> NumberBatch::read(const QString &text, const QStringList &historyNumbers,
                                           const QHash<QString, QString> &chosen)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,，、]+"));
    const QSet<QString> known(historyNumbers.begin(), historyNumbers.end());
    QSet<QString> seen;
    QList<Line> lines;
    for (const QString &number : text.split(separators, Qt::SkipEmptyParts)) {
        Line line{number, chosen.value(number)};
        if (line.company.isEmpty()) {
            const QList<CourierGuess::Candidate> candidates = CourierGuess::of(number);
            if (!candidates.isEmpty())
                line.company = candidates.first().company;
        }
        line.skip = seen.contains(number)    ? Skip::Repeated
                    : known.contains(number) ? Skip::Known
                    : line.company.isEmpty() ? Skip::NoCompany
                                             : Skip::None;
        seen.insert(number);
        lines.append(line);
    }
    return lines;
}

QString NumberBatch::skipText(Skip skip)
{
    switch (skip) {
    case Skip::None:
        break;
    case Skip::NoCompany:
        return QStringLiteral("未识别,请选择快递公司");
    case Skip::Repeated:
        return QStringLiteral("重复,跳过");
    case Skip::Known:
        return QStringLiteral("已在单号记录中,跳过");
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
