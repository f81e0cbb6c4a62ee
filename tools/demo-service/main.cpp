#include "demoservice.h"
#include "platform/qtwebfetch.h"
#include "tracking/queryoutcome.h"
#include "tracking/trackingrequest.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <cstdio>

namespace {

// Where Quillon waits 15 s, asking waits this long, so that a number that hangs costs little.
constexpr int askDeadlineMs = 2000;

// For each number, a line of what Quillon shows after querying it against this service: the
// delivery status when steps came, else the message that ends the query; then why it failed.
int ask(const QStringList &numbers)
{
    // Each line already says why a query failed; the fetch's own log would say it twice.
    QLoggingCategory::setFilterRules(QStringLiteral("quillon.fetch.warning=false"));
    DemoService service;
    if (service.listen() == 0)
        return 1;
    QtWebFetch fetch(askDeadlineMs);
    for (const QString &number : numbers) {
        const QueryOutcome outcome = QueryOutcome::read(fetch.getResponsive(
            TrackingRequest::url(service.hostAndPort(), QStringLiteral("shunfeng"), number)));
        const QString shown = outcome.rows.isEmpty()
                                  ? outcome.message()
                                  : QueryOutcome::deliveryStatus(newestRow(outcome.rows).progress);
        std::printf("%s\t%s\t%s\n", number.toUtf8().constData(), shown.toUtf8().constData(),
                    outcome.cause.toUtf8().constData());
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillon-demo-service"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Local stand-in for the tracking service, the update server and the outlet page."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Port to listen on (default 18765)."),
                                        QStringLiteral("N"), QStringLiteral("18765"));
    const QCommandLineOption versionOption(
        QStringLiteral("update-version"),
        QStringLiteral("Content of the update file (default: the program's version)."),
        QStringLiteral("TEXT"));
    const QCommandLineOption updateBehaviourOption(
        QStringLiteral("update-behaviour"),
        QStringLiteral("How the update file is delivered: normal, hang, drip, cut, e404, e500, huge, empty, "
                       "gbk, redirect, moved or maintenance (default normal)."),
        QStringLiteral("NAME"), QStringLiteral("normal"));
    const QCommandLineOption trackingBehaviourOption(
        QStringLiteral("tracking-behaviour"),
        QStringLiteral("How every tracking answer is delivered, whatever the number: one of the names above, "
                       "or maintenance (default normal: the number picks)."),
        QStringLiteral("NAME"), QStringLiteral("normal"));
    const QCommandLineOption askOption(
        QStringLiteral("ask"),
        QStringLiteral("Print what Quillon shows for each NUMBER, asked of a service of its own, and exit."));
    parser.addOption(portOption);
    parser.addOption(versionOption);
    parser.addOption(updateBehaviourOption);
    parser.addOption(trackingBehaviourOption);
    parser.addOption(askOption);
    parser.addPositionalArgument(QStringLiteral("NUMBER"), QStringLiteral("A tracking number, with --ask."),
                                 QStringLiteral("[NUMBER...]"));
    parser.process(app);
    if (parser.isSet(askOption))
        return ask(parser.positionalArguments());
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "Numbers are asked with --ask\n");
        return 1;
    }

    bool valid = false;
    const uint port = parser.value(portOption).toUInt(&valid);
    if (!valid || port > 65535) {
        std::fprintf(stderr, "Invalid port: %s\n", qPrintable(parser.value(portOption)));
        return 2;
    }

    const auto updateBehaviour = DemoService::behaviourNamed(parser.value(updateBehaviourOption));
    const auto trackingBehaviour = DemoService::behaviourNamed(parser.value(trackingBehaviourOption));
    if (!updateBehaviour || !trackingBehaviour) {
        std::fprintf(
            stderr, "Unknown behaviour: %s\n",
            qPrintable(parser.value(updateBehaviour ? trackingBehaviourOption : updateBehaviourOption)));
        return 2;
    }

    DemoService service;
    service.setUpdateBehaviour(*updateBehaviour);
    service.setTrackingBehaviour(*trackingBehaviour);
    if (parser.isSet(versionOption))
        service.setUpdateAnswer(parser.value(versionOption).toUtf8());
    const quint16 bound = service.listen(quint16(port));
    if (bound == 0) {
        std::fprintf(stderr, "Cannot listen on 127.0.0.1:%u\n", port);
        return 1;
    }
    std::printf("Quillon demo service on 127.0.0.1:%u\n", unsigned(bound));
    std::fflush(stdout);
    return app.exec();
}
