#include "tracking/couriersuggestion.h"

#include "tracking/courierguess.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>

CourierSuggestion::CourierSuggestion(QComboBox *numberBox, QComboBox *companyBox, QWidget *window)
    : QObject(window), m_numberBox(numberBox), m_companyBox(companyBox), m_window(window)
{
    for (int line = 0; line < 3; ++line) {
        auto *shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + line)), window);
        connect(shortcut, &QShortcut::activated, this, [this, line] { choose(line); });
    }
    connect(companyBox, &QComboBox::currentIndexChanged, this, &CourierSuggestion::hide);
    numberBox->installEventFilter(this); // the focus and the keys are the box's before its edit field's
}

void CourierSuggestion::offerFor(const QString &typed)
{
    const QList<CourierGuess::Candidate> candidates = CourierGuess::of(typed);
    const bool shown = std::ranges::any_of(candidates, [this](const CourierGuess::Candidate &c) {
        return c.company == m_companyBox->currentText();
    });
    if (candidates.isEmpty() || shown || !m_numberBox->isEnabled())
        return hide();
    makeList();
    m_list->clear();
    // A sure courier comes alone; likely ones say so once, before them. Each line names the key
    // that picks it.
    if (candidates.first().confidence != CourierGuess::Confidence::Sure) {
        auto *caption = new QListWidgetItem(tr("可能是"));
        caption->setFlags(Qt::ItemIsEnabled);
        m_list->addItem(caption);
    }
    for (qsizetype line = 0; line < candidates.size(); ++line) {
        auto *item =
            new QListWidgetItem(QStringLiteral("Alt+%1 %2").arg(line + 1).arg(candidates[line].company));
        item->setData(Qt::UserRole, candidates[line].company);
        item->setToolTip(candidates[line].reason);
        m_list->addItem(item);
    }
    // One row in the gap under the number box, so that the company list below stays in reach: as
    // wide as its lines, from the number box's left, or as far left as the frame when they need it.
    const QWidget *window = m_list->parentWidget(), *frame = m_numberBox->parentWidget();
    const QPoint at = m_numberBox->mapTo(window, QPoint(0, m_numberBox->height()));
    int width = 2 * m_list->frameWidth();
    for (int line = 0; line < m_list->count(); ++line)
        width += m_list->sizeHintForIndex(m_list->model()->index(line, 0)).width() + 2 * m_list->spacing();
    const int left = frame->mapTo(window, QPoint(frame->contentsRect().left(), 0)).x(),
              right = frame->mapTo(window, QPoint(frame->contentsRect().right(), 0)).x();
    width = qMin(width, right - left);
    m_list->setGeometry(QRect(QPoint(qMax(left, qMin(at.x(), right - width)), at.y()),
                              QSize(width, m_list->sizeHintForRow(0) + 2 * m_list->frameWidth())));
    m_list->show();
    m_list->raise();
    qApp->installEventFilter(this); // a click anywhere else closes it
    // A screen reader says the first suggestion, while the focus stays in the number box.
    m_list->setAccessibleDescription(m_list->item(0)->text());
    QAccessibleEvent announced(m_list, QAccessible::Alert);
    QAccessible::updateAccessibility(&announced);
}

// Made at the first offer, so that start-up does not pay for a list most runs never show.
void CourierSuggestion::makeList()
{
    if (m_list)
        return;
    m_list = new QListWidget(m_window);
    m_list->setObjectName(QStringLiteral("courierSuggestions"));
    m_list->setAccessibleName(tr("单号对应的快递公司"));
    m_list->setFocusPolicy(Qt::NoFocus); // typing goes on in the number box
    m_list->setFlow(QListView::LeftToRight);
    m_list->setSpacing(2);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (!item->data(Qt::UserRole).isNull()) // not the caption
            choose(m_list->row(item) - (m_list->item(0)->data(Qt::UserRole).isNull() ? 1 : 0));
    });
}

bool CourierSuggestion::isShown() const
{
    return m_list && m_list->isVisible();
}

void CourierSuggestion::hide()
{
    if (m_list)
        m_list->hide();
    qApp->removeEventFilter(this);
}

void CourierSuggestion::choose(int line)
{
    const int caption = m_list && m_list->count() > 0 && m_list->item(0)->data(Qt::UserRole).isNull();
    if (!isShown() || line + caption >= m_list->count() || line < 0)
        return;
    const QString company = m_list->item(line + caption)->data(Qt::UserRole).toString();
    hide();
    emit chosen(company);
}

bool CourierSuggestion::eventFilter(QObject *watched, QEvent *event)
{
    // A click outside its lines closes it and goes on where it was aimed, as a completer's list.
    if (event->type() == QEvent::MouseButtonPress && isShown() && watched->isWidgetType() &&
        !m_list->isAncestorOf(static_cast<QWidget *>(watched)) && watched != m_list)
        hide();
    if (watched != m_numberBox)
        return false;
    if (isShown() && event->type() == QEvent::FocusOut)
        hide();
    if (isShown() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
