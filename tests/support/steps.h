#pragma once

#include <QHash>
#include <QStringList>
#include <functional>

// A scenario's steps, as the window's and the overview's tables write them: separated by " ; ",
// each a verb, a blank and its argument, the argument often KEY=VALUE (cut at the first "="); a
// step followed by " xN" (N from 1) runs N times. Each runner gives the verbs their meaning and
// fails the row of a verb it does not know.
struct Step {
    explicit Step(const QString &text) : verb(text.section(u' ', 0, 0)), arg(text.section(u' ', 1)) {}
    QString verb, arg, key = arg.section(u'=', 0, 0), value = arg.section(u'=', 1);
};

// The steps of a row in the order they run, a repeated one as often as it asks.
inline QStringList stepsOf(const QString &row)
{
    QStringList steps;
    for (const QString &step : row.split(QStringLiteral(" ; ")))
        for (int i = 0, times = step.section(QStringLiteral(" x"), -1).toInt(); i < std::max(times, 1); ++i)
            steps << (times ? step.section(QStringLiteral(" x"), 0, -2) : step);
    return steps;
}

// A runner's verbs: what each does with its step.
using Verbs = QHash<QString, std::function<void(const Step &)>>;

// Does the step; false, with nothing done, for a verb the runner does not know, which fails its row.
inline bool perform(const Verbs &verbs, const QString &text)
{
    const Step step(text);
    const auto found = verbs.constFind(step.verb);
    if (found == verbs.cend())
        return false;
    found.value()(step);
    return true;
}
