// TForm5 problem half: draws, places and the judge of the multiplication drill.
#include "multiplication_drill_problems.h"

namespace {
// A draw that must not be a multiple of ten is drawn again at most this often
// in all; after that the last draw stands.
constexpr int kDrawLimit = 1000;

// The decimal digit b, never 0 (1 to 8).
int LastDigit(RandomSource& random)
{
    return 1 + random.rnd(8);
}

// Sub-topic 1: a decimal with one place times a whole number.
void DrawDecimalTimesWhole(DrillProduct& p, RandomSource& random)
{
    const int r = p.form;
    for (int draw = 0; draw < kDrawLimit; ++draw) {
        p.w = (r == 3 || r == 4 || r == 5 || r == 8) ? 10 + random.rnd(89) : random.rnd(9);
        p.b = LastDigit(random);
        if (r <= 5) {
            p.m = 2 + random.rnd(7);
        } else {
            const int tens = LastDigit(random);
            const int ones = LastDigit(random);
            p.m = tens * 10 + ones;
        }
        // b × m ending in 0 would leave the product without its decimal place.
        if (p.b * p.m % 10 != 0)
            break;
    }
    p.multiplicand = DecimalValue::fromReal(p.w + static_cast<long double>(p.b) / 10);
    p.multiplicandPlaces = 1;
    p.multiplier = DecimalValue::fromWhole(p.m);
    p.multiplierPlaces = 0;
    p.productPlaces = 1;
    p.expected = qint64(p.w * 10 + p.b) * p.m * 1000;
}

// Sub-topic 2: a decimal times a decimal.
void DrawDecimalTimesDecimal(DrillProduct& p, RandomSource& random)
{
    const int r = p.form;
    int d = 0;
    for (int draw = 0; draw < kDrawLimit; ++draw) {
        p.w = (r == 6 || r == 7) ? random.rnd(99) : random.rnd(9);
        p.b = LastDigit(random);
        const int t = random.rnd(9);
        d = LastDigit(random);
        p.m = t * 10 + d;
        if (p.b * d % 10 != 0)
            break;
    }
    const qint64 digits = qint64(p.w * 10 + p.b) * p.m;
    const long double w = p.w;
    const long double b = p.b;
    if (r == 8) {
        p.multiplicand = DecimalValue::fromReal(w / 10 + b / 100);
        p.multiplicandPlaces = 2;
    } else {
        p.multiplicand = DecimalValue::fromReal(w + b / 10);
        p.multiplicandPlaces = 1;
    }
    if (r <= 2) {
        p.multiplier = DecimalValue::fromQuotient(p.m, 10);
        p.multiplierPlaces = 1;
        p.productPlaces = 2;
        p.expected = digits * 100;
    } else if (r <= 5) {
        p.multiplier = DecimalValue::fromQuotient(p.m, 100);
        p.multiplierPlaces = 2;
        p.productPlaces = 3;
        p.expected = digits * 10;
    } else if (r <= 7) {
        p.multiplier = DecimalValue::fromQuotient(p.m, 1000);
        p.multiplierPlaces = 3;
        p.productPlaces = 4;
        p.expected = digits;
    } else {
        p.multiplier = DecimalValue::fromQuotient(p.m, 100);
        p.multiplierPlaces = 2;
        p.productPlaces = 4;
        p.expected = digits;
    }
}
} // namespace

QString DrillProduct::text() const
{
    return FormatDecimal(multiplicand, multiplicandPlaces) + QStringLiteral(" x ")
        + FormatDecimal(multiplier, multiplierPlaces);
}

DrillProduct MakeDrillProduct(int subTopic, RandomSource& random)
{
    DrillProduct p;
    p.form = random.rnd(9);
    if (subTopic == 2)
        DrawDecimalTimesDecimal(p, random);
    else
        DrawDecimalTimesWhole(p, random);
    p.product = p.multiplicand * p.multiplier;
    return p;
}

int AnswerPlaces(qint64 scaledAnswer)
{
    int zeros = 0;
    while (zeros < 3 && scaledAnswer % 10 == 0) {
        scaledAnswer /= 10;
        ++zeros;
    }
    return kDrillProductDecimalPlaces - zeros;
}

DrillJudgement JudgeMultiplicationDrill(const DrillProduct& problem, qint64 childScaled)
{
    DrillJudgement judgement;
    judgement.right = childScaled == problem.expected;
    const DecimalValue child = DecimalValue::fromQuotient(childScaled, 10000);
    const QString blank = QStringLiteral(" ");
    judgement.record.MND = blank + problem.text();
    judgement.record.KAI = blank + FormatDecimal(problem.product, problem.productPlaces);
    judgement.record.KOT = blank + FormatDecimal(child, AnswerPlaces(childScaled));
    judgement.record.HNT = DrillMark(judgement.right);
    return judgement;
}
