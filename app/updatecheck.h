#pragma once

#include "platform/webfetch.h"

#include <QString>

// The start-up check of the update file "jc.txt" against the program's own version.
class UpdateCheck {
public:
    static constexpr const char *currentVersion = "V3.0";
    static constexpr const char *path = "/orvoupd/zephyr/jc.txt";

    enum class Verdict { Failed, Current, Newer };
    struct Result {
        Verdict verdict = Verdict::Failed;
        QString version; // the answer without its trailing blanks and line breaks
    };

    // Failed: no answer, an HTTP error status, an empty answer, or one that is no version
    // (longer than 32 characters, or holding "<" or a line break inside it).
    static Result evaluate(const FetchResult &fetch);

    // Text of the box that announces a newer version.
    static QString newerVersionText(const QString &version);
};
