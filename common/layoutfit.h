#pragma once

#include <QStringList>

class QLabel;
class QWidget;

// Labels were placed for a smaller font: each one lower than the font's line height grows
// to it around its own vertical centre. Nothing else moves.
void growLabelsToLineHeight(QWidget *root);

// A caption the interface's language had to shorten to fit its fixed place: its tooltip and
// accessible name carry the whole text. Where the caption is the whole text, nothing changes.
void carryWhole(QLabel *caption, const QString &whole);

// The texts of a window wider than the room their controls give them, "name: text" each: what a
// translation has to shorten. Labels, buttons, group boxes' titles and the entries of lists that
// cannot be edited count; a label that wraps counts when its lines need more height than it has.
QStringList clippedTexts(const QWidget *window);
