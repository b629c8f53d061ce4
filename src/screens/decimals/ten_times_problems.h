// TForm3 problem half: ten times, a hundred times, one tenth and one
// hundredth of a decimal number.
#pragma once

#include "decimal_value.h"
#include "random_source.h"

#include <QString>

struct TenTimesProblem {
    DecimalValue operand;   // the number in the problem
    int operandPlaces = 0;  // decimal places it is written with
    int factor = 10;        // 10 or 100
    bool multiply = true;   // true: times the factor; false: divided by it
    DecimalValue answer;    // the correct answer
    int answerPlaces = 0;   // decimal places the answer is written with
    qint64 expected = 0;    // the answer times 1000, as the answer lists add up
    QString text;           // the problem line ("2.35 の 10倍は？")
};

// Sub-topic 1: "□ の 10倍は？" and "□ の 100倍は？".
TenTimesProblem MakeTimesProblem(RandomSource& random);

// Sub-topic 2: "□ の 1/10 は？" and "□ の 1/100 は？".
TenTimesProblem MakeTenthProblem(RandomSource& random);

struct TenTimesVerdict {
    bool right = false;
    QString answerText; // the correct answer as shown under the problem
};

// Judges the child's answer, given as the sum of the picked digits times
// their place weights (thousandths = 1).
TenTimesVerdict JudgeTenTimesAnswer(const TenTimesProblem& problem, qint64 childScaled);
