#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Numbers pasted to be added at once, one a line or separated by blanks, commas or 、: each with
// the company recognised from its shape or chosen by the user, and why it would be left out.
struct NumberBatch {
    enum class Skip {
        None,      // to be added
        NoCompany, // its shape points to no courier, and none was chosen
        Repeated,  // earlier in the batch
        Known,     // a number of the history already
    };
    struct Line {
        QString number;
        QString company; // a name of the catalogue; empty when none
        Skip skip = Skip::None;
    };

    // The lines of `text` in their order. `chosen` holds the companies the user picked, by number.
    static QList<Line> read(const QString &text, const QStringList &historyNumbers,
                            const QHash<QString, QString> &chosen);
    static QString skipText(Skip skip); // what the dialog says of a line left out
    // What became of the numbers asked: each "" when recorded, else "number（why not）"; and how
    // many were not asked, the run stopped before them.
    static QString summary(const QStringList &outcomes, qsizetype notAsked);
};
