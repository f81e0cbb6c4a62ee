#pragma once

#include "tracking/resultparser.h"

#include <QAbstractTableModel>
#include <QList>

// The rows of the result list, newest on top: the answer's last row is row 0,
// numbered "1"; its time and progress are drawn in red. Rows are kept in answer order and
// numbered when shown, so a new answer goes in with one reset, however long it is.
class ResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int numberColumn = 0;   // "序号"
    static constexpr int timeColumn = 1;     // "时间"
    static constexpr int progressColumn = 2; // "物流进度"

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(QList<ResultRow> rows); // in answer order
    void clear();

    // The text of a cell as the list shows it.
    QString cell(int row, int column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QList<ResultRow> m_rows;
};
