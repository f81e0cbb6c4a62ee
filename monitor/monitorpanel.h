#pragma once

#include <QGroupBox>
#include <QList>
#include <QTime>
#include <QTimer>
#include <functional>

class Clock;
class MessageBoxes;
class QPushButton;

// What the scheduled and the loop query panels share: a button that arms and disarms, its caption
// following the state, a timer that runs while armed, the panel's own lists locked meanwhile, and a
// button that leaves for the other panel, asking first when armed. Each panel says only when
// its query is due; the window locks its own inputs and runs the query.
class MonitorPanel : public QGroupBox {
    Q_OBJECT
public:
    // The platform's services and whether the window's number box and company list are both
    // filled, which arming needs; given once the window has made its panels.
    void attach(MessageBoxes &boxes, const Clock &clock, std::function<bool()> queryInputsFilled);
    // While held, ticks neither count nor fire: the window waits for an answer.
    void setHeld(bool held);

signals:
    void armed();    // the window's inputs are to be locked
    void disarmed(); // and unlocked
    void due();      // the query is to run now
    void leaving();  // the other panel is to take this one's place; this one is disarmed right after

protected:
    struct Wording {
        QString disarmedCaption;
        QString armedCaption;
        QString noQuery;       // arming without a number or a company
        QString noTime;        // arming without the time chosen
        QString leaveQuestion; // leaving while armed
    };
    MonitorPanel(QWidget *parent, const char *timerName, int intervalMs);
    // For the subclass's constructor, once its form is set up.
    void setControls(QPushButton *armButton, QPushButton *leaveButton, QList<QWidget *> lists,
                     Wording wording);
    bool isArmed() const;
    void disarm();
    static QStringList numbers(int first, int last); // a list's entries: decimal, no leading zeros
    const Clock &clock() const { return *m_clock; }

    // While armed, the arming button's tooltip says when the next query runs.
    void showNextQuery();
    virtual QTime nextQuery() const = 0;
    virtual bool timeChosen() const = 0;
    virtual void tick() = 0;    // a tick of the timer while armed and not held
    virtual void restart() = 0; // arming, disarming and leaving start counting again

private:
    void armClick();
    void leaveClick();
    void setListsEnabled(bool enabled);

    QPushButton *m_armButton = nullptr;
    QList<QWidget *> m_lists;
    Wording m_texts;
    MessageBoxes *m_boxes = nullptr;
    const Clock *m_clock = nullptr;
    QTimer m_timer;
    std::function<bool()> m_queryInputsFilled;
    bool m_held = false;
    bool m_armed = false; // the caption follows; a theme may add mnemonics to what it shows
};
