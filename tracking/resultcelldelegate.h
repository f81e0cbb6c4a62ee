#pragma once

#include <QStyledItemDelegate>

// Draws a result cell from at most its first maxShownLength characters. A column shows a few
// dozen of them, yet Qt lays out the whole text to paint or size a cell, so a cell of a megabyte
// would stall every repaint of the list. The model keeps the whole text.
class ResultCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr qsizetype maxShownLength = 2000;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
