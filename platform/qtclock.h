#pragma once

#include "platform/clock.h"

#include <QElapsedTimer>

class QtClock : public Clock {
public:
    QtClock() { m_steady.start(); }
    QDateTime now() const override;
    qint64 steadyMs() const override { return m_steady.elapsed(); }

private:
    QElapsedTimer m_steady; // monotonic where the system has such a clock
};
