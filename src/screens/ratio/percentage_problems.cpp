// TForm15 / TForm16 problem half: the percentage generators.
#include "percentage_problems.h"

namespace {
// One digit: 1 to 8.
int OneDigit(RandomSource& random)
{
    return 1 + random.rnd(8);
}

// Two digits, 11 to 88, both 1 to 8; the tens digit is drawn first.
int TwoDigits(RandomSource& random)
{
    const int tens = 1 + random.rnd(8);
    const int ones = 1 + random.rnd(8);
    return 10 * tens + ones;
}

// Three digits: hundreds 1 to 8, tens 0 to 8, ones 1 to 8, drawn in that order.
int ThreeDigits(RandomSource& random)
{
    const int hundreds = 1 + random.rnd(8);
    const int tens = random.rnd(9);
    const int ones = 1 + random.rnd(8);
    return 100 * hundreds + 10 * tens + ones;
}

int DigitsOf(RandomSource& random, int count)
{
    return count == 1 ? OneDigit(random) : count == 2 ? TwoDigits(random) : ThreeDigits(random);
}

// 1 with three chances in eight, 2 with three, 3 with two.
int OneToThree(RandomSource& random)
{
    return random.rnd(8) / 3 + 1;
}

// 1 with four chances in seven, 2 with three.
int OneOrTwo(RandomSource& random)
{
    return random.rnd(7) / 4 + 1;
}

qint64 PowerOfTen(int exponent)
{
    qint64 p = 1;
    for (int i = 0; i < exponent; ++i)
        p *= 10;
    return p;
}

DecimalValue Whole(int n)
{
    return DecimalValue::fromWhole(n);
}

// A number of tenths written as grams: with one place, or none when it is whole.
DecimalValue TenthsValue(int tenths, int& places)
{
    places = tenths % 10 == 0 ? 0 : 1;
    return DecimalValue::fromQuotient(tenths, 10);
}

QString Number(int n)
{
    return QString::number(n);
}

const QString kAnswerLead = QStringLiteral("　答え： ");
} // namespace

PercentProblem MakeRatioNotationProblem(RandomSource& random)
{
    PercentProblem p;
    p.s = random.rnd(9);
    p.m = OneToThree(random);
    p.X = DigitsOf(random, p.m);

    if (p.s <= 4) {
        p.kind = PercentKind::DecimalToPercent;
        if (p.m == 1)
            p.z = OneToThree(random);
        else if (p.m == 2)
            p.z = OneOrTwo(random);
        // One digit over 10, 100 or 1000; two digits over 100 or 1000; three
        // digits over 1000.
        p.shownPlaces = p.m == 3 ? 3 : p.m + p.z - 1;
        p.answerPlaces = std::max(0, p.shownPlaces - 2);
        p.shown = DecimalValue::fromQuotient(p.X, PowerOfTen(p.shownPlaces));
        p.answer = p.shown * Whole(100);
        // X / 10^dV × 100 in thousandths.
        p.expected = p.X * 100000 / PowerOfTen(p.shownPlaces);
        const QString shown = FormatDecimal(p.shown, p.shownPlaces);
        p.text = shown + QStringLiteral("   ⇒   ? %");
        p.answerLine = shown + QStringLiteral("   ⇒   ") + FormatDecimal(p.answer, p.answerPlaces) + QStringLiteral(" %");
    } else {
        p.kind = PercentKind::PercentToDecimal;
        p.z = OneOrTwo(random);
        p.shownPlaces = p.z - 1;
        p.answerPlaces = p.shownPlaces + 2;
        p.shown = p.shownPlaces == 0 ? Whole(p.X) : DecimalValue::fromQuotient(p.X, 10);
        p.answer = p.shown / Whole(100);
        // X / 10^dV / 100 in thousandths.
        p.expected = p.X * 10 / PowerOfTen(p.shownPlaces);
        const QString shown = FormatDecimal(p.shown, p.shownPlaces);
        p.text = shown + QStringLiteral(" %  ⇒  ? ");
        p.answerLine = shown + QStringLiteral(" %   ⇒   ") + FormatDecimal(p.answer, p.answerPlaces);
    }
    p.tenths = p.answerPlaces > 0;
    return p;
}

