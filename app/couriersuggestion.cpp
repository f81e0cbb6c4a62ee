#include "app/couriersuggestion.h"

#include "tracking/courierguess.h"

#include <QAccessible>
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
    for (const CourierGuess::Candidate &candidate : candidates) {
        const bool sure = candidate.confidence == CourierGuess::Confidence::Sure;
        auto *item =
            new QListWidgetItem(sure ? candidate.company : QStringLiteral("可能是 ") + candidate.company);
        item->setData(Qt::UserRole, candidate.company);
        item->setToolTip(candidate.reason);
        m_list->addItem(item);
    }
    const QWidget *window = m_list->parentWidget();
    const int frame = 2 * m_list->frameWidth();
    m_list->setGeometry(
        QRect(m_numberBox->mapTo(window, QPoint(0, m_numberBox->height())),
              QSize(m_numberBox->width(), m_list->sizeHintForRow(0) * m_list->count() + frame)));
    m_list->show();
    m_list->raise();
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
    m_list->setAccessibleName(QStringLiteral("单号对应的快递公司"));
    m_list->setFocusPolicy(Qt::NoFocus); // typing goes on in the number box
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { choose(m_list->row(item)); });
}

bool CourierSuggestion::isShown() const
{
    return m_list && m_list->isVisible();
}

void CourierSuggestion::hide()
{
    if (m_list)
        m_list->hide();
}

void CourierSuggestion::choose(int line)
{
    if (!isShown() || line >= m_list->count())
        return;
    const QString company = m_list->item(line)->data(Qt::UserRole).toString();
    hide();
    emit chosen(company);
}

bool CourierSuggestion::eventFilter(QObject *watched, QEvent *event)
{
    if (isShown() && event->type() == QEvent::FocusOut)
        hide();
    if (isShown() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
