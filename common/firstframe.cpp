#include "common/firstframe.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace {

// Watches its parent, the window, for its first paint; gone with the window.
class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget *window, std::function<void()> task) : QObject(window), m_task(std::move(task))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                const std::function<void()> task = std::move(m_task);
                deleteLater();
                task();
            });
        }
        return false;
    }

private:
    std::function<void()> m_task;
};

} // namespace

void afterFirstFrame(QWidget *window, std::function<void()> task)
{
    new FirstFrameWatch(window, std::move(task));
}
