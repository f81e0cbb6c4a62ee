#pragma once

#include <QList>
#include <QString>

// Which couriers a tracking number may belong to, from its shape alone, without asking a server.
class CourierGuess {
public:
    enum class Confidence { Sure, Likely };

    struct Candidate {
        QString company; // a name of the catalogue
        Confidence confidence;
        QString reason; // a few words for a tooltip: what in the number points there
    };

    // The couriers the number as typed fits, most likely first, at most three; none when it fits
    // no rule. Blanks and line breaks around it do not count, nor the case of its letters.
    static QList<Candidate> of(const QString &typed);
};
