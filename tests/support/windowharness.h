#pragma once

#include "app/mainwindow.h"
#include "demoservice.h"
#include "english.h"
#include "fakeplatform.h"
#include "platform/qtwebfetch.h"
#include "steps.h"

#include <QTemporaryDir>
#include <memory>

// The real main window with fake platform services, a temporary program folder, and the demo
// service over loopback behind a fetch limited to a second. The window's result and parcel models
// are watched by QAbstractItemModelTester: a step that breaks their signals' contract fails its row.
//
// run() plays a scenario, its steps (see steps.h) as a user acts:
//   start | ready                     open the window (again: a restart); ready: and let the update
//                                     check pass
//   put NAME=TEXT | block NAME        a file of the program folder, in GB18030; a folder in its place
//   answer NUMBER=HTML | update TEXT  the service's answer for a number (rows:N: N rows); the update file
//   serve ROUTE=BEHAVIOUR             tracking, update or outlet answers (DemoService::behaviourNamed)
//   pick NAME | type TEXT             a courier by its name (-: none chosen); the number box
//   query NAME NUMBER                 pick, type, then 开始查询, and the rows shown if they wait
//   select LIST=N | at HH:MM[:SS]     an entry of a drop-down list; the clock
//   click NAME | tick NAME | reply BUTTON   a button; a timer's tick; the next box's answer
//   press NAME                        a mouse click at a control's centre, on whatever lies on top there
//   mnemonic NAME                     a theme marks a mnemonic in a button's caption
//   focus NAME | open LIST | key KEYS a control takes the focus; a list opens; keys to the focus
//   copy TEXT | close [overview]      the clipboard; the window's (the overview's) close box
//   typein NAME=TEXT                  TEXT typed into a control, then committed by an input method
//   closing HOW                       a close while a fetch
//                                     waits, from the window system (HOW: window) or by code
//   events                            posted events run (each box blocks the window beneath it)
//   inside STEP                       the step, while the next box is open
//   during STEP                       the step, while the next answer is awaited (a step that sends
//                                     a request waits for its answer)
//   elsewhere | minimize | activate [other]   another window is active; the window is minimized;
//                                     the user activates the window's (another's) desktop notification
//   row N                             a click on row N of the list (-1: below the rows)
//   resize                            on the list's first column divider: a drag 60 px right, then a
//                                     double-click
//   search TEXT | popular NAME        in the company search: a keyword, or a popular company's button
//   about                             opens the about box; notes its title, version and the colours
//                                     of its four notes; left-clicks each contact link and the
//                                     forum link, QQ twice; a right click on the forum link and a
//                                     left press on the e-mail link released beside it, which open
//                                     nothing; closes it
//   outlet NAME                       opens the outlet lookup, types NAME, presses 查询; notes the
//                                     six values and the status line, clicks the delivery area, closes
//   outlet !NAME                      the same, but the dialog closes while the page is awaited
//                                     (noting whether 查询 was disabled then)
//                                     (a dialog's notes are named by its title)
//   limit BYTES                       files cannot grow past BYTES (0: no limit), as on a full disk
//   refresh [stop|add]                全部查询 in the overview (and 停止 at once; or 添加 of 添加单号),
//                                     each answer awaited, each pause ticked
//   batch TEXT | batch company=N=NAME 添加单号 opened, TEXT pasted; line N's company picked (or
//                                     letters in lower case typed to its list)
//   filter TEXT | enter N             the overview's filter field; Enter on row N of its table
//   sort N                            a click on the title of the overview's column N
//   widen N                           the overview N px wider: notes what its newest step and filter gained
//   note N=TEXT | typing N=TEXT       F2 on row N of the overview, TEXT pasted, Enter (typing: not yet)
//   menu N=ITEM                       row N's context menu in the overview, then its item ITEM
//   list export|import NAME           导出列表… (Ctrl+E) or 导入列表… (Ctrl+I), NAME picked
//   activate refresh                  the user activates the notification a refresh posted last
//   tray on|click|ITEM                the next start finds a tray; a click on its icon; its menu's ITEM
//   again                             a later start asks for the window
//   english                           the next start in English
//   clipped [BUTTON]                  the texts wider than their controls, in every window open (or
//                                     in the dialog BUTTON opens)
//   show WHAT,WHAT                    notes what the window shows (see shown())
// run() returns the notes, "what=shown" each, joined by " | ".
// An unknown verb, control or observable stops the scenario; failure() then says which.
class WindowHarness {
public:
    WindowHarness();
    ~WindowHarness();
    QString run(const QString &steps);
    const QString &failure() const { return m_failure; }

private:
    void perform(const QString &step); // acts, then waits for an answer the step awaits
    void act(const QString &step);     // by the step's verb, from the table of them
    Verbs windowVerbs();
    void watchModels();
    QString shown(const QString &what) const;
    void inDialog(const char *button, const std::function<void(QWidget *)> &act);
    void tick(const char *timer); // its handler runs as at the timer's tick, if the timer runs
    void awaitRefresh();
    QString path(const QString &name) const { return m_dir.filePath(name); }
    // What stops a scenario: thrown by a step, caught where the step began.
    struct Unknown {
        QString what;
    };
    void guarded(const std::function<void()> &steps); // keeps the first Unknown in m_failure
    template <typename T = QWidget> T *find(const char *name) const
    {
        T *child = m_window ? m_window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
        if (!child)
            throw Unknown{QStringLiteral("no control of that kind named ") + QString::fromLatin1(name)};
        return child;
    }

    FakeSound sound;
    FakeMessageBoxes boxes;
    FakeShell shell;
    FakeClock clock;
    FakeSkin skin;
    FakeAppExit appExit;
    FakeNotifier notifier;
    FakeFileDialogs files;
    FakeTray tray;
    std::optional<English> m_english;
    QTemporaryDir m_dir;
    DemoService m_service;
    Endpoints m_endpoints;
    QtWebFetch m_fetch;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_notes;
    QString m_failure;
    int m_open = 0, m_mostOpen = 0; // boxes open now, and at most
    QStringList m_inside;           // steps for the next box to run while it is open
    QStringList m_during;           // steps to run while the next answer is awaited
    QWidget m_elsewhere;            // another window, to take the activation
    const Verbs m_verbs = windowVerbs();
};
