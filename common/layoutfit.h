#pragma once

class QWidget;

// Labels were placed for a smaller font: each one lower than the font's line height grows
// to it around its own vertical centre. Nothing else moves.
void growLabelsToLineHeight(QWidget *root);
