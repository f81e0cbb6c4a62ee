#pragma once

#include "platform/webfetch.h"

#include <QString>
#include <QUrl>

// The start-up check of the update file "jc.txt" against the program's own version.
class UpdateCheck {
public:
    static QUrl url(const QString &host); // "http://" host "/orvoupd/zephyr/jc.txt"
    static QString currentVersion();      // "V" major "." minor: "V3.0"

    enum class Verdict { Failed, Current, Newer };
    struct Result {
        Verdict verdict = Verdict::Failed;
        QString version; // the answer without its trailing blanks and line breaks
        QString cause;   // Failed: why
    };
    // Failed: no answer, an HTTP error status, an empty answer, or one that is no version
    // (longer than 32 characters, or holding "<" or a control character).
    static Result evaluate(const FetchResult &fetch);

    // Text of the box that announces a newer version.
    static QString newerVersionText(const QString &version);
};
