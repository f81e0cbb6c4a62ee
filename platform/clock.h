#pragma once

#include <QDateTime>

// Local date and time, and a steady count that setting the date and time does not move.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Milliseconds since some fixed moment of this run, never going back.
    virtual qint64 steadyMs() const = 0;
};
