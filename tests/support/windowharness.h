#pragma once

#include "app/form1.h"
#include "demoservice.h"
#include "fakeplatform.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The real main window with fake platform services, a temporary program folder and, unless
// a scripted fetch is asked for, the demo service over loopback behind a short-limited fetch.
class WindowHarness {
public:
    struct Options {
        bool scriptedFetch = false;
        int deadlineMs = 2000;
        qint64 maxBytes = 4 * 1024 * 1024;
        WebFetch *fetch = nullptr;               // a fetch of the test's own, instead of the two above
        const ProgramFolders *folders = nullptr; // folders of the test's own, instead of folder()
    };

    WindowHarness();
    explicit WindowHarness(const Options &options);
    ~WindowHarness();

    // Builds the window (start-up runs); files placed in folder() before this are seen by it.
    Form1 &start();
    // Start-up plus the update check against the demo service, so the window is ready to query.
    Form1 &startReady();

    template <typename T> T *find(const char *name) const
    {
        T *child = m_window->findChild<T *>(QString::fromLatin1(name));
        if (!child)
            qFatal("no control named %s", name);
        return child;
    }

    // Picks the company at `position`, types `number`, presses the query and runs the parse.
    void query(int position, const QString &number);
    void selectCompany(int position);
    void typeNumber(const QString &number);
    // Runs the parser's tick if a parse is pending.
    bool finishParse();

    // The result list's rows as shown.
    int rowCount() const;
    QString cell(int row, int column) const;
    QVariant cellData(int row, int column, int role) const;

    QString folder() const { return m_dir.path(); }
    QString historyPath() const;
    QByteArray historyBytes() const;
    void writeHistory(const QByteArray &bytes) const;

    Form1 &window() { return *m_window; }
    DemoService &service() { return m_service; }
    ScriptedFetch &scripted() { return m_scripted; }

    FakeSound sound;
    FakeMessageBoxes boxes;
    FakeShell shell;
    FakeClock clock;
    FakeSkin skin;
    FakeAppExit appExit;
    Endpoints endpoints;

private:
    Options m_options;
    QTemporaryDir m_dir;
    DemoService m_service;
    ScriptedFetch m_scripted;
    std::unique_ptr<WebFetch> m_fetch;
    std::unique_ptr<Form1> m_window;
};
