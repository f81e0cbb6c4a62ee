#pragma once

#include "platform/platform.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QUrl>
#include <functional>

class FakeSound : public Sound {
public:
    void play(const QString &path) override { played.append(path); }
    QStringList played;
};

// Answers boxes from a script; with nothing scripted it presses the default button, else the first one.
class FakeMessageBoxes : public MessageBoxes {
public:
    BoxButton show(const BoxRequest &request) override;
    QList<BoxRequest> shown;
    QQueue<BoxButton> answers;
    std::function<void()> whileOpen; // runs while the box is "open", before it answers
};

class FakeShell : public Shell {
public:
    void openUrl(const QUrl &url) override { opened.append(url); }
    QList<QUrl> opened;
};

class FakeClock : public Clock {
public:
    QDateTime now() const override { return current; }
    QDateTime current = QDateTime(QDate(2026, 12, 6), QTime(14, 5, 0));
};

class FakeSkin : public Skin {
public:
    void attach(const QString &path, const QString &password) override
    {
        attachedPath = path;
        attachedPassword = password;
    }
    void adjustHsv(int hue, int saturation, int brightness) override { hsv = {hue, saturation, brightness}; }
    QString attachedPath;
    QString attachedPassword = QStringLiteral("(not attached)");
    QList<int> hsv;
};

class FakeAppExit : public AppExit {
public:
    void exitNow(int code) override { codes.append(code); }
    QList<int> codes;
};

// Answers fetches from a queue and records the addresses asked for.
class ScriptedFetch : public WebFetch {
public:
    FetchResult get(const QUrl &url) override;
    FetchResult getResponsive(const QUrl &url, const QList<QPair<QByteArray, QByteArray>> &) override
    {
        return get(url);
    }
    void abortResponsive() override {}
    QList<QUrl> requested;
    QQueue<FetchResult> answers;
};

FetchResult okAnswer(const QString &body);
FetchResult failedAnswer(FetchResult::Outcome outcome, int status = 0, const QString &body = QString());
