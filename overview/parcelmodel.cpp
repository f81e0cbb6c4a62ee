#include "overview/parcelmodel.h"

#include "common/textrules.h"
#include "parcels/parcelboard.h"

#include <QColor>
#include <QFont>

ParcelModel::ParcelModel(const ParcelBoard &board, QObject *parent)
    : QAbstractTableModel(parent), m_board(board)
{
    connect(&board, &ParcelBoard::aboutToChange, this, [this](const ParcelChange &change) {
        switch (change.kind) {
        case ParcelChange::Kind::Reset:
            return beginResetModel();
        case ParcelChange::Kind::Added:
            return beginInsertRows(QModelIndex(), change.first, change.last);
        case ParcelChange::Kind::Removed:
            return beginRemoveRows(QModelIndex(), change.first, change.last);
        case ParcelChange::Kind::Changed:
            return;
        }
    });
    connect(&board, &ParcelBoard::changed, this, [this](const ParcelChange &change) {
        switch (change.kind) {
        case ParcelChange::Kind::Reset:
            return endResetModel();
        case ParcelChange::Kind::Added:
            return endInsertRows();
        case ParcelChange::Kind::Removed:
            return endRemoveRows();
        case ParcelChange::Kind::Changed:
            emit dataChanged(index(change.first, 0), index(change.last, ColumnCount - 1));
        }
    });
}

int ParcelModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_board.count();
}

int ParcelModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ParcelModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QString titles[] = {QStringLiteral("单号"),     QStringLiteral("备注"),
                                     QStringLiteral("快递公司"), QStringLiteral("快件状态"),
                                     QStringLiteral("最新进度"), QStringLiteral("步数"),
                                     QStringLiteral("上次查询"), QStringLiteral("有更新")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return titles[section];
}

QVariant ParcelModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_board.count())
        return QVariant();
    const ParcelRecord &parcel = m_board.parcel(index.row());
    if (role == filterRole)
        return parcel.key.number + u'\n' + parcel.note + u'\n' + parcel.key.company;
    if (role == archivedRole)
        return m_board.isArchived(index.row());
    if (role == Qt::ForegroundRole) { // archived parcels, shown when asked, greyed; the mark red
        if (m_board.isArchived(index.row()))
            return QColor(Qt::gray);
        return index.column() == Marked ? QVariant(QColor(Qt::red)) : QVariant();
    }
    if (role == Qt::FontRole && index.column() == Marked && parcel.marked) { // seen at a glance
        QFont font;
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.3);
        return font;
    }
    if (role == Qt::EditRole && index.column() == Note)
        return parcel.note;
    const auto newest = [&parcel] {
        // Cut before the tags go, so that a huge step costs no more than a shown one on each repaint.
        return plainText(cutAtWholeCharacter(parcel.newestTime + u' ' + parcel.newestStep, shownTextLength));
    };
    if (role == sortRole) {
        switch (index.column()) {
        case Steps:
            return parcel.stepCount;
        case AskedAt:
            return parcel.askedAt;
        case Marked:
            return parcel.marked;
        default:
            return data(index, Qt::DisplayRole);
        }
    }
    if (role == Qt::ToolTipRole) {
        if (index.column() == Newest)
            return newest();
        if (index.column() == Note && !parcel.note.isEmpty()) // whole, where the column cuts it
            return parcel.note;
        if (index.column() == Status && !parcel.failureCause.isEmpty())
            return parcel.failureCause + (parcel.goodStatus.isEmpty()
                                              ? QString()
                                              : QStringLiteral("\n上次结果：") + parcel.goodStatus);
        return QVariant();
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (index.column()) {
    case Number:
        return parcel.key.number;
    case Note:
        return parcel.note;
    case Company:
        return parcel.key.company;
    case Status:
        return parcel.status;
    case Newest:
        return newest();
    case Steps:
        return parcel.askedAt.isValid() ? QString::number(parcel.stepCount) : QString();
    case AskedAt:
        return parcel.askedAt.isValid() ? parcel.askedAt.toLocalTime().toString(QStringLiteral("MM-dd HH:mm"))
                                        : QString();
    case Marked:
        return parcel.marked ? QStringLiteral("●") : QString();
    }
    return QVariant();
}

Qt::ItemFlags ParcelModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == Note ? flags | Qt::ItemIsEditable : flags;
}

bool ParcelModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != Note || role != Qt::EditRole || index.row() >= m_board.count())
        return false;
    emit noteEdited(m_board.parcel(index.row()).key, value.toString());
    return true;
}
