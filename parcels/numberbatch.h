#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// Numbers pasted to be added at once, one a line or separated by blanks, commas, semicolons or 、:
// each with the company recognised from its shape or chosen by the user, and why it would be left
// out or what became of it.
struct NumberBatch {
    enum class Skip {
        None,        // to be added
        NotANumber,  // no tracking number looks like it
        NoCompany,   // its shape points to no courier, and none was chosen
        Unconfirmed, // its shape makes a courier likely, not sure: the user confirms or changes it
        Repeated,    // earlier in the batch
        Known,       // a number of the history already
        Added,       // added by a run of this batch
    };
    struct Line {
        QString number;  // letters upper-cased
        QString company; // a name of the catalogue; empty when none
        Skip skip = Skip::None;
        QString failure; // why the last run did not add it
    };
    // What the lines are held against.
    struct Marks {
        QSet<QString> history;          // the numbers of the history as the batch began
        QHash<QString, QString> chosen; // the companies picked or confirmed by hand, by number
        QSet<QString> added;            // by a run of this batch
        QHash<QString, QString> failed; // why a run did not add a number
    };

    // The lines of `text` in their order.
    static QList<Line> read(const QString &text, const Marks &marks);
    static QString note(const Line &line); // what the dialog says of a line
    // What became of the numbers asked: each "" when recorded, else "number（why not）"; and how
    // many were not asked, the run stopped before them.
    static QString summary(const QStringList &outcomes, qsizetype notAsked);
};
