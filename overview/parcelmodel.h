#pragma once

#include "parcels/parcelboard.h"

#include <QAbstractTableModel>

// The overview's table: one row per parcel of the board, in its order (the history's,
// newest entry on top). Sorting goes through a proxy on sortRole, the value each column is
// ordered by; filterRole holds the number, the note and the company, which the filter field
// narrows by. The note is the one cell the user edits: what is typed goes out as noteEdited(), and
// comes back as the board's change.
class ParcelModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Number, Note, Company, Status, Newest, Steps, AskedAt, Marked, ColumnCount };
    static constexpr int sortRole = Qt::UserRole;
    static constexpr int filterRole = Qt::UserRole + 1;
    static constexpr int archivedRole = Qt::UserRole + 2; // the list shows it only when asked

    explicit ParcelModel(const ParcelBoard &board, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : m_board.count();
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : ColumnCount;
    }
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return QAbstractTableModel::flags(index) |
               (index.column() == Note ? Qt::ItemIsEditable : Qt::NoItemFlags);
    }
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    void noteEdited(const ParcelKey &key, const QString &typed);

private:
    const ParcelBoard &m_board;
};
