// TForm4 problem half: the generator, the texts and the judge.
#include "multiplication_problems.h"

namespace {
constexpr int kMaxDraws = 1000;

// A decimal digit that ends a number: 1 to 8.
int LastDigit(RandomSource& random)
{
    return 1 + random.rnd(8);
}

// w + b / 10, as the written number with one place: evaluated in extended precision.
DecimalValue OnePlace(int w, int b)
{
    return DecimalValue::fromReal(static_cast<long double>(w) + static_cast<long double>(b) / 10);
}

// w / 10 + b / 100: the same digits with two places.
DecimalValue TwoPlaces(int w, int b)
{
    return DecimalValue::fromReal(static_cast<long double>(w) / 10 + static_cast<long double>(b) / 100);
}

// Sub-topic 1: a decimal with one place times a whole number of one or two digits.
void DrawDecimalTimesWhole(MultiplicationProblem& p, RandomSource& random)
{
    const int r = p.selector;
    for (int draw = 0; draw < kMaxDraws; ++draw) {
        p.w = (r >= 3 && r <= 5) || r == 8 ? 10 + random.rnd(89) : random.rnd(9);
        p.b = LastDigit(random);
        if (r <= 5) {
            p.m = 2 + random.rnd(7);
        } else {
            const int tens = LastDigit(random);
            p.m = tens * 10 + LastDigit(random);
        }
        if (p.b * p.m % 10 != 0)
            break;
    }
    p.multiplicand = OnePlace(p.w, p.b);
    p.multiplicandPlaces = 1;
    p.multiplier = DecimalValue::fromWhole(p.m);
    p.multiplierPlaces = 0;
}

// Sub-topic 2: a decimal with one or two places times a decimal with two or three.
void DrawDecimalTimesDecimal(MultiplicationProblem& p, RandomSource& random)
{
    const int r = p.selector;
    const bool twoPlaceMultiplicand = r >= 6;
    const bool threePlaceMultiplier = (r >= 3 && r <= 5) || r == 8;
    for (int draw = 0; draw < kMaxDraws; ++draw) {
        p.w = r == 6 || r == 7 ? random.rnd(99) : random.rnd(9);
        p.b = LastDigit(random);
        const int t = random.rnd(9);
        const int d = LastDigit(random);
        p.m = t * 10 + d;
        if (p.b * d % 10 != 0)
            break;
    }
    p.multiplicand = twoPlaceMultiplicand ? TwoPlaces(p.w, p.b) : OnePlace(p.w, p.b);
    p.multiplicandPlaces = twoPlaceMultiplicand ? 2 : 1;
    p.multiplierPlaces = threePlaceMultiplier ? 3 : 2;
    p.multiplier = DecimalValue::fromQuotient(p.m, threePlaceMultiplier ? 1000 : 100);
}
} // namespace

QString MultiplicationProblem::multiplicandText() const
{
    return FormatDecimal(multiplicand, multiplicandPlaces);
}

QString MultiplicationProblem::multiplierText() const
{
    return subTopic == 1 ? QString::number(m) : FormatDecimal(multiplier, multiplierPlaces);
}

QString MultiplicationProblem::productText() const
{
    return FormatDecimal(product, productPlaces);
}

MultiplicationProblem MakeMultiplicationProblem(int subTopic, RandomSource& random)
{
    MultiplicationProblem p;
    p.subTopic = subTopic == 2 ? 2 : 1;
    p.selector = random.rnd(9);
    if (p.subTopic == 1)
        DrawDecimalTimesWhole(p, random);
    else
        DrawDecimalTimesDecimal(p, random);
    p.product = p.multiplicand * p.multiplier;
    p.productPlaces = p.multiplicandPlaces + p.multiplierPlaces;
    p.text = p.multiplicandText() + QStringLiteral(" x ") + p.multiplierText() + QStringLiteral(" = ?");
    return p;
}

QString WriteWithPlaces(qint64 digits, int places)
{
    QString text = QString::number(digits).rightJustified(places + 1, QLatin1Char('0'));
    if (places > 0)
        text.insert(text.size() - places, QLatin1Char('.'));
    return text;
}

MultiplicationVerdict JudgeMultiplicationAnswer(const MultiplicationProblem& problem, qint64 lastRow, int places)
{
    MultiplicationVerdict verdict;
    // The digits alone are not enough: 876 with two places is 8.76, not 87.6.
    verdict.right = lastRow == problem.digitProduct() && places == problem.productPlaces;
    verdict.childText = WriteWithPlaces(lastRow, places);
    QString line = problem.text;
    if (line.endsWith(QLatin1Char('?')))
        line.replace(line.size() - 1, 1, problem.productText());
    verdict.problemLine = line;
    return verdict;
}
