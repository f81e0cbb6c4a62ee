#include "overview/parcelmodel.h"

#include "common/textrules.h"
#include "parcels/parcelfields.h"
#include "parcels/parcelwords.h"

#include <QColor>
#include <QFont>

ParcelModel::ParcelModel(const ParcelBoard &board, QObject *parent)
    : QAbstractTableModel(parent), m_board(board)
{
    using Kind = ParcelChange::Kind;
    connect(&board, &ParcelBoard::aboutToChange, this, [this](const ParcelChange &change) {
        if (change.kind == Kind::Reset)
            beginResetModel();
        else if (change.kind == Kind::Added)
            beginInsertRows(QModelIndex(), change.first, change.last);
        else if (change.kind == Kind::Removed)
            beginRemoveRows(QModelIndex(), change.first, change.last);
    });
    connect(&board, &ParcelBoard::changed, this, [this](const ParcelChange &change) {
        if (change.kind == Kind::Reset)
            endResetModel();
        else if (change.kind == Kind::Added)
            endInsertRows();
        else if (change.kind == Kind::Removed)
            endRemoveRows();
        else
            emit dataChanged(index(change.first, 0), index(change.last, ColumnCount - 1));
    });
}

QVariant ParcelModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // Each column is titled as the list's file titles the field it shows.
    using Id = ParcelFields::Id;
    static constexpr Id shown[] = {Id::Number,     Id::Note,  Id::Company, Id::Status,
                                   Id::NewestStep, Id::Steps, Id::AskedAt, Id::Marked};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return ParcelFields::title(shown[section]);
}

namespace {
// Cut before the tags go, so that a huge step costs no more than a shown one on each repaint.
QString newestOf(const ParcelRecord &parcel)
{
    return plainText(cutAtWholeCharacter(parcel.newestTime + u' ' + parcel.newestStep, shownTextLength));
}

QVariant shown(const ParcelRecord &parcel, int column)
{
    switch (column) {
    case ParcelModel::Number:
        return parcel.key.number;
    case ParcelModel::Note:
        return parcel.note;
    case ParcelModel::Company:
        return parcel.key.company;
    case ParcelModel::Status:
        return ParcelWords::status(parcel.state);
    case ParcelModel::Newest:
        return newestOf(parcel);
    case ParcelModel::Steps:
        return parcel.askedAt.isValid() ? QString::number(parcel.stepCount) : QString();
    case ParcelModel::AskedAt:
        return parcel.askedAt.isValid() ? parcel.askedAt.toLocalTime().toString(QStringLiteral("MM-dd HH:mm"))
                                        : QString();
    case ParcelModel::Marked:
        return parcel.marked ? QStringLiteral("●") : QString();
    }
    return QVariant();
}

QVariant sortValue(const ParcelRecord &parcel, int column)
{
    switch (column) {
    case ParcelModel::Steps:
        return parcel.stepCount;
    case ParcelModel::AskedAt:
        return parcel.askedAt;
    case ParcelModel::Marked:
        return parcel.marked;
    default:
        return shown(parcel, column);
    }
}

QVariant toolTip(const ParcelRecord &parcel, int column)
{
    if (column == ParcelModel::Newest)
        return newestOf(parcel);
    if (column == ParcelModel::Note && !parcel.note.isEmpty()) // whole, where the column cuts it
        return parcel.note;
    if (column == ParcelModel::Status && !parcel.state.reason.isEmpty())
        return ParcelWords::why(parcel.state);
    return QVariant();
}
} // namespace

QVariant ParcelModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_board.count())
        return QVariant();
    const ParcelRecord &parcel = m_board.parcel(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return shown(parcel, index.column());
    case Qt::EditRole:
        return index.column() == Note ? QVariant(parcel.note) : QVariant();
    case Qt::ToolTipRole:
        return toolTip(parcel, index.column());
    case sortRole:
        return sortValue(parcel, index.column());
    case filterRole:
        return parcel.key.number + u'\n' + parcel.note + u'\n' + parcel.key.company;
    case archivedRole:
        return m_board.isArchived(index.row());
    case Qt::ForegroundRole: // archived parcels, shown when asked, greyed; the mark red
        if (m_board.isArchived(index.row()))
            return QColor(Qt::gray);
        return index.column() == Marked ? QVariant(QColor(Qt::red)) : QVariant();
    case Qt::FontRole:
        if (index.column() == Marked && parcel.marked) { // seen at a glance
            QFont font;
            font.setBold(true);
            font.setPointSizeF(font.pointSizeF() * 1.3);
            return font;
        }
    }
    return QVariant();
}

bool ParcelModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != Note || role != Qt::EditRole || index.row() >= m_board.count())
        return false;
    emit noteEdited(m_board.parcel(index.row()).key, value.toString());
    return true;
}
