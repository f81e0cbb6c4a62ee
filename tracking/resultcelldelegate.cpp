#include "tracking/resultcelldelegate.h"

void ResultCellDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->text.size() <= maxShownLength)
        return;
    qsizetype keep = maxShownLength - 1;
    if (option->text.at(keep - 1).isHighSurrogate())
        --keep; // never half a character
    option->text = option->text.left(keep) + QChar(0x2026);
}
