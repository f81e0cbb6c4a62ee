#include "demoservice.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

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
                       "gbk, redirect or moved (default normal)."),
        QStringLiteral("NAME"), QStringLiteral("normal"));
    parser.addOption(portOption);
    parser.addOption(versionOption);
    parser.addOption(updateBehaviourOption);
    parser.process(app);

    bool valid = false;
    const uint port = parser.value(portOption).toUInt(&valid);
    if (!valid || port > 65535) {
        std::fprintf(stderr, "Invalid port: %s\n", qPrintable(parser.value(portOption)));
        return 2;
    }

    const auto updateBehaviour = DemoService::behaviourNamed(parser.value(updateBehaviourOption));
    if (!updateBehaviour) {
        std::fprintf(stderr, "Unknown behaviour: %s\n", qPrintable(parser.value(updateBehaviourOption)));
        return 2;
    }

    DemoService service;
    service.setUpdateBehaviour(*updateBehaviour);
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
