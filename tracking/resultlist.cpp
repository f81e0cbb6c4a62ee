#include "tracking/resultlist.h"

#include <QBrush>
#include <QColor>
#include <QHeaderView>
#include <QTreeWidget>

namespace {
// Column widths in pixels: 1440, 2000 and 5200 twips at 15 twips a pixel.
constexpr int numberWidth = 96;
constexpr int timeWidth = 133;
constexpr int progressWidth = 347;
} // namespace

void ResultList::prepare(QTreeWidget *list)
{
    list->setColumnCount(3);
    list->setHeaderLabels({QStringLiteral("序号"), QStringLiteral("时间"), QStringLiteral("物流进度")});
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSortingEnabled(false);
    list->setTextElideMode(Qt::ElideRight);

    // The header lock: no column can be dragged or double-clicked to another width.
    QHeaderView *header = list->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->resizeSection(numberColumn, numberWidth);
    header->resizeSection(timeColumn, timeWidth);
    header->resizeSection(progressColumn, progressWidth);
}

void ResultList::show(QTreeWidget *list, const QList<ResultRow> &rows)
{
    list->clear();
    const qsizetype count = rows.size();
    if (count == 0)
        return;

    QList<QTreeWidgetItem *> items;
    items.reserve(count);
    // Newest on top: the answer's last row is number 1.
    for (qsizetype i = count - 1; i >= 0; --i) {
        const ResultRow &row = rows.at(i);
        items.append(new QTreeWidgetItem(QStringList{QString::number(count - i), row.time, row.progress}));
    }
    const QBrush red(QColor(255, 0, 0));
    items.first()->setForeground(timeColumn, red);
    items.first()->setForeground(progressColumn, red);
    list->addTopLevelItems(items);
}
