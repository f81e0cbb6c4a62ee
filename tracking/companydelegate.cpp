#include "tracking/companydelegate.h"

#include "tracking/catalogue.h"
#include "tracking/companytyping.h"

#include <QComboBox>

CompanyDelegate::CompanyDelegate(const Clock &clock, int numberColumn, QObject *parent)
    : QStyledItemDelegate(parent), m_clock(clock), m_numberColumn(numberColumn)
{
}

QWidget *CompanyDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                       const QModelIndex &index) const
{
    auto *list = new QComboBox(parent);
    list->setAccessibleName(tr("%1的快递公司").arg(index.siblingAtColumn(m_numberColumn).data().toString()));
    list->addItem(QString());
    list->addItems(Catalogue::names());
    new CompanyTyping(list, m_clock, list);
    auto *self = const_cast<CompanyDelegate *>(this); // the signal is not const
    connect(list, &QComboBox::currentIndexChanged, self, [self, list] { emit self->commitData(list); });
    return list;
}

void CompanyDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *list = static_cast<QComboBox *>(editor);
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(qMax(0, list->findText(index.data(Qt::EditRole).toString())));
}

void CompanyDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, static_cast<QComboBox *>(editor)->currentText());
}
