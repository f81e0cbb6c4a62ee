#include "app/historycontroller.h"

#include "common/texts.h"
#include "parcels/parcelbook.h"
#include "platform/messageboxes.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStringListModel>

HistoryController::HistoryController(QComboBox *numberBox, ParcelBook &book, MessageBoxes &boxes,
                                     QObject *parent)
    : QObject(parent), m_numberBox(numberBox), m_book(book), m_boxes(boxes)
{
    // `activated` comes only from the user's choice in the list, never from typing or from code.
    connect(numberBox, &QComboBox::activated, this, &HistoryController::pickEntry);
    connect(&book, &ParcelBook::historyChanged, this, &HistoryController::follow);
}

void HistoryController::loadAndShow()
{
    m_book.loadHistory();
    if (m_book.history().unreadable())
        emit message(Texts::historyUnreadable());
}

void HistoryController::showEntries()
{
    const QSignalBlocker blocker(m_numberBox);
    m_numberBox->setModel(new QStringListModel(m_book.history().entries(), m_numberBox));
    m_numberBox->setCurrentIndex(-1);
    m_numberBox->clearEditText();
}

// Entries added at the end go into the list behind the typed number, which stays; any other change
// lays the list out anew and empties the box.
void HistoryController::follow(int appended)
{
    auto *model = qobject_cast<QStringListModel *>(m_numberBox->model());
    const QStringList &entries = m_book.history().entries();
    if (appended <= 0 || !model || model->rowCount() + appended != entries.size())
        return showEntries();
    const QString typed = m_numberBox->currentText();
    const QSignalBlocker blocker(m_numberBox);
    const int first = model->rowCount();
    model->insertRows(first, appended);
    for (int row = first; row < entries.size(); ++row)
        model->setData(model->index(row), entries.at(row));
    // Inserting into an empty combo box selects the new entry; the typed number must stay.
    m_numberBox->setCurrentIndex(-1);
    m_numberBox->setEditText(typed);
}

void HistoryController::pickEntry(int index)
{
    const ParcelKey entry = HistoryStore::keyOf(m_numberBox->itemText(index));
    m_numberBox->setEditText(entry.number);
    emit picked(entry.company);
}

void HistoryController::deleteTypedNumber()
{
    deleteNumber(m_numberBox->currentText());
}

void HistoryController::deleteNumber(const QString &typed, QWidget *asking)
{
    if (typed.isEmpty()) {
        m_boxes.show({Texts::boxTitle(), tr("请先选择要删除的单号!"), BoxIcon::Information, BoxButton::Ok,
                      BoxButton::NoButton, asking});
        return;
    }
    const BoxButton answer =
        m_boxes.show({Texts::boxTitle(), tr("确定要删除[%1]此单号码?").arg(typed), BoxIcon::Information,
                      BoxButton::Yes | BoxButton::No, BoxButton::Yes, asking});
    if (answer != BoxButton::Yes)
        return;
    const QString number = HistoryStore::recordedNumber(typed);
    if (number.isEmpty()) {
        // Line breaks alone are no number: nothing to remove, nothing to rewrite.
        m_numberBox->clearEditText();
        return;
    }
    const bool saved = m_book.removeNumber(number);
    showEntries(); // the box is emptied, whether or not an entry went
    if (!saved)
        emit message(Texts::historyNotSaved());
}

void HistoryController::clearAll()
{
    const BoxButton answer =
        m_boxes.show({Texts::boxTitle(), tr("确定要清空查询列表吗?"), BoxIcon::Information,
                      BoxButton::Yes | BoxButton::No, BoxButton::Yes});
    if (answer != BoxButton::Yes)
        return;
    const bool cleared = m_book.clearHistory();
    showEntries();
    emit message(cleared ? tr("查询列表已清空...") : Texts::historyNotSaved());
}
