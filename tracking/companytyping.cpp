#include "tracking/companytyping.h"

#include "platform/clock.h"
#include "tracking/catalogue.h"
#include "tracking/companykeys.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

CompanyTyping::CompanyTyping(QComboBox *box, const Clock &clock, QObject *parent)
    : QObject(parent), m_box(box), m_clock(clock)
{
    // An open list's keys go to its view.
    box->installEventFilter(this);
    box->view()->installEventFilter(this);
}

bool CompanyTyping::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const QString text = key->text();
    // A Latin letter or digit, shifted at most; every other key keeps its meaning to the list.
    if (text.size() != 1 || text.front().unicode() > 0x7f || !text.front().isLetterOrNumber() ||
        (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)))
        return false;
    const qint64 now = m_clock.steadyMs();
    if (now - m_typedAt > QApplication::keyboardInputInterval())
        m_typed.clear();
    m_typed += text;
    m_typedAt = now;
    // The list may hold more than the catalogue (an empty line first): the name finds its line.
    const int company = CompanyKeys::find(m_typed);
    const int position =
        company >= 0 ? m_box->findText(Catalogue::names().at(company), Qt::MatchExactly) : -1;
    if (position >= 0)
        show(position);
    return true; // Qt's own search would look only at how a name is written
}

void CompanyTyping::show(int position)
{
    QAbstractItemView *view = m_box->view();
    if (view->isVisible()) {
        view->setCurrentIndex(m_box->model()->index(position, m_box->modelColumn()));
        return;
    }
    if (position == m_box->currentIndex())
        return;
    // As Qt's own keyboard search picks: the selection, then the user's activation.
    m_box->setCurrentIndex(position);
    emit m_box->activated(position);
}
