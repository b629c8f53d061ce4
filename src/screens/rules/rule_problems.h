// TForm8 problem half: the rules of calculation. Three kinds of problem ask
// the child to name the numbers that make a sum or a product easy:
//  1. a sum of three addends, two of which add up to a multiple of ten;
//  2. a product of three factors, two of which multiply to a multiple of ten;
//  3. the distributive law: a factor near 100 written as 100 - d or 100 + d,
//     or a common factor taken out of a sum or a difference of two products.
// Every number the child names lies between 0 and 999; the numbers are packed
// into one whole number in base 1000, earliest number first.
#pragma once

#include "random_source.h"

#include <QString>
#include <QtGlobal>
#include <initializer_list>

struct RuleProblem {
    int subTopic = 0; // 1 sum, 2 product, 3 distributive law
    // Sub-topics 1 and 2: the order o drawn, 0-4 showing R, P, Q or G, E, D
    // and 5-8 showing P, R, Q or E, G, D. Sub-topic 3: the form f drawn (0-3
    // near 100, 4-6 common factor).
    int order = 0;
    // Sub-topic 3: v (near 100: 0-5 minus form, 6-8 plus form) or w
    // (common factor: 0-3 sum form, 4-6 difference form).
    int variant = 0;
    // The numbers the child names, in order: the pair's left and right member
    // (sub-topics 1 and 2), or □, ○, △ (sub-topic 3).
    int first = 0;
    int second = 0;
    int third = 0;
    // The number that is not named: the odd addend R, the odd factor E, or
    // the other factor n of a near-100 product. The common factor k of a
    // common-factor problem is the third named number.
    int other = 0;
    qint64 answer = 0; // the named numbers packed in base 1000
    QString text;      // the problem as shown ("35 + 24 + 36 = ?\n\n先に計算する２つの数は？")

    int numbersToName() const { return subTopic == 3 ? 3 : 2; }
    bool nearHundred() const { return subTopic == 3 && order <= 3; }
};

// Sub-topic 1, "たし算のきまり". The screen reseeds the generator first.
RuleProblem MakeSumPairProblem(RandomSource& random);
// Sub-topic 2, "かけ算のきまり（１）".
RuleProblem MakeProductPairProblem(RandomSource& random);
// Sub-topic 3, "かけ算のきまり（２）".
RuleProblem MakeDistributiveProblem(RandomSource& random);

// Numbers 0 to 999 packed in base 1000, earliest number most significant.
qint64 PackRuleNumbers(std::initializer_list<int> numbers);
// Packs one more number after those already packed, as the child completes it.
qint64 PackNextRuleNumber(qint64 packed, int number);

// The problem rewritten the easy way ("35 + 24 + 36 = 35 + ( 24 + 36 )").
QString RuleWorkedLine(const RuleProblem& problem);

struct RuleVerdict {
    bool right = false;
    QString workedLine; // shown in place of the problem, right or wrong
};

// Judges the child's numbers, packed in the order they were entered.
RuleVerdict JudgeRuleAnswer(const RuleProblem& problem, qint64 entered);
