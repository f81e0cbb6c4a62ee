#pragma once

#include "parcels/numberbatch.h"

#include <QAbstractTableModel>

// The lines of 添加单号 as a table: each number, its company (the one cell the user edits, with a
// name of the catalogue) and why it would be left out, or what became of it. The lines are read
// again from the whole text when it changes, and their notes again when a company is chosen or a
// run says what became of a number.
class BatchModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Number, Company, Note, ColumnCount };

    BatchModel(QStringList historyNumbers, QObject *parent = nullptr);

    void setText(const QString &text);
    // A run's answer for `number`: added, or why not.
    void setOutcome(const QString &number, const QString &failure);
    const QList<NumberBatch::Line> &lines() const { return m_lines; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    void readAgain(); // the same lines, their marks anew

    QString m_text;
    NumberBatch::Marks m_marks;
    QList<NumberBatch::Line> m_lines;
};
