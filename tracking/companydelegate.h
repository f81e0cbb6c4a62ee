#pragma once

#include <QStyledItemDelegate>

class Clock;

// A table's company cell, chosen from the catalogue's names in a drop-down list that letters typed
// to it search as the main window's does. A list is made only for the line being edited, so that a
// table of thousands of lines costs no list at all; a pick takes effect as the list closes. The list
// is named for the line's number, in `numberColumn`.
class CompanyDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    CompanyDelegate(const Clock &clock, int numberColumn, QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    const Clock &m_clock;
    int m_numberColumn;
};
