// TForm8 problem half: the three generators, the packing and the judge.
#include "rule_problems.h"

namespace {
// A generator that needs values with a property draws them again while the
// test fails, at most this many times in all.
constexpr int kRetryBound = 1000;

// Runs draw() until accepted() holds or the bound is reached; tells whether
// the last draw was accepted.
template <class Draw, class Accept>
bool DrawUntil(Draw draw, Accept accepted)
{
    for (int i = 0; i < kRetryBound; ++i) {
        draw();
        if (accepted())
            return true;
    }
    return false;
}

// A two-digit number whose ones digit is 1 to 8 and whose tens digit is drawn
// from tensRange values starting at lowestTens.
int TwoDigitNumber(RandomSource& random, int tensRange, int lowestTens)
{
    const int tens = random.rnd(tensRange) + lowestTens;
    const int ones = random.rnd(8) + 1;
    return 10 * tens + ones;
}

QString N(int value)
{
    return QString::number(value);
}

// Near 100: whether the number near 100 stands on the left (m x n).
bool NearHundredOnLeft(int variant)
{
    return variant <= 2 || variant == 6 || variant == 7;
}

bool NearHundredMinus(int variant)
{
    return variant <= 5;
}

// The expression as the problem shows it, without " = ?".
QString ShownExpression(const RuleProblem& p)
{
    switch (p.subTopic) {
    case 1:
        return p.order <= 4 ? N(p.other) + " + " + N(p.first) + " + " + N(p.second)
                            : N(p.first) + " + " + N(p.other) + " + " + N(p.second);
    case 2:
        return p.order <= 4 ? N(p.first) + " x " + N(p.other) + " x " + N(p.second)
                            : N(p.other) + " x " + N(p.first) + " x " + N(p.second);
    default:
        break;
    }
    if (p.nearHundred()) {
        const int m = p.first;
        const int n = p.other;
        return NearHundredOnLeft(p.variant) ? N(m) + " x " + N(n) : N(n) + " x " + N(m);
    }
    const QString a = N(p.first);
    const QString b = N(p.second);
    const QString k = N(p.third);
    switch (p.variant) {
    case 0:
        return k + " x " + a + " + " + k + " x " + b;
    case 1:
        return k + " x " + a + " + " + b + " x " + k;
    case 2:
        return a + " x " + k + " + " + k + " x " + b;
    case 3:
        return a + " x " + k + " + " + b + " x " + k;
    case 4:
    case 5:
        return k + " x " + a + " - " + k + " x " + b;
    default:
        return k + " x " + a + " - " + b + " x " + k;
    }
}

QString QuestionLine(const RuleProblem& p)
{
    if (p.nearHundred())
        return NearHundredMinus(p.variant) ? QStringLiteral("□を (○ - △) の形にして計算する時、")
                                           : QStringLiteral("□を (○ + △) の形にして計算する時、");
    return p.variant <= 3 ? QStringLiteral("(□ + ○) x △ の形にして計算する時、")
                          : QStringLiteral("(□ - ○) x △ の形にして計算する時、");
}

QString ProblemText(const RuleProblem& p)
{
    const QString shown = ShownExpression(p) + " = ?\n\n";
    if (p.subTopic == 3)
        return shown + QuestionLine(p) + QStringLiteral("\n□、○、△の数は？");
    return shown + QStringLiteral("先に計算する２つの数は？");
}
} // namespace

qint64 PackNextRuleNumber(qint64 packed, int number)
{
    return packed * 1000 + number;
}

qint64 PackRuleNumbers(std::initializer_list<int> numbers)
{
    qint64 packed = 0;
    for (int number : numbers)
        packed = PackNextRuleNumber(packed, number);
    return packed;
}

RuleProblem MakeSumPairProblem(RandomSource& random)
{
    // P and Q add up to the multiple of ten T; R makes a multiple of ten with
    // neither of them, so the pair to add first is unique.
    int t = 10 * (random.rnd(8) + 2);
    int p = 0;
    if (!DrawUntil([&] { p = TwoDigitNumber(random, 9, 0); }, [&] { return p < t; })) {
        t = 100;
        p = 24;
    }
    int q = t - p;
    int r = 0;
    DrawUntil([&] { r = TwoDigitNumber(random, 8, 1); },
              [&] { return r != p && r != q && (p + r) % 10 != 0 && (q + r) % 10 != 0; });
    if ((p + r) % 10 == 0 || (q + r) % 10 == 0) {
        p = 87;
        q = 13;
        r = 25;
    }

    RuleProblem problem;
    problem.subTopic = 1;
    problem.first = p;
    problem.second = q;
    problem.other = r;
    problem.answer = PackRuleNumbers({p, q});
    problem.order = random.rnd(9);
    problem.text = ProblemText(problem);
    return problem;
}

