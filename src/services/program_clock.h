// Clock: the time of day and the date for the whole program.
// Everything that reads the time (the status-bar clock, drill timing, reseeding
// the random generator) asks this one place, so tests can set the time instead
// of waiting on the wall clock.
#pragma once

#include <QDateTime>

class Clock
{
public:
    // The current local date and time (or the time a test has set).
    static QDateTime now();

    // The time of day in whole seconds since midnight (fractions dropped).
    static int secondsOfDay();

    // Tests set a fixed time and move it on by hand; an invalid time goes back
    // to the real clock.
    static void setNowForTesting(const QDateTime& when);
    static void advanceForTesting(int seconds);
};
