#include "tracking/resultlist.h"

#include "tracking/resultcelldelegate.h"

#include <QHeaderView>
#include <QTreeView>

namespace {
// Column widths in pixels: 1440, 2000 and 5200 twips at 15 twips a pixel.
constexpr int numberWidth = 96;
constexpr int timeWidth = 133;
constexpr int progressWidth = 347;
} // namespace

ResultModel *ResultList::prepare(QTreeView *list)
{
    auto *model = new ResultModel(list);
    list->setModel(model);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSortingEnabled(false);
    list->setTextElideMode(Qt::ElideRight);
    list->setItemDelegate(new ResultCellDelegate(list));

    // The header lock: no column can be dragged or double-clicked to another width.
    QHeaderView *header = list->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->resizeSection(ResultModel::numberColumn, numberWidth);
    header->resizeSection(ResultModel::timeColumn, timeWidth);
    header->resizeSection(ResultModel::progressColumn, progressWidth);
    return model;
}
