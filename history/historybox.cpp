#include "history/historybox.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStringListModel>

void HistoryBox::setEntries(QComboBox *box, const QStringList &entries)
{
    const QSignalBlocker blocker(box);
    box->setModel(new QStringListModel(entries, box));
    box->setCurrentIndex(-1);
    box->clearEditText();
}

void HistoryBox::append(QComboBox *box, const QString &entry)
{
    auto *model = qobject_cast<QStringListModel *>(box->model());
    if (!model) {
        setEntries(box, {});
        model = qobject_cast<QStringListModel *>(box->model());
    }
    const QString typed = box->currentText();
    const QSignalBlocker blocker(box);
    const int row = model->rowCount();
    model->insertRows(row, 1);
    model->setData(model->index(row), entry);
    // Inserting into an empty combo box selects the new entry; the typed number must stay.
    if (box->currentIndex() != -1 || box->currentText() != typed) {
        box->setCurrentIndex(-1);
        box->setEditText(typed);
    }
}
