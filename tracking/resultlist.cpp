#include "tracking/resultlist.h"

#include "common/textrules.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTreeView>

namespace {
// Column widths in pixels: 1440, 2000 and 5200 twips at 15 twips a pixel.
constexpr int numberWidth = 96;
constexpr int timeWidth = 133;
constexpr int progressWidth = 347;

// Draws a cell from at most its first characters: a column shows a few dozen of them, yet Qt lays
// out the whole text to paint or size a cell. The model keeps the whole text.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = cutAtWholeCharacter(option->text, shownTextLength);
    }
};
} // namespace

ResultList::ResultList(QTreeView *list) : QObject(list), m_list(list), m_model(new ResultModel(list))
{
    list->setModel(m_model);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSortingEnabled(false);
    list->setTextElideMode(Qt::ElideRight);
    list->setItemDelegate(new CellDelegate(list));

    // The header lock: no column can be dragged or double-clicked to another width.
    QHeaderView *header = list->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->resizeSection(ResultModel::numberColumn, numberWidth);
    header->resizeSection(ResultModel::timeColumn, timeWidth);
    header->resizeSection(ResultModel::progressColumn, progressWidth);
    m_viewport = list->viewport();
    m_viewport->installEventFilter(this);
}

bool ResultList::eventFilter(QObject *watched, QEvent *event)
{
    // The type first: while the list is being destroyed its viewport still sends events here.
    if (event->type() != QEvent::MouseButtonPress || watched != m_viewport)
        return false;
    const int row = m_list->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint()).row();
    if (row < 0 || m_model->cell(row, ResultModel::numberColumn).isEmpty()) {
        if (row < 0)
            m_list->clearSelection();
        emit clickedNoRow();
    } else {
        m_list->setToolTip(rowBalloon(m_model->cell(row, ResultModel::timeColumn),
                                      m_model->cell(row, ResultModel::progressColumn)));
    }
    return false;
}

QString ResultList::rowBalloon(const QString &time, const QString &progress)
{
    // A server's text may hold line breaks of its own; each line is cut on its own.
    QString text = tr("时间:%1\n物流进度:%2").arg(time, progress);
    QStringList lines = text.replace(QLatin1String("\r\n"), QLatin1String("\n")).split(u'\n');
    for (QString &line : lines)
        line = cutAtWholeCharacter(line, shownTextLength).toHtmlEscaped();
    return QStringLiteral("<p style='white-space:pre-wrap'><b>%1</b><br>%2</p>")
        .arg(tr("物流跟踪信息").toHtmlEscaped(), lines.join(QLatin1String("<br>")));
}