PercentProblem MakePercentageProblem(RandomSource& random, const PercentRules& rules)
{
    PercentProblem p;
    p.kind = PercentKind::Percentage;
    p.K = OneToThree(random);

    // P and T until T × P people is a whole number of hundreds, so that
    // H = T × P / 100 people is a whole number.
    bool found = false;
    for (int draw = 0; draw < kPercentRetryBound && !found; ++draw) {
        if (p.K == 1) {
            p.P = OneDigit(random);
        } else if (p.K == 2) {
            p.P = TwoDigits(random);
        } else {
            const int tens = random.rnd(8);
            const int ones = 1 + random.rnd(8);
            p.P = 100 + 10 * tens + ones;
        }
        p.T = TwoDigits(random);
        found = p.T * p.P % 100 == 0;
    }
    if (!found) {
        p.T = p.K == 1 ? 75 : 84;
        p.P = p.K == 1 ? 4 : 75;
    }
    p.H = p.T * p.P / 100;

    p.u = random.rnd(9);
    p.tenths = p.u >= 7;
    if (p.tenths) {
        // Ten times the class: the same people are a tenth of the percentage.
        p.classSize = 10 * p.T;
        p.answer = DecimalValue::fromQuotient(p.P, 10);
        p.answerPlaces = 1;
        p.expected = p.P * rules.answerScale / 10;
    } else {
        p.classSize = p.T;
        p.answer = Whole(p.P);
        p.answerPlaces = 0;
        p.expected = p.P * rules.answerScale;
    }
    p.text = Number(p.H) + QStringLiteral(" 人は、") + Number(p.classSize) + QStringLiteral(" 人の ? %");
    p.answerLine = kAnswerLead + FormatDecimal(p.answer, p.answerPlaces) + QStringLiteral(" %");
    return p;
}

namespace {
// Sets the given amount and the answer of a gram problem: both whole grams,
// or (selector f = 8) the same numbers read as tenths of a gram. Returns the
// given amount as written in the problem.
QString SetGramAmounts(PercentProblem& p, int given, int answer, const PercentRules& rules)
{
    p.tenths = p.f == 8;
    if (p.tenths) {
        p.shown = TenthsValue(given, p.shownPlaces);
        p.answer = TenthsValue(answer, p.answerPlaces);
        p.expected = qint64(answer) * rules.answerScale / 10;
        return FormatDecimal(p.shown, p.shownPlaces);
    }
    p.answer = Whole(answer);
    p.expected = qint64(answer) * rules.answerScale;
    return Number(given);
}
} // namespace

PercentProblem MakeComparedAmountProblem(RandomSource& random, const PercentRules& rules)
{
    PercentProblem p;
    p.kind = PercentKind::ComparedAmount;
    p.f = random.rnd(9);
    p.g = random.rnd(9);

    // b and R until R percent of b is a whole number.
    bool found = false;
    for (int draw = 0; draw < kPercentRetryBound && !found; ++draw) {
        p.b = p.g <= 4 ? 1 + random.rnd(98) : 101 + random.rnd(698);
        p.R = 1 + random.rnd(119);
        found = p.b * p.R % 100 == 0 && (rules.hundredPercentOfAmount || p.R != 100);
    }
    if (!found) {
        p.b = 200;
        p.R = 12;
    }
    p.Q = p.b * p.R / 100;

    const QString base = SetGramAmounts(p, p.b, p.Q, rules);
    p.text = base + QStringLiteral(" g の ") + Number(p.R) + QStringLiteral(" % は ? g");
    p.answerLine = kAnswerLead + FormatDecimal(p.answer, p.answerPlaces) + QStringLiteral(" g");
    return p;
}

PercentProblem MakeBaseAmountProblem(RandomSource& random, const PercentRules& rules)
{
    PercentProblem p;
    p.kind = PercentKind::BaseAmount;
    p.f = random.rnd(9);
    p.m = OneToThree(random);

    // R and Q until Q is R percent of a whole base amount below 1000, the
    // largest the hundreds list can hold.
    bool found = false;
    for (int draw = 0; draw < kPercentRetryBound && !found; ++draw) {
        int r = 1 + random.rnd(11);
        if (r == 10)
            r = 5;
        p.R = 10 * r;
        p.Q = p.m == 1 ? 1 + random.rnd(8) : p.m == 2 ? 10 + random.rnd(89) : 100 + random.rnd(989);
        found = p.Q * 100 % p.R == 0 && p.Q * 100 / p.R < 1000;
    }
    // The last draw also gives way when its base amount is too big for the
    // lists, not only when it is not whole.
    if (!found) {
        p.R = 30;
        p.Q = 288;
    }
    p.b = p.Q * 100 / p.R;

    const QString amount = SetGramAmounts(p, p.Q, p.b, rules);
    p.text = amount + QStringLiteral(" g は、 ? g の ") + Number(p.R) + QStringLiteral(" %");
    p.answerLine = kAnswerLead + FormatDecimal(p.answer, p.answerPlaces) + QStringLiteral(" g");
    return p;
}

bool JudgePercentAnswer(const PercentProblem& problem, qint64 entry)
{
    return entry == problem.expected;
}

PercentProblem MakePercentScreenProblem(RandomSource& random, int subTopic)
{
    switch (subTopic) {
    case 1:
        return MakeRatioNotationProblem(random);
    case 2:
        return MakePercentageProblem(random);
    case 3:
        return random.rnd(9) <= 4 ? MakeComparedAmountProblem(random) : MakeBaseAmountProblem(random);
    default:
        return {};
    }
}
