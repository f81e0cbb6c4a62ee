#pragma once

#include "overview/numberbatch.h"

#include <QAbstractTableModel>

// The lines of 添加单号 as a table: each number, its company (the one cell the user edits, with a
// name of the catalogue) and why it would be left out. The lines are read again from the whole
// text when it changes, and their notes again when a company is chosen.
class BatchModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Number, Company, Note, ColumnCount };

    BatchModel(QStringList historyNumbers, QObject *parent = nullptr);

    void setText(const QString &text);
    const QList<NumberBatch::Line> &lines() const { return m_lines; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    QString m_text;
    QStringList m_historyNumbers;
    QHash<QString, QString> m_chosen; // the companies picked by hand, by number
    QList<NumberBatch::Line> m_lines;
};
