// How much processor time the program burns while it waits for a tracking service that
// never answers: one QtWebFetch::getInBackground with a 3 s deadline, awaited in an event loop as
// the program's own, against the demo service in its hanging mode. Prints wall time, process CPU
// time and their ratio.
//
// Goal: CPU time under 1 % of the wall time of the wait. A plain program, not a Google Benchmark
// one: it fails when the goal is missed, so a wait that spins fails its CTest run.

#include "demoservice.h"
#include "platform/qtwebfetch.h"
#include "tracking/trackingrequest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int deadlineMs = 3000;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

const char *outcomeName(FetchResult::Outcome outcome)
{
    switch (outcome) {
    case FetchResult::Outcome::Ok:
        return "Ok";
    case FetchResult::Outcome::HttpError:
        return "HttpError";
    case FetchResult::Outcome::NetworkError:
        return "NetworkError";
    case FetchResult::Outcome::Redirected:
        return "Redirected";
    case FetchResult::Outcome::Cut:
        return "Cut";
    case FetchResult::Outcome::Timeout:
        return "Timeout";
    case FetchResult::Outcome::TooLarge:
        return "TooLarge";
    case FetchResult::Outcome::Aborted:
        return "Aborted";
    }
    return "?";
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window's event loop kind, as in the program.
    QApplication app(argc, argv);

    DemoService service;
    if (service.listen() == 0) {
        std::fprintf(stderr, "bench_fetchwait: the demo service cannot listen\n");
        return 1;
    }
    service.setTrackingBehaviour(DemoService::Behaviour::Hang);

    QtWebFetch fetch(deadlineMs, 32 * 1024 * 1024);
    const QUrl url = TrackingRequest::url(service.hostAndPort(), QStringLiteral("shunfeng"),
                                          QStringLiteral("12345678901"));

    QElapsedTimer wall;
    const double cpuBefore = cpuSeconds();
    wall.start();
    FetchResult result;
    QEventLoop loop; // the program's own loop, which goes on while the answer is awaited
    fetch.getInBackground(url, &loop, [&](const FetchResult &answer) {
        result = answer;
        loop.quit();
    });
    loop.exec();
    const double wallMs = double(wall.nsecsElapsed()) / 1e6;
    const double cpuMs = (cpuSeconds() - cpuBefore) * 1000.0;

    const double percent = 100.0 * cpuMs / wallMs;
    std::printf("outcome        %s\n", outcomeName(result.outcome));
    std::printf("wall time      %8.1f ms (deadline %d ms)\n", wallMs, deadlineMs);
    std::printf("cpu time       %8.1f ms (user + system, whole process)\n", cpuMs);
    std::printf(
        "| process CPU time / wall time while a fetch waits on a silent server | %.3f %% | < 1 %%, %s |\n",
        percent, percent < 1.0 ? "met" : "MISSED");

    // The figures mean nothing unless the wait really ran to the deadline.
    if (result.outcome != FetchResult::Outcome::Timeout) {
        std::fprintf(stderr, "bench_fetchwait: expected a timeout\n");
        return 1;
    }
    return percent < 1.0 ? 0 : 1;
}
