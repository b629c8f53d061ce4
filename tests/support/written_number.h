// Whole-number reference arithmetic for the problem tests: numbers as they
// are written on screen, read back and written out again without any floating
// point, so a test checks the program against an independent computation.
#pragma once

#include <QString>

// A number as written ("0.088") read as its digits (88) and places (3).
struct WrittenNumber {
    qint64 digits = 0;
    int places = 0;
};

WrittenNumber ReadWrittenNumber(const QString& text);

qint64 Pow10(int exponent);

// digits / 10^places written with exactly `places` places ("0.088").
QString WriteScaled(qint64 digits, int places);

// A count of units of 10^-scalePlaces written with `places` places, the
// places beyond cut off (thousandths 23500 with 1 place give "23.5").
QString WriteCut(qint64 units, int scalePlaces, int places);

// Fails the test when count / total lies more than 0.02 from chance.
void CheckShare(int count, int total, double chance, const char* what);
