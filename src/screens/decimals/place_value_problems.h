// TForm2 problem half: decimal place values. A number from 0.01 to 88.88 is
// either taken apart into so many 10, 1, 0.1 and 0.01 (the decompose form) or
// put together from those counts (the compose form).
#pragma once

#include "decimal_value.h"
#include "random_source.h"

#include <QString>

enum class PlaceValueForm { Decompose, Compose };

struct PlaceValueProblem {
    int selector = 0; // the form draw: 0 to 4 decompose, 5 to 8 compose
    PlaceValueForm form = PlaceValueForm::Decompose;
    int tens = 0;       // each digit 0 to 8
    int ones = 0;
    int tenths = 0;
    int hundredths = 0;
    int n = 0;          // the number in hundredths: the answer the four lists add up to
    DecimalValue number; // n / 100
    QString text;        // the problem as shown
};

// Draws a problem from `random` (the screen reseeds it first). The number
// never has a 9 among its digits and always has a decimal part.
PlaceValueProblem MakePlaceValueProblem(RandomSource& random);

// The number with two places, or one when its hundredths digit is 0:
// 32.58, 40.7, 0.35, 0.05.
QString FormatPlaceValue(const DecimalValue& number);

struct PlaceValueVerdict {
    bool right = false;
    QString answerText; // the number (compose form) or the four counts (decompose form)
};

// Judges the four picked digits added up with weights 1000, 100, 10, 1.
PlaceValueVerdict JudgePlaceValueAnswer(const PlaceValueProblem& problem, qint64 childAnswer);
