// TForm4 problem half: written multiplication with decimals, a decimal times
// a whole number (sub-topic 1) and a decimal times a decimal (sub-topic 2).
// The rows of the written multiplication are worked on the numbers without
// their points: the multiplicand's digits A = w × 10 + b and the multiplier's
// digits m.
#pragma once

#include "decimal_value.h"
#include "random_source.h"

#include <QString>

struct MultiplicationProblem {
    int subTopic = 1;  // 1: decimal × whole, 2: decimal × decimal
    int selector = 0;  // the form draw r, 0 to 8
    int w = 0;         // the multiplicand's digits are w × 10 + b
    int b = 1;
    int m = 2;         // the multiplier's digits
    DecimalValue multiplicand;
    int multiplicandPlaces = 1;
    DecimalValue multiplier;
    int multiplierPlaces = 0;
    DecimalValue product;
    int productPlaces = 1;
    QString text; // the problem line, "7.3 x 12 = ?"

    int multiplicandDigits() const { return w * 10 + b; }
    bool twoDigitMultiplier() const { return m >= 10; }
    // The multiplicand and the multiplier as they are written in the columns.
    QString multiplicandText() const;
    QString multiplierText() const;
    // The first row: the multiplicand's digits times the multiplier's ones digit.
    qint64 onesRow() const { return qint64(multiplicandDigits()) * (m % 10); }
    // The second row (two-digit multiplier): times the tens digit, written one place further left.
    qint64 tensRow() const { return qint64(multiplicandDigits()) * (m / 10); }
    // The product's digits: the last row before the point is placed.
    qint64 digitProduct() const { return qint64(multiplicandDigits()) * m; }
    QString productText() const;
    // The number of walkthrough steps: 3 for a one-digit multiplier, 5 for two digits.
    int lastStep() const { return twoDigitMultiplier() ? 5 : 3; }
};

// Draws a problem of the sub-topic from `random` (the screen reseeds it
// first). The digits are drawn again while the product of the multiplicand's
// last digit and the multiplier's last digit is a multiple of 10, at most a
// thousand times; after that the last draw stands.
MultiplicationProblem MakeMultiplicationProblem(int subTopic, RandomSource& random);

// The whole number `digits` written with `places` digits right of the point,
// with zeros put in front so there is a digit before the point:
// 876 with 1 place is 87.6, 12 with 3 places is 0.012, 876 with 0 places is 876.
QString WriteWithPlaces(qint64 digits, int places);

struct MultiplicationVerdict {
    bool right = false;
    QString childText;   // the child's last row with the chosen point
    QString problemLine; // the problem line with the product in place of "?"
};

// Judges the child's last row with the number of places picked for it. It is
// right only when both give the product: the digits and the point.
MultiplicationVerdict JudgeMultiplicationAnswer(const MultiplicationProblem& problem, qint64 lastRow, int places);
