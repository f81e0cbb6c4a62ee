#include "platform/qtclock.h"

QDateTime QtClock::now() const
{
    return QDateTime::currentDateTime();
}
