#include "tracking/resultmodel.h"

#include <QBrush>
#include <QColor>

void ResultModel::setRows(QList<ResultRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void ResultModel::clear()
{
    setRows({});
}

int ResultModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ResultModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QString ResultModel::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return QString();
    switch (column) {
    case numberColumn:
        return QString::number(row + 1);
    case timeColumn:
        return m_rows.at(m_rows.size() - 1 - row).time;
    case progressColumn:
        return m_rows.at(m_rows.size() - 1 - row).progress;
    default:
        return QString();
    }
}

QVariant ResultModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole)
        return cell(index.row(), index.column());
    if (role == Qt::ForegroundRole && index.row() == 0 && index.column() != numberColumn)
        return QBrush(QColor(255, 0, 0));
    return QVariant();
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case numberColumn:
        return tr("序号");
    case timeColumn:
        return tr("时间");
    case progressColumn:
        return tr("物流进度");
    default:
        return QVariant();
    }
}

Qt::ItemFlags ResultModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
