// Problem half of TForm15 (percentages), shared with the percentage drill
// TForm16: decimal ratios and percentages, a percentage from two amounts, and
// a compared or base amount from a percentage.
//
// Every number is drawn so that the answer is exact: a percentage or an
// amount never has more decimal places than the answer lists offer. The
// practice screen's lists reach thousandths, the drill's only tenths; the
// drill also never asks for 100 % of an amount. PercentRules carries these
// differences, so both screens run the same generators.
#pragma once

#include "decimal_value.h"
#include "random_source.h"

#include <QString>

struct PercentRules {
    // The expected answer is the answer times this (1000: thousandths, 10: tenths).
    qint64 answerScale = 1000;
    // Whether MakeComparedAmountProblem may ask for 100 % of an amount.
    bool hundredPercentOfAmount = true;
};

// The percentage screen: answers in thousandths, 100 % allowed.
inline constexpr PercentRules kPercentScreenRules{1000, true};
// The percentage drill: answers in tenths, never 100 % of an amount.
inline constexpr PercentRules kPercentDrillRules{10, false};

// How often a generator draws its values before the fixed problem takes over.
constexpr int kPercentRetryBound = 1000;

enum class PercentKind {
    DecimalToPercent, // "0.235   ⇒   ? %"
    PercentToDecimal, // "35 %  ⇒  ? "
    Percentage,       // "18 人は、40 人の ? %"
    ComparedAmount,   // "45 g の 20 % は ? g"
    BaseAmount,       // "90 g は、 ? g の 45 %"
};

struct PercentProblem {
    PercentKind kind = PercentKind::Percentage;

    // The selectors drawn, as far as the kind uses them (0 otherwise).
    int s = 0; // ratio notation: 0..4 decimal to percent, 5..8 back
    int m = 0; // ratio notation: digits of X; base amount: size of Q
    int z = 0; // ratio notation: the scale of the shown value
    int K = 0; // percentage: the size of P
    int u = 0; // percentage: 7 or 8 makes the class ten times as big
    int f = 0; // amounts: 8 writes the grams in tenths
    int g = 0; // compared amount: 5..8 takes the base amount from 101..798

    // The whole numbers of the problem (those of its kind).
    int X = 0;         // ratio notation: the digits drawn
    int P = 0;         // percentage: the number drawn (the answer is P, or P ÷ 10)
    int T = 0;         // percentage: the class size drawn
    int H = 0;         // percentage: the people counted
    int classSize = 0; // percentage: T, or 10 × T
    int b = 0;         // amounts: the base amount (in tenths of a gram when tenths)
    int R = 0;         // amounts: the percentage
    int Q = 0;         // amounts: the compared amount (in tenths of a gram when tenths)

    DecimalValue shown; // V: the value in the problem line (ratio notation, tenths of a gram)
    int shownPlaces = 0;
    DecimalValue answer; // A
    int answerPlaces = 0;
    qint64 expected = 0; // E: the answer times the rules' scale

    // The tenths variant: a percentage in tenths (ten times the class) or
    // amounts in tenths of a gram, even where the answer comes out whole
    // (0.6 g is 20 % of 3 g). The drill records these with their places and
    // the others as whole numbers. Ratio notation: the answer has places.
    bool tenths = false;

    QString text;       // the problem line, with "?" where the answer belongs
    QString answerLine; // ratio notation: the answered line that replaces the
                        // problem line; the others: "　答え： …" shown under it
};

// Sub-topic 1, "割合の表し方": a decimal ratio as a percentage, or back.
PercentProblem MakeRatioNotationProblem(RandomSource& random);

// Sub-topic 2, "百分率の求め方": H people of a class as a percentage.
PercentProblem MakePercentageProblem(RandomSource& random, const PercentRules& rules = kPercentScreenRules);

// Sub-topic 3, "百分率から求める": R percent of a base amount in grams.
PercentProblem MakeComparedAmountProblem(RandomSource& random, const PercentRules& rules = kPercentScreenRules);

// Sub-topic 3: the base amount of which a given amount is R percent.
PercentProblem MakeBaseAmountProblem(RandomSource& random, const PercentRules& rules = kPercentScreenRules);

// Whether an entry (scaled as the rules' lists add it up) is the answer.
bool JudgePercentAnswer(const PercentProblem& problem, qint64 entry);

// The percentage screen's problem for sub-topic 1 to 3 (sub-topic 3 draws
// first whether to ask for a compared or a base amount).
PercentProblem MakePercentScreenProblem(RandomSource& random, int subTopic);
