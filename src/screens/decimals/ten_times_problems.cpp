// TForm3 problem half: the two generators and the judge.
#include "ten_times_problems.h"

#include "decimal_value.h"

namespace {
// A decimal digit that may be 0: one of 0 to 8 (a 9 is never drawn).
int InnerDigit(RandomSource& random)
{
    return random.rnd(9);
}

// The last decimal digit of a number: 1 to 8, never 0.
int LastDigit(RandomSource& random)
{
    return 1 + random.rnd(8);
}

qint64 PowerOfTen(int exponent)
{
    qint64 p = 1;
    for (int i = 0; i < exponent; ++i)
        p *= 10;
    return p;
}

// Operand n / 10^places: a real value, or the whole value n with no places.
DecimalValue OperandFrom(qint64 n, int places)
{
    return places == 0 ? DecimalValue::fromWhole(qint32(n)) : DecimalValue::fromQuotient(n, PowerOfTen(places));
}

QString ProblemText(const TenTimesProblem& p)
{
    QString suffix;
    if (p.multiply)
        suffix = p.factor == 10 ? QStringLiteral(" の 10倍は？") : QStringLiteral(" の 100倍は？");
    else
        suffix = p.factor == 10 ? QStringLiteral(" の 1/10 は？") : QStringLiteral(" の 1/100 は？");
    return FormatDecimal(p.operand, p.operandPlaces) + suffix;
}
} // namespace

TenTimesProblem MakeTimesProblem(RandomSource& random)
{
    TenTimesProblem p;
    p.multiply = true;
    p.factor = random.rnd(9) <= 4 ? 10 : 100;

    int whole = 0;
    const int r = random.rnd(9);
    if (p.factor == 10) {
        if (r >= 3 && r <= 6)
            whole = 1 + random.rnd(8);
        else if (r >= 7)
            whole = 1 + random.rnd(98);
    } else if (r >= 5) {
        whole = 1 + random.rnd(8);
    }

    const int s = random.rnd(9);
    p.operandPlaces = s <= 3 ? 1 : (s <= 7 ? 2 : 3);
    qint64 n = whole;
    for (int place = 1; place <= p.operandPlaces; ++place)
        n = n * 10 + (place == p.operandPlaces ? LastDigit(random) : InnerDigit(random));

    p.operand = OperandFrom(n, p.operandPlaces);
    p.text = ProblemText(p);
    p.answer = p.operand * DecimalValue::fromWhole(p.factor);

    // Multiplying by 10 moves the point one place right, by 100 two places;
    // the answer keeps the places that are left, and the lists count in
    // thousandths.
    const int shift = p.factor == 10 ? 1 : 2;
    p.answerPlaces = std::max(0, p.operandPlaces - shift);
    p.expected = n * PowerOfTen(3 - p.operandPlaces + shift);
    return p;
}

TenTimesProblem MakeTenthProblem(RandomSource& random)
{
    TenTimesProblem p;
    p.multiply = false;

    int whole = 0;
    const int r = random.rnd(9);
    if (r <= 3)
        whole = random.rnd(9);
    else if (r <= 7)
        whole = random.rnd(99);
    else
        whole = random.rnd(999);

    p.factor = random.rnd(9) <= 4 ? 10 : 100;
    qint64 n = whole;
    if (p.factor == 10) {
        const int s = random.rnd(9);
        if (s <= 3) {
            p.operandPlaces = 0;
        } else if (s <= 7) {
            p.operandPlaces = 1;
            n = whole * 10 + LastDigit(random);
        } else {
            p.operandPlaces = 2;
            const int d1 = InnerDigit(random);
            n = whole * 100 + d1 * 10 + LastDigit(random);
        }
    } else {
        const int t = random.rnd(9);
        if (t >= 4) {
            p.operandPlaces = 1;
            n = whole * 10 + LastDigit(random);
        } else {
            p.operandPlaces = 0;
        }
    }

    p.operand = OperandFrom(n, p.operandPlaces);
    p.text = ProblemText(p);
    p.answer = p.operand / DecimalValue::fromWhole(p.factor);

    const int shift = p.factor == 10 ? 1 : 2;
    p.answerPlaces = p.operandPlaces + shift;
    p.expected = n * PowerOfTen(3 - p.answerPlaces);
    return p;
}

TenTimesVerdict JudgeTenTimesAnswer(const TenTimesProblem& problem, qint64 childScaled)
{
    return {childScaled == problem.expected, FormatDecimal(problem.answer, problem.answerPlaces)};
}
