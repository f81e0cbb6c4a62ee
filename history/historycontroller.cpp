#include "history/historycontroller.h"

#include "common/texts.h"
#include "platform/messageboxes.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStringListModel>

HistoryController::HistoryController(QComboBox *numberBox, HistoryStore &history, MessageBoxes &boxes,
                                     QObject *parent)
    : QObject(parent), m_numberBox(numberBox), m_history(history), m_boxes(boxes)
{
    // `activated` comes only from the user's choice in the list, never from typing or from code.
    connect(numberBox, &QComboBox::activated, this, &HistoryController::pick);
}

void HistoryController::loadAndShow()
{
    m_history.load();
    showEntries();
    if (m_history.unreadable())
        emit message(Texts::historyUnreadable());
}

void HistoryController::showEntries()
{
    const QSignalBlocker blocker(m_numberBox);
    m_numberBox->setModel(new QStringListModel(m_history.entries(), m_numberBox));
    m_numberBox->setCurrentIndex(-1);
    m_numberBox->clearEditText();
}

HistoryStore::AddResult HistoryController::add(const QString &number, const QString &company)
{
    const HistoryStore::AddResult result = m_history.add(number, company);
    if (result != HistoryStore::AddResult::Added && result != HistoryStore::AddResult::SaveFailed)
        return result;
    auto *model = static_cast<QStringListModel *>(m_numberBox->model());
    const QString typed = m_numberBox->currentText();
    const QSignalBlocker blocker(m_numberBox);
    const int row = model->rowCount();
    model->insertRows(row, 1);
    model->setData(model->index(row), m_history.entries().constLast());
    // Inserting into an empty combo box selects the new entry; the typed number must stay.
    m_numberBox->setCurrentIndex(-1);
    m_numberBox->setEditText(typed);
    emit changed();
    return result;
}

HistoryStore::AddResult HistoryController::addAll(const QList<HistoryStore::Picked> &parcels)
{
    const HistoryStore::AddResult result = m_history.addAll(parcels);
    if (result == HistoryStore::AddResult::SaveFailed)
        emit message(Texts::historyNotSaved());
    if (result != HistoryStore::AddResult::Added)
        return result;
    const QString typed = m_numberBox->currentText();
    showEntries();
    const QSignalBlocker blocker(m_numberBox);
    m_numberBox->setEditText(typed);
    emit changed();
    return result;
}

void HistoryController::pick(int index)
{
    const HistoryStore::Picked entry = HistoryStore::pick(m_numberBox->itemText(index));
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
        m_boxes.show({Texts::boxTitle(), QStringLiteral("请先选择要删除的单号!"), BoxIcon::Information,
                      BoxButton::Ok, BoxButton::NoButton, asking});
        return;
    }
    const BoxButton answer =
        m_boxes.show({Texts::boxTitle(), QStringLiteral("确定要删除[") + typed + QStringLiteral("]此单号码?"),
                      BoxIcon::Information, BoxButton::Yes | BoxButton::No, BoxButton::Yes, asking});
    if (answer != BoxButton::Yes)
        return;
    const QString number = HistoryStore::recordedNumber(typed);
    if (number.isEmpty()) {
        // Line breaks alone are no number: nothing to remove, nothing to rewrite.
        m_numberBox->clearEditText();
        return;
    }
    const qsizetype before = m_history.entries().size();
    const bool saved = m_history.removeNumber(number);
    showEntries();
    if (!saved)
        emit message(Texts::historyNotSaved());
    if (m_history.entries().size() != before)
        emit changed();
}

void HistoryController::clearAll()
{
    const BoxButton answer =
        m_boxes.show({Texts::boxTitle(), QStringLiteral("确定要清空查询列表吗?"), BoxIcon::Information,
                      BoxButton::Yes | BoxButton::No, BoxButton::Yes});
    if (answer != BoxButton::Yes)
        return;
    const bool hadEntries = !m_history.entries().isEmpty();
    const bool cleared = m_history.clear();
    showEntries();
    emit message(cleared ? QStringLiteral("查询列表已清空...") : Texts::historyNotSaved());
    if (hadEntries)
        emit changed();
}
