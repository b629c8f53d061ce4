// Clock: the program's one source for the time of day.
#include "program_clock.h"

namespace {
QDateTime& FixedTime()
{
    static QDateTime when;
    return when;
}
} // namespace

QDateTime Clock::now()
{
    return FixedTime().isValid() ? FixedTime() : QDateTime::currentDateTime();
}

int Clock::secondsOfDay()
{
    const QTime t = now().time();
    return t.hour() * 3600 + t.minute() * 60 + t.second();
}

void Clock::setNowForTesting(const QDateTime& when)
{
    FixedTime() = when;
}

void Clock::advanceForTesting(int seconds)
{
    if (FixedTime().isValid())
        FixedTime() = FixedTime().addSecs(seconds);
}
