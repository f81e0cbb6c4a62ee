#pragma once

#include <QSet>
#include <QString>

// One plan for new numbers, whether pasted into 添加单号 or read from an imported list: the shape
// every tracking number has, the courier its shape names, a repeat of a number met earlier, a
// number the list has already, and the words for each reason one is left out. Whether a courier the
// shape only makes likely is offered (for the user to confirm) or not at all is the caller's choice.
class NumberPlan {
public:
    enum class Couriers { SureOrLikely, SureOnly };
    enum class Source { Pasted, Imported }; // whose words say why
    enum class Reason { NotANumber, NoCompany, Unconfirmed, Repeated, Known };

    explicit NumberPlan(Couriers couriers) : m_couriers(couriers) {}

    // 4 to 40 digits, ASCII letters and "-", a digit among them.
    static bool isNumber(const QString &token);
    // The courier a number's shape names, or none; `likely` when the shape only makes it likely.
    struct Courier {
        QString company;
        bool likely = false;
    };
    Courier courierOf(const QString &number) const;
    // Whether the number came earlier in this plan; from now on it has.
    bool repeated(const QString &number);
    // Why a number is left out, in the words of its source; `company` is the one it would have, or
    // the one the list has it with.
    static QString why(Source source, Reason reason, const QString &company = QString());

private:
    Couriers m_couriers;
    QSet<QString> m_seen;
};
