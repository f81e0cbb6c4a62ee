#pragma once

#include "app/mainwindow.h"
#include "demoservice.h"
#include "fakeplatform.h"
#include "platform/qtwebfetch.h"

#include <QTemporaryDir>
#include <memory>

// The real main window with fake platform services, a temporary program folder, and the demo
// service over loopback behind a fetch limited to a second.
//
// run() plays a scenario: steps separated by " ; ", each a verb and its argument, as a user acts:
//   start | ready                     open the window; ready: and let the update check pass
//   put NAME=TEXT | block NAME        a file of the program folder, in GB18030; a folder in its place
//   answer NUMBER=HTML | update TEXT  the service's answer for a number (rows:N: N rows); the update file
//   serve ROUTE=BEHAVIOUR             tracking, update or outlet answers (DemoService::behaviourNamed)
//   pick N | type TEXT | query N NUMBER   courier N; the number box; both, then 开始查询 and its parse
//   select LIST=N | at HH:MM[:SS]     an entry of a drop-down list; the clock
//   click NAME | tick NAME | reply BUTTON   a button; a timer's tick; the next box's answer
//   mnemonic NAME                     a theme marks a mnemonic in a button's caption
//   focus NAME | open LIST | key KEYS a control takes the focus; a list opens; keys to the focus
//   copy TEXT | close | closing HOW   the clipboard; the window's close box; a close while a fetch
//                                     waits, from the window system (HOW: window) or by code
//   events                            posted events run (each box blocks the window beneath it)
//   inside STEP                       the step, while the next box is open
//   elsewhere | minimize | activate   another window is active; the window is minimized; the
//                                     user activates the desktop notification
//   row N | resize                    a click on row N of the list (-1: below the rows); a drag and a
//                                     double-click on a column divider
//   search TEXT | popular NAME        in the company search: a keyword, or a popular company's button
//   outlet [!]NAME | about            a query in the outlet lookup (!: closed while it waits), then a
//                                     click on its delivery area; the about box's version and links
//                                     (a dialog's notes are named by its title)
//   limit BYTES                       files cannot grow past BYTES (0: no limit), as on a full disk
//   show WHAT,WHAT                    notes what the window shows (see shown())
// A step followed by " xN" runs N times. run() returns the notes, "what=shown" each, joined by " | ".
class WindowHarness {
public:
    WindowHarness();
    ~WindowHarness();
    QString run(const QString &steps);

private:
    void perform(const QString &step);
    QString shown(const QString &what) const;
    void inDialog(const char *button, const std::function<void(QWidget *)> &act);
    void tick(const char *timer); // its handler runs as at the timer's tick, if the timer runs
    QString path(const QString &name) const { return m_dir.filePath(name); }
    template <typename T = QWidget> T *find(const char *name) const
    {
        T *child = m_window->findChild<T *>(QString::fromLatin1(name));
        if (!child)
            qFatal("no control named %s", name);
        return child;
    }

    FakeSound sound;
    FakeMessageBoxes boxes;
    FakeShell shell;
    FakeClock clock;
    FakeSkin skin;
    FakeAppExit appExit;
    FakeNotifier notifier;
    QTemporaryDir m_dir;
    DemoService m_service;
    Endpoints m_endpoints;
    QtWebFetch m_fetch;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_notes;
    int m_open = 0, m_mostOpen = 0; // boxes open now, and at most
    QStringList m_inside;           // steps for the next box to run while it is open
    QWidget m_elsewhere;            // another window, to take the activation
};
