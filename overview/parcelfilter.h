#pragma once

#include "overview/parcelmodel.h"

#include <QSortFilterProxyModel>

// The overview's rows as the filter field and 显示已归档 leave them: archived parcels only when
// asked for. Time moves parcels into the archive, so the window asks for a fresh look now and then.
class ParcelFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setShowArchived(bool show)
    {
        m_showArchived = show;
        invalidateFilter();
    }
    void lookAgain() { invalidateFilter(); }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        return (m_showArchived ||
                !sourceModel()->index(row, 0, parent).data(ParcelModel::archivedRole).toBool()) &&
               QSortFilterProxyModel::filterAcceptsRow(row, parent);
    }

private:
    bool m_showArchived = false;
};
