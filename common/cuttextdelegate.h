#pragma once

#include <QStyledItemDelegate>
#include <functional>

// A cell's line editor that keeps, as it is typed or pasted, only what `keep` keeps of the text, and
// calls `cut` each time the text was longer than `length` and so lost its end.
class CutTextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    CutTextDelegate(std::function<QString(const QString &)> keep, qsizetype length, std::function<void()> cut,
                    QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;

private:
    std::function<QString(const QString &)> m_keep;
    qsizetype m_length;
    std::function<void()> m_cut;
};
