// TForm9 problem half: the two generators, half-up rounding and the judge.
#include "approx_problems.h"

namespace {
constexpr int kRetryBound = 1000;

// A digit that may be 0: 0 to 8 (a 9 is never drawn).
int InnerDigit(RandomSource& random)
{
    return random.rnd(9);
}

// A leading or ones digit: 1 to 8.
int OuterDigit(RandomSource& random)
{
    return random.rnd(8) + 1;
}

// The digits below the leading place, highest first: the ones digit is 1 to
// 8, the others 0 to 8.
int LowerDigits(RandomSource& random, int count)
{
    int value = 0;
    for (int i = 1; i < count; ++i)
        value = value * 10 + InnerDigit(random);
    return value * 10 + OuterDigit(random);
}

struct Level {
    int place;
    int digits; // places of each number
    const char* placeName;
};

Level LevelOf(int v)
{
    if (v <= 2)
        return {10, 3, "十"};
    if (v <= 5)
        return {100, 4, "百"};
    return {1000, 5, "千"};
}

ApproxProblem Start(RandomSource& random, bool difference)
{
    ApproxProblem p;
    p.difference = difference;
    p.level = random.rnd(8);
    const Level level = LevelOf(p.level);
    p.place = level.place;
    p.instruction = QStringLiteral("次の%1を %2の位までの がい数で求める。")
                        .arg(difference ? QStringLiteral("差") : QStringLiteral("和"),
                             QString::fromUtf8(level.placeName));
    return p;
}

int Power10(int exponent)
{
    int p = 1;
    while (exponent-- > 0)
        p *= 10;
    return p;
}

// A number of the given count of places, its digits drawn from the leading
// one (1 to 8) down. The leading digit is drawn in a statement of its own:
// the two operands of a sum may be evaluated in either order.
int WholeNumber(RandomSource& random, int digits)
{
    const int leading = OuterDigit(random);
    return leading * Power10(digits - 1) + LowerDigits(random, digits - 1);
}
} // namespace

int RoundHalfUp(int value, int place)
{
    return (value + place / 2) / place * place;
}

QString ApproxProblem::text() const
{
    return QString::number(x) + sign() + QString::number(y) + QStringLiteral(" ≒ ?");
}

QString ApproxProblem::solvedText() const
{
    return QString::number(x) + sign() + QString::number(y) + QStringLiteral(" ≒ ") + QString::number(answer);
}

ApproxProblem MakeApproxSumProblem(RandomSource& random)
{
    ApproxProblem p = Start(random, false);
    if (p.place < 1000) {
        const int digits = LevelOf(p.level).digits;
        p.x = WholeNumber(random, digits);
        p.y = WholeNumber(random, digits);
    } else {
        // The ten-thousands digits are drawn last, and again while the sum
        // reaches 99000, so that the rounded sum keeps to five places.
        const int lowX = LowerDigits(random, 4);
        const int lowY = LowerDigits(random, 4);
        for (int i = 0; i < kRetryBound; ++i) {
            p.x = OuterDigit(random) * 10000 + lowX;
            p.y = OuterDigit(random) * 10000 + lowY;
            if (p.x + p.y < 99000)
                break;
        }
        if (p.x + p.y >= 99000) {
            p.x = 34712;
            p.y = 53615;
        }
    }
    p.answer = RoundHalfUp(p.x, p.place) + RoundHalfUp(p.y, p.place);
    return p;
}

ApproxProblem MakeApproxDifferenceProblem(RandomSource& random)
{
    ApproxProblem p = Start(random, true);
    const int digits = LevelOf(p.level).digits;
    const int lead = Power10(digits - 1);
    const int lowX = LowerDigits(random, digits - 1);
    const int lowY = LowerDigits(random, digits - 1);
    // The leading digits are drawn again while X does not exceed Y.
    for (int i = 0; i < kRetryBound; ++i) {
        p.x = OuterDigit(random) * lead + lowX;
        p.y = OuterDigit(random) * lead + lowY;
        if (p.x > p.y)
            break;
    }
    if (p.x <= p.y) {
        static constexpr int kFixedX[] = {825, 8652, 48652};
        static constexpr int kFixedY[] = {678, 6745, 26745};
        const int row = digits - 3;
        p.x = kFixedX[row];
        p.y = kFixedY[row];
    }
    p.answer = RoundHalfUp(p.x, p.place) - RoundHalfUp(p.y, p.place);
    return p;
}

bool JudgeApproxAnswer(const ApproxProblem& problem, int result)
{
    return result == problem.answer;
}

QString ApproxWorkingLine(const ApproxProblem& problem, int first)
{
    return QString::number(first) + problem.sign() + QStringLiteral("?");
}

QString ApproxWorkingLine(const ApproxProblem& problem, int first, int second)
{
    return QString::number(first) + problem.sign() + QString::number(second) + QStringLiteral(" =");
}

QString ApproxWorkingLine(const ApproxProblem& problem, int first, int second, int result)
{
    return QString::number(first) + problem.sign() + QString::number(second) + QStringLiteral(" = ") +
           QString::number(result);
}