RuleProblem MakeProductPairProblem(RandomSource& random)
{
    // G x D is the multiple of ten M. E ends in 1, 3 or 7, so E x G is odd and
    // E x D is a multiple of ten only when D is; D = 10 (M = 50, G = 5) is
    // therefore refused, or naming E and D would be right as well.
    int m = 10 * (random.rnd(9) + 1);
    int g = 0;
    if (!DrawUntil([&] { g = 5 * (2 * random.rnd(4) + 1); },
                   [&] { return g < m && m % g == 0 && m / g != 10; })) {
        m = 100;
        g = 25;
    }
    const int d = m / g;
    int e = 0;
    DrawUntil(
        [&] {
            const int tens = random.rnd(8) + 1;
            e = 10 * tens + 2 * random.rnd(4) + 1;
        },
        [&] { return e != g && e != d && e % 10 != 5; });

    RuleProblem problem;
    problem.subTopic = 2;
    problem.first = g;
    problem.second = d;
    problem.other = e;
    problem.answer = PackRuleNumbers({g, d});
    problem.order = random.rnd(9);
    problem.text = ProblemText(problem);
    return problem;
}

RuleProblem MakeDistributiveProblem(RandomSource& random)
{
    RuleProblem problem;
    problem.subTopic = 3;
    problem.order = random.rnd(7);
    if (problem.order <= 3) {
        // A factor m near 100 becomes 100 - (100 - m) or 100 + (m - 100).
        problem.variant = random.rnd(9);
        problem.other = TwoDigitNumber(random, 7, 1);
        const bool minus = NearHundredMinus(problem.variant);
        const int m = minus ? 95 + random.rnd(4) : 101 + random.rnd(4);
        problem.first = m;
        problem.second = 100;
        problem.third = minus ? 100 - m : m - 100;
    } else {
        problem.variant = random.rnd(7);
        int a = 0;
        int b = 0;
        int k = 0;
        if (problem.variant <= 3) {
            // k x a + k x b = (a + b) x k with a + b the multiple of ten S.
            k = 4 + random.rnd(5);
            int s = 10 * (random.rnd(8) + 2);
            DrawUntil([&] { b = TwoDigitNumber(random, 8, 1); }, [&] { return b < s && s != 2 * b; });
            if (b >= s) {
                s = 100;
                b = 16;
            }
            a = s - b;
        } else {
            // k x A - k x B = (A - B) x k.
            k = 5 + random.rnd(94);
            if (problem.variant <= 5) {
                // A and B share their ones digit, so A - B is a multiple of ten.
                DrawUntil(
                    [&] {
                        const int ones = random.rnd(8) + 1;
                        a = 10 * (random.rnd(7) + 2) + ones;
                        b = 10 * (random.rnd(7) + 1) + ones;
                    },
                    [&] { return a > b; });
                if (a <= b) {
                    a = 67;
                    b = 17;
                }
            } else {
                const int x = random.rnd(8) + 1;
                const int y = random.rnd(8) + 1;
                a = x + y;
                b = y;
            }
        }
        problem.first = a;
        problem.second = b;
        problem.third = k;
    }
    problem.answer = PackRuleNumbers({problem.first, problem.second, problem.third});
    problem.text = ProblemText(problem);
    return problem;
}

QString RuleWorkedLine(const RuleProblem& p)
{
    const QString shown = ShownExpression(p) + " = ";
    switch (p.subTopic) {
    case 1:
        return p.order <= 4 ? shown + N(p.other) + " + ( " + N(p.first) + " + " + N(p.second) + " )"
                            : shown + "( " + N(p.first) + " + " + N(p.second) + " ) +  " + N(p.other);
    case 2:
        return p.order <= 4 ? shown + "( " + N(p.first) + " x  " + N(p.second) + " ) x " + N(p.other)
                            : shown + N(p.other) + " x ( " + N(p.first) + " x  " + N(p.second) + " )";
    default:
        break;
    }
    if (p.nearHundred()) {
        const QString bracket =
            (NearHundredMinus(p.variant) ? QStringLiteral("( 100 - ") : QStringLiteral("( 100 + ")) + N(p.third) + " )";
        return NearHundredOnLeft(p.variant) ? shown + bracket + " x " + N(p.other)
                                            : shown + N(p.other) + " x " + bracket;
    }
    const QString sign = p.variant <= 3 ? QStringLiteral(" + ") : QStringLiteral(" - ");
    return shown + "( " + N(p.first) + sign + N(p.second) + " ) x " + N(p.third);
}

RuleVerdict JudgeRuleAnswer(const RuleProblem& problem, qint64 entered)
{
    return {entered == problem.answer, RuleWorkedLine(problem)};
}
