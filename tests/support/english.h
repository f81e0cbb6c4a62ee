#pragma once

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

// The program's English translation, installed while this lives.
struct English {
    QTranslator translator;
    English()
    {
        QVERIFY(translator.load(QStringLiteral(":/i18n/quillon_en.qm")) &&
                QCoreApplication::installTranslator(&translator));
    }
    ~English() { QCoreApplication::removeTranslator(&translator); }
};
