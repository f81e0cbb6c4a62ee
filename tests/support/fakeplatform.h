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

// A tray where `available` says there is one. choose() picks an item by its text; a check item
// toggles.
struct FakeTray : Tray {
    bool isAvailable() const override { return available; }
    void show(const QList<Item> &menu) override // as a new start finds it
    {
        items = menu;
        checked.clear();
        marked = false;
    }
    void setToolTip(const QString &text) override { tip = text; }
    void setMarked(bool marked) override { this->marked = marked; }
    void setChecked(const QString &name, bool on) override { checked[name] = on; }
    bool choose(const QString &text)
    {
        for (const Item &item : items) {
            if (item.text != text)
                continue;
            const bool on = item.checkable && !checked.value(item.name);
            if (item.checkable)
                checked[item.name] = on;
            emit chosen(item.name, on);
            return true;
        }
        return false;
    }
    QString shown() const // "none", or its tooltip, mark and menu, [x] for a checked item
    {
        QStringList menu;
        for (const Item &item : items)
            menu << (item.text.isEmpty() ? QStringLiteral("-")
                     : item.checkable
                         ? QStringLiteral("[%1]").arg(QChar(checked.value(item.name) ? u'x' : u' ')) +
                               item.text
                         : item.text);
        return items.isEmpty()
                   ? QStringLiteral("none")
                   : QString(tip).replace(u'\n', u'/') +
                         (marked ? QStringLiteral(" (marked) ") : QStringLiteral(" ")) + menu.join(u',');
    }
    bool available = false;
    QList<Item> items;
    QString tip;
    bool marked = false;
    QHash<QString, bool> checked;
};

struct FakeAppExit : AppExit {
    void exitNow(int code) override { codes.append(code); }
    QList<int> codes;
};
