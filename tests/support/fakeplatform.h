#pragma once

#include "platform/platform.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QUrl>
#include <algorithm>
#include <functional>

// Recording stand-ins for the platform's services.
struct FakeSound : Sound {
    void play(const QString &path) override { played.append(path); }
    QStringList played;
};

// Answers boxes from a script; with nothing scripted it presses the default button, else the first.
struct FakeMessageBoxes : MessageBoxes {
    BoxButton show(const BoxRequest &request) override
    {
        shown.append(request);
        if (whileOpen)
            whileOpen();
        if (!answers.isEmpty())
            return answers.dequeue();
        // Else the default button, or the lowest: Ok, Yes, No, Cancel in turn.
        return request.defaultButton != BoxButton::NoButton ? request.defaultButton
                                                            : BoxButton(request.buttons & -request.buttons);
    }
    QList<BoxRequest> shown;
    QQueue<BoxButton> answers;
    std::function<void()> whileOpen; // runs while the box is "open", before it answers
};

struct FakeShell : Shell {
    void openUrl(const QUrl &url) override { opened.append(url); }
    QList<QUrl> opened;
};

// Answers with the paths queued, one a question; an empty path (cancelled) once they run out.
struct FakeFileDialogs : FileDialogs {
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return paths.isEmpty() ? QString() : paths.dequeue();
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return paths.isEmpty() ? QString() : paths.dequeue();
    }
    QQueue<QString> paths;
};

struct FakeClock : Clock {
    QDateTime now() const override { return current; }
    qint64 steadyMs() const override { return steady; }
    // Time passes up to `to`; a `to` before now is the clock set back, which the steady count ignores.
    void passTo(const QDateTime &to)
    {
        steady += std::max<qint64>(0, current.msecsTo(to));
        current = to;
    }
    QDateTime current = QDateTime(QDate(2026, 12, 6), QTime(14, 5, 0));
    qint64 steady = 0;
};

struct FakeSkin : Skin {
    void attach(const QString &path, const QString &) override { attached = path; }
    void adjustHsv(int hue, int, int) override { this->hue = hue; }
    QString attached;
    int hue = 0;
};

struct FakeNotifier : Notifier {
    void notify(const Notification &shown, QObject *) override
    {
        posted << QStringLiteral("[%1] %2/%3").arg(shown.key, shown.summary, shown.body);
    }
    QStringList posted;
};

struct FakeAppExit : AppExit {
    void exitNow(int code) override { codes.append(code); }
    QList<int> codes;
};
