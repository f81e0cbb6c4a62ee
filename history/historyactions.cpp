#include "history/historyactions.h"

#include "history/historybox.h"
#include "history/historystore.h"
#include "platform/messageboxes.h"

#include <QComboBox>
#include <QFile>

namespace {
const QString boxTitle = QStringLiteral("Orvo系列软件");
}

HistoryActions::HistoryActions(QComboBox *numberBox, QComboBox *companyList, HistoryStore &history,
                               MessageBoxes &boxes, QObject *parent)
    : QObject(parent), m_numberBox(numberBox), m_companyList(companyList), m_history(history), m_boxes(boxes)
{
}

void HistoryActions::pick(int index)
{
    const auto [number, company] = HistoryStore::pickedEntry(m_numberBox->itemText(index));
    m_numberBox->setEditText(number);
    // Selecting by name runs the company list's own selection handling; an unknown name keeps it.
    const int position = m_companyList->findText(company, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (position >= 0)
        m_companyList->setCurrentIndex(position);
    emit picked();
}

void HistoryActions::command9Click()
{
    const QString typed = m_numberBox->currentText();
    if (typed.isEmpty()) {
        m_boxes.show({boxTitle, QStringLiteral("请先选择要删除的单号!"), BoxIcon::Information, BoxButton::Ok,
                      BoxButton::NoButton});
        return;
    }
    const BoxButton answer =
        m_boxes.show({boxTitle, QStringLiteral("确定要删除[") + typed + QStringLiteral("]此单号码?"),
                      BoxIcon::Information, BoxButton::Yes | BoxButton::No, BoxButton::Yes});
    if (answer != BoxButton::Yes)
        return;
    const QString number = HistoryStore::recordedNumber(typed);
    if (number.isEmpty()) {
        // Line breaks alone are no number: nothing to remove, nothing to write.
        m_numberBox->clearEditText();
        return;
    }
    m_history.removeNumber(number);
    xr2();
}

void HistoryActions::xr2()
{
    // Rewritten in place of the old file, never after deleting it: a crash cannot lose the rest.
    const bool saved = m_history.save();
    HistoryBox::setEntries(m_numberBox, m_history.entries());
    if (!saved)
        emit message(QStringLiteral("单号记录保存失败!"));
}

void HistoryActions::command7Click()
{
    const BoxButton answer =
        m_boxes.show({boxTitle, QStringLiteral("确定要清空查询列表吗?"), BoxIcon::Information,
                      BoxButton::Yes | BoxButton::No, BoxButton::Yes});
    if (answer != BoxButton::Yes)
        return;
    const bool removed = m_history.clear();
    HistoryBox::setEntries(m_numberBox, {});
    emit message(removed ? QStringLiteral("查询列表已清空...") : QStringLiteral("单号记录保存失败!"));
}
