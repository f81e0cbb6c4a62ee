#include "tracking/courierguess.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

using Confidence = CourierGuess::Confidence;
constexpr Confidence sure = Confidence::Sure, likely = Confidence::Likely;

struct Rule {
    QStringView starts; // what the number begins with, in capitals; alternatives split by '|'
    QStringView rest;   // then '#' a digit, '?' a digit or letter, '@' a letter, '=' the postal check
                        // digit over the 8 digits before it; any other character stands for itself
    QStringView company;
    Confidence confidence;
    const char *reason; // translatable; %1: the beginning found, %2: the length
};

// The reasons a rule gives, translatable: %1 the beginning found, %2 the length.
constexpr const char *startsAndLength = QT_TRANSLATE_NOOP("CourierGuess", "单号以%1开头，共%2位");
constexpr const char *postalE = QT_TRANSLATE_NOOP("CourierGuess", "邮件号以E开头、CN结尾，校验位相符");
constexpr const char *postalCN = QT_TRANSLATE_NOOP("CourierGuess", "邮件号以CN结尾，校验位相符");
constexpr const char *digitsStarting = QT_TRANSLATE_NOOP("CourierGuess", "%2位数字，以%1开头");
constexpr const char *oldSF = QT_TRANSLATE_NOOP("CourierGuess", "%2位数字，顺丰的旧单号");
constexpr const char *digitsOnly = QT_TRANSLATE_NOOP("CourierGuess", "%2位数字");

// Read in order, the sure rules first. The first sure rule that fits is the only answer. Of the
// likely ones every rule that fits adds its company, unless already there, up to three; so their
// order is the order shown. 15 digits from 43 fit 韵达 and 申通, 韵达 first; 13 digits from 88 fit
// 申通, EMS and 平邮, in that order.
constexpr std::array rules{
    Rule{u"SF", u"?############", u"顺丰快递", sure, startsAndLength},
    Rule{u"YT", u"#############", u"圆通快递", sure, startsAndLength},
    Rule{u"DPK", u"############", u"德邦物流", sure, startsAndLength},
    Rule{u"ZJS", u"############", u"宅急送快递", sure, startsAndLength},
    Rule{u"TT66|TT88|TT99|TT56|TT57", u"###########", u"天天快递", sure, startsAndLength},
    Rule{u"E", u"@########=CN", u"EMS快递", sure, postalE},
    Rule{u"", u"@@########=CN", u"中国邮政平邮", likely, postalCN},
    Rule{u"", u"@@########=CN", u"邮政国内小包", likely, postalCN},
    Rule{u"73|74|75|76|78", u"############", u"中通快递", likely, digitsStarting},
    Rule{u"77", u"#############", u"申通快递", likely, digitsStarting},
    Rule{u"77|88", u"###########", u"申通快递", likely, digitsStarting},
    Rule{u"3|4", u"##############", u"韵达快递", likely, digitsStarting},
    Rule{u"43", u"#############", u"申通快递", likely, digitsStarting},
    Rule{u"5", u"############", u"韵达快递", likely, digitsStarting},
    Rule{u"1|8|9", u"############", u"EMS快递", likely, digitsStarting},
    Rule{u"1|8|9", u"############", u"中国邮政平邮", likely, digitsStarting},
    Rule{u"", u"############", u"顺丰快递", likely, oldSF},
    Rule{u"", u"############", u"天天快递", likely, digitsOnly},
    Rule{u"", u"############", u"速尔快递", likely, digitsOnly},
};

constexpr qsizetype mostCandidates = 3;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QChar upper(QChar c)
{
    return c >= u'a' && c <= u'z' ? QChar(c.unicode() - (u'a' - u'A')) : c;
}

bool isLetter(QChar c)
{
    return upper(c) >= u'A' && upper(c) <= u'Z';
}

