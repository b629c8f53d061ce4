// TForm5 problem half: the decimal multiplication drill's problems, the
// number of places of the child's answer and the judge that builds the
// record texts.
#pragma once

#include "decimal_value.h"
#include "drill_record.h"
#include "random_source.h"

#include <QString>

struct DrillProduct {
    int form = 0;  // r, 0 to 8: which shape of problem
    int w = 0;     // the whole number drawn
    int b = 0;     // the digit drawn: the multiplicand's integer form is w × 10 + b
    int m = 0;     // the multiplier's integer form
    DecimalValue multiplicand;
    DecimalValue multiplier;
    DecimalValue product;
    int multiplicandPlaces = 0;
    int multiplierPlaces = 0;
    int productPlaces = 0;
    qint64 expected = 0; // the product times 10000, as the answer lists add up

    // "7.3 x 12": the problem as recorded (the line on screen adds " = ?").
    QString text() const;
};

// The answer lists: thousands down to the fourth decimal place.
constexpr int kDrillProductDecimalPlaces = 4;

// Sub-topic 1 "小数 x 整数", sub-topic 2 "小数 x 小数". The screen reseeds
// the random source from the clock before each problem.
DrillProduct MakeDrillProduct(int subTopic, RandomSource& random);

// The places the child's answer is written with: 4 less the trailing zeros of
// the scaled answer (at most 3 of them), so 876000 gives 1 (87.6), 8760 gives
// 3 (0.876) and 0 gives 1 (0.0).
int AnswerPlaces(qint64 scaledAnswer);

// Judges the child's scaled answer (ten-thousandths) and builds the record's
// texts, each after one blank: the problem, the product and the child's answer
// with its own places, and the verdict mark.
DrillJudgement JudgeMultiplicationDrill(const DrillProduct& problem, qint64 childScaled);
