#include "common/cuttextdelegate.h"

#include <QLineEdit>

CutTextDelegate::CutTextDelegate(std::function<QString(const QString &)> keep, qsizetype length,
                                 std::function<void()> cut, QObject *parent)
    : QStyledItemDelegate(parent), m_keep(std::move(keep)), m_length(length), m_cut(std::move(cut))
{
}

QWidget *CutTextDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        connect(line, &QLineEdit::textEdited, line,
                [line, keep = m_keep, length = m_length, cut = m_cut](const QString &text) {
                    const QString kept = keep(text);
                    if (kept.size() < text.size() && text.size() > length) {
                        line->setText(kept);
                        cut();
                    }
                });
    return editor;
}