// The universal postal check digit of the 8 digits before `at`.
bool checkDigitHolds(QStringView number, qsizetype at)
{
    static constexpr int weights[] = {8, 6, 4, 2, 3, 5, 9, 7};
    int sum = 0;
    for (int i = 0; i < 8; ++i)
        sum += (number[at - 8 + i].unicode() - u'0') * weights[i];
    const int check = 11 - sum % 11;
    return number[at].unicode() - u'0' == (check == 10 ? 0 : check == 11 ? 5 : check);
}

bool fitsFrom(QStringView number, qsizetype from, QStringView pattern)
{
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = number[from + i], p = pattern[i];
        const bool fits = p == u'#'   ? isDigit(c)
                          : p == u'?' ? isDigit(c) || isLetter(c)
                          : p == u'@' ? isLetter(c)
                          : p == u'=' ? isDigit(c) && checkDigitHolds(number, from + i)
                                      : upper(c) == p;
        if (!fits)
            return false;
    }
    return true;
}

// How long a rule's beginnings are: all of one rule alike, so that a number's length picks the
// rules to look at, and the k-th beginning sits at k × (that + 1).
constexpr std::array startLengths = [] {
    std::array<qsizetype, rules.size()> lengths{};
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const QStringView starts = rules[i].starts;
        while (lengths[i] < starts.size() && starts[lengths[i]] != u'|')
            ++lengths[i];
        if ((starts.size() + 1) % (lengths[i] + 1) != 0)
            throw "beginnings of one rule differ in length";
        for (qsizetype bar = lengths[i]; bar < starts.size(); bar += lengths[i] + 1) {
            if (starts[bar] != u'|')
                throw "beginnings of one rule differ in length";
        }
    }
    return lengths;
}();

// Which beginning of `rules[at]` the number has, when the whole number fits that rule; -1 otherwise.
int beginningFitting(std::size_t at, QStringView number)
{
    const Rule &rule = rules[at];
    const qsizetype startLength = startLengths[at];
    if (number.size() != startLength + rule.rest.size() || !fitsFrom(number, startLength, rule.rest))
        return -1;
    for (qsizetype from = 0; from < rule.starts.size() || from == 0; from += startLength + 1) {
        if (fitsFrom(number, 0, rule.starts.sliced(from, startLength)))
            return int(from / (startLength + 1));
    }
    return -1;
}

// Each rule's reason for each of its beginnings, made once: a guess then only shares them.
const QList<QStringList> &reasons()
{
    static const QList<QStringList> made = [] {
        QList<QStringList> all;
        for (const Rule &rule : rules) {
            QStringList forRule;
            for (const QStringView start : rule.starts.split(u'|'))
                forRule << QCoreApplication::translate("CourierGuess", rule.reason)
                               .replace(u"%1"_s, start.toString())
                               .replace(u"%2"_s, QString::number(start.size() + rule.rest.size()));
            all << forRule;
        }
        return all;
    }();
    return made;
}

} // namespace

QList<CourierGuess::Candidate> CourierGuess::of(const QString &typed)
{
    // Line breaks go wherever they are, as the history records the number; blanks only around it.
    QString joined;
    QStringView number(typed);
    if (number.contains(u'\r') || number.contains(u'\n')) {
        joined = typed;
        joined.remove(u'\r');
        joined.remove(u'\n');
        number = joined;
    }
    while (number.startsWith(u' '))
        number = number.sliced(1);
    while (number.endsWith(u' '))
        number.chop(1);

    QList<Candidate> found;
    for (std::size_t at = 0; at < rules.size(); ++at) {
        const Rule &rule = rules[at];
        const int alternative = beginningFitting(at, number);
        if (alternative < 0)
            continue;
        const QString company = QString::fromRawData(rule.company.data(), rule.company.size());
        if (std::ranges::any_of(found, [&](const Candidate &c) { return c.company == company; }))
            continue;
        found.append({company, rule.confidence, reasons()[at][alternative]});
        if (rule.confidence == Confidence::Sure || found.size() == mostCandidates)
            break;
    }
    return found;
}
