#pragma once

#include <QString>

// Text rules the whole program shares.

// `text` without leading and trailing ordinary spaces (U+0020); tabs and the full-width space stay.
QString trimBlanks(const QString &text);

// The decimal number at the start of a text (after leading blanks); 0 when there is none.
int leadingNumber(const QString &text);

// `text` where room is bounded: at most `maxLength` UTF-16 units, cut at a whole character and
// ended with "…" when it is longer.
QString cutAtWholeCharacter(const QString &text, qsizetype maxLength);
