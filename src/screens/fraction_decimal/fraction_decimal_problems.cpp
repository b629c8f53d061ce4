// TForm17 problem half: the three generators and the judge.
#include "fraction_decimal_problems.h"

namespace {
const QString kAsked = QStringLiteral("= ?");

QString Number(int n)
{
    return QString::number(n);
}

// The question and answer of a fraction put up to be written as a decimal.
void ShowFraction(ConversionProblem& p, const QString& answerText)
{
    p.question = {QString(), QString(), Number(p.numerator), Number(p.denominator), kAsked};
    p.solved = p.question;
    p.solved.right = QStringLiteral("= ") + answerText;
}
} // namespace

qint64 PackConversionFraction(int whole, int denominator, int numerator)
{
    return qint64(whole) * 10000000 + qint64(denominator) * 1000 + numerator;
}

ConversionProblem MakeFractionToDecimalProblem(RandomSource& random)
{
    ConversionProblem p;
    p.subTopic = 2;
    p.places = random.rnd(7) / 4 + 1;

    int t = 0; // the decimal in tenths or hundredths
    int d = 0;
    bool found = false;
    if (p.places == 1) {
        // 0.1 and tenths are left out: n/10 would only copy the digits.
        for (int draw = 0; draw < kConversionRetryBound && !found; ++draw) {
            t = random.rnd(18) + 1;
            d = random.rnd(24) + 1;
            found = d * t % 10 == 0 && t != 1 && d != 10;
        }
        if (!found) {
            t = 6;
            d = 5;
        }
        p.numerator = d * t / 10;
        p.value = DecimalValue::fromQuotient(t, 10);
        p.answer = t * 100;
    } else {
        // Hundredths whose last digit is 1 to 8.
        for (int draw = 0; draw < kConversionRetryBound && !found; ++draw) {
            const int tenths = random.rnd(18) + 1;
            const int hundredths = random.rnd(8) + 1;
            t = 10 * tenths + hundredths;
            d = random.rnd(24) + 1;
            found = d * t % 100 == 0 && d != 10;
        }
        if (!found) {
            t = 75;
            d = 4;
        }
        p.numerator = d * t / 100;
        p.value = DecimalValue::fromQuotient(t, 100);
        p.answer = t * 10;
    }
    p.denominator = d;
    p.instruction = QStringLiteral("次の分数を小数で表す。");
    ShowFraction(p, FormatDecimal(p.value, p.places));
    return p;
}

ConversionProblem MakeRoundedDecimalProblem(RandomSource& random)
{
    ConversionProblem p;
    p.subTopic = 3;
    p.places = 2;

    int n = 0;
    int d = 0;
    int r = 0;
    bool found = false;
    for (int draw = 0; draw < kConversionRetryBound && !found; ++draw) {
        n = random.rnd(18) + 1;
        d = random.rnd(18) + 1;
        r = n * 1000 % d;
        found = r % 10 != 0;
    }
    // A last draw with a remainder of 10, 20, ... still does not end within
    // three places and stands; only a fraction that ends gives way.
    if (r == 0) {
        n = 5;
        d = 6;
    }
    p.numerator = n;
    p.denominator = d;
    // Hundredths, rounded half up on the thousandths digit (2/3: 666 gives 67).
    const int hundredths = (n * 1000 / d + 5) / 10;
    p.answer = hundredths * 10;
    p.value = DecimalValue::fromQuotient(p.answer, 1000);
    p.instruction = QStringLiteral("次の分数を 小数第二位までの がい数で表す。");
    ShowFraction(p, FormatDecimal(p.value, 2));
    return p;
}

ConversionProblem MakeDecimalToFractionProblem(RandomSource& random)
{
    ConversionProblem p;
    p.subTopic = 4;
    p.places = random.rnd(8) / 3 + 1;

    // The last draw stands when the bound runs out.
    int q = 0;
    if (p.places == 1) {
        p.denominator = 10;
        for (int draw = 0; draw < 10; ++draw) {
            q = random.rnd(18) + 1;
            if (q != 10)
                break;
        }
    } else if (p.places == 2) {
        p.denominator = 100;
        for (int draw = 0; draw < 100; ++draw) {
            q = random.rnd(198) + 1;
            if (q % 10 != 0)
                break;
        }
    } else {
        p.denominator = 1000;
        for (int draw = 0; draw < 10; ++draw) {
            q = random.rnd(1998) + 1;
            if (q % 10 != 0)
                break;
        }
    }
    p.value = DecimalValue::fromQuotient(q, p.denominator);
    p.whole = q / p.denominator;
    p.numerator = q % p.denominator;
    p.answer = PackConversionFraction(p.whole, p.denominator, p.numerator);

    p.instruction = QStringLiteral("次の小数を分数で表す。（仮分数は帯分数に）");
    const QString asked = QStringLiteral("?");
    p.question = {FormatDecimal(p.value, p.places) + QStringLiteral("  = "), asked, asked, asked, QString()};
    p.solved = p.question;
    p.solved.whole = p.whole == 0 ? QString() : Number(p.whole);
    p.solved.numerator = Number(p.numerator);
    p.solved.denominator = Number(p.denominator);
    return p;
}

bool JudgeConversionAnswer(const ConversionProblem& problem, qint64 entry)
{
    return entry == problem.answer;
}
