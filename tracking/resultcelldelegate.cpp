#include "tracking/resultcelldelegate.h"

#include "app/textrules.h"

void ResultCellDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = cutAtWholeCharacter(option->text, maxShownLength);
}
