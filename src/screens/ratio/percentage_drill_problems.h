// TForm16 problem half: the percentage drill's problems and the texts of its
// record rows. The problems come from the percentage screen's generators with
// the drill's rules (answers in tenths, never 100 % of an amount); the drill
// never reseeds the random generator, so its problems go on with the
// program's sequence.
#pragma once

#include "percentage_problems.h"

#include <QString>
#include <QStringList>

// The drill's menu: sub-topics 1 to 3 and the mix.
QStringList PercentDrillMenuItems();
constexpr int kPercentDrillMix = 4; // the position of "ミックス" plus one

struct PercentDrillProblem {
    int subTopic = 0; // 1 percentage, 2 compared amount, 3 base amount
    PercentProblem problem;
};

// The next problem of the drill. menuItem is the menu position plus one;
// kPercentDrillMix draws the sub-topic anew (1 with three chances in eight,
// 2 with three, 3 with two) before the problem.
PercentDrillProblem MakePercentDrillProblem(RandomSource& random, int menuItem);

// The problem number line: "問題番号: " and N. The drill screen puts the
// prefix before the number it counts.
QString PercentDrillNumberPrefix();
QString PercentDrillNumberText(int number);

// What one "◆" records: the verdict and the texts of MND, KAI, KOT and HNT.
struct PercentDrillAnswer {
    bool right = false;
    QString problemText; // MND: the problem, without a leading blank
    QString answerText;  // KAI: " " and the right answer
    QString enteredText; // KOT: " " and the child's entry
    QString markText;    // HNT: " ○" or " ×"
};

// Judges an entry given in tenths (hundreds × 1000 + tens × 100 + ones × 10
// + tenths) and writes the record texts. Where the answer is a whole number
// the entry is recorded without its tenths digit.
PercentDrillAnswer JudgePercentDrillAnswer(const PercentProblem& problem, qint64 entryTenths);
