// TForm9 problem half: approximate sums and differences. Two whole numbers
// are each rounded half up to the tens, hundreds or thousands place, and the
// rounded numbers are added or subtracted. The child enters the two rounded
// numbers and the result; only the result is judged.
#pragma once

#include "random_source.h"

#include <QString>

struct ApproxProblem {
    bool difference = false; // X - Y, otherwise X + Y
    int level = 0;           // v as drawn: 0-2 tens, 3-5 hundreds, 6-7 thousands
    int place = 10;          // 10, 100 or 1000
    int x = 0;
    int y = 0;
    int answer = 0;          // R(X) + R(Y) or R(X) - R(Y)
    QString instruction;     // "次の和を 百の位までの がい数で求める。"

    QString sign() const { return difference ? QStringLiteral(" - ") : QStringLiteral(" + "); }
    // "6457 + 3132 ≒ ?" while open, "6457 + 3132 ≒ 9600" after judging.
    QString text() const;
    QString solvedText() const;
};

// Rounds a whole number of zero or more half up to a place (10, 100, 1000).
int RoundHalfUp(int value, int place);

// Sub-topic 1, "たし算". The screen reseeds the generator first.
ApproxProblem MakeApproxSumProblem(RandomSource& random);
// Sub-topic 2, "ひき算"; X is always greater than Y.
ApproxProblem MakeApproxDifferenceProblem(RandomSource& random);

// Only the third number the child gives, the rounded result, is judged.
bool JudgeApproxAnswer(const ApproxProblem& problem, int result);

// The child's working line: "6500 + ?", "6500 + 3100 =", "6500 + 3100 = 9600".
QString ApproxWorkingLine(const ApproxProblem& problem, int first);
QString ApproxWorkingLine(const ApproxProblem& problem, int first, int second);
QString ApproxWorkingLine(const ApproxProblem& problem, int first, int second, int result);
