// TForm17 problem half: a fraction as an exact decimal, a fraction as a
// decimal rounded to hundredths, and a decimal as a fraction over 10, 100 or
// 1000 written as a mixed number.
//
// Answers are packed into one whole number, as the eight answer lists add
// them up: a decimal in thousandths (0.75 is 750); a fraction as
// whole × 10 000 000 + denominator × 1000 + numerator (1 25/100 is 10 100 025).
#pragma once

#include "decimal_value.h"
#include "random_source.h"

#include <QString>

// What the fraction display shows, left to right: the left-hand side, the
// whole part, numerator over denominator, and the right-hand side.
struct FractionDisplay {
    QString left;        // Label5: "3 ÷ 5 = ", "1.25  = "
    QString whole;       // Label6
    QString numerator;   // Label7
    QString denominator; // Label8
    QString right;       // Label9: "= ?", "= 0.75"
};

struct ConversionProblem {
    int subTopic = 0;    // 2 fraction to decimal, 3 rounded, 4 decimal to fraction
    int places = 0;      // k: decimal places of the decimal (sub-topics 2 and 4)
    int numerator = 0;   // n, or m of the mixed number
    int denominator = 0; // d, or D (10, 100 or 1000)
    int whole = 0;       // w of the mixed number
    DecimalValue value;  // the decimal
    qint64 answer = 0;   // packed as the lists add it up
    QString instruction; // Label4
    FractionDisplay question; // while the problem is open
    FractionDisplay solved;   // after "◆", with the answer filled in
};

// How often the fraction generators draw before their fixed fraction takes over.
constexpr int kConversionRetryBound = 1000;

// whole × 10 000 000 + denominator × 1000 + numerator.
qint64 PackConversionFraction(int whole, int denominator, int numerator);

// Sub-topic 2: n/d whose value has one or two decimal places exactly.
ConversionProblem MakeFractionToDecimalProblem(RandomSource& random);

// Sub-topic 3: n/d that does not end within three places, rounded to hundredths.
ConversionProblem MakeRoundedDecimalProblem(RandomSource& random);

// Sub-topic 4: a decimal with one to three places as a mixed number over 10,
// 100 or 1000, not reduced.
ConversionProblem MakeDecimalToFractionProblem(RandomSource& random);

bool JudgeConversionAnswer(const ConversionProblem& problem, qint64 entry);
