#pragma once

#include <QString>

// Text rules several parts of the program share.

// `text` without leading and trailing ordinary spaces (U+0020); tabs and the full-width space stay.
QString trimBlanks(const QString &text);

// The decimal number at the start of a text (after leading blanks); 0 when there is none.
int leadingNumber(const QString &text);

// `text` where room is bounded: at most `maxLength` UTF-16 units, cut at a whole character and
// ended with "…" when it is longer.
QString cutAtWholeCharacter(const QString &text, qsizetype maxLength);

// A step as a person reads it, from a server's text that may hold markup: tags dropped, the
// entities the tracking service writes decoded (&nbsp; &amp; &lt; &gt; &quot; and numeric ones),
// runs of blanks folded into one and the ends trimmed. A "<" that starts no tag and an entity
// that is none of those stay as they are.
QString plainText(const QString &markup);

// How much of a server's text a label, a list cell or a balloon line shows: far more than any
// real value, yet Qt lays out all a widget holds on every repaint, so a megabyte would stall it.
inline constexpr qsizetype shownTextLength = 2000;
