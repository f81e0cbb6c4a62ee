#pragma once

#include "platform/clock.h"

class QtClock : public Clock {
public:
    QDateTime now() const override;
};
