// TForm2 problem half: the generator, the number's text and the judge.
#include "place_value_problems.h"

namespace {
// The fixed decimal part that stands when a thousand draws gave 0.00.
constexpr int kFallbackTenths = 3;
constexpr int kFallbackHundredths = 5;
constexpr int kMaxDraws = 1000;

QString ComposeText(const PlaceValueProblem& p)
{
    const struct {
        int count;
        const char16_t* unit;
    } parts[] = {{p.tens, u"10 が "}, {p.ones, u"1 が "}, {p.tenths, u"0.1 が "}, {p.hundredths, u"0.01 が "}};
    QString text;
    for (const auto& part : parts) {
        if (part.count > 0)
            text += QString::fromUtf16(part.unit) + QString::number(part.count) + QStringLiteral(" コ、");
    }
    return text + QStringLiteral("\n 集まった数は？");
}
} // namespace

PlaceValueProblem MakePlaceValueProblem(RandomSource& random)
{
    PlaceValueProblem p;
    p.selector = random.rnd(9);
    p.form = p.selector <= 4 ? PlaceValueForm::Decompose : PlaceValueForm::Compose;
    p.tens = random.rnd(9);
    p.ones = random.rnd(9);

    // The number must have a decimal part: draw its two decimal digits again
    // while both are 0.
    for (int draw = 0; draw < kMaxDraws; ++draw) {
        p.tenths = random.rnd(9);
        p.hundredths = random.rnd(9);
        if (p.tenths != 0 || p.hundredths != 0)
            break;
    }
    if (p.tenths == 0 && p.hundredths == 0) {
        p.tenths = kFallbackTenths;
        p.hundredths = kFallbackHundredths;
    }

    p.n = p.tens * 1000 + p.ones * 100 + p.tenths * 10 + p.hundredths;
    p.number = DecimalValue::fromQuotient(p.n, 100);
    if (p.form == PlaceValueForm::Decompose)
        p.text = FormatPlaceValue(p.number) + QStringLiteral(" は、10、1、0.1、0.01 が\nそれぞれ いくつずつ？");
    else
        p.text = ComposeText(p);
    return p;
}

QString FormatPlaceValue(const DecimalValue& number)
{
    const qint32 hundredths = (number * DecimalValue::fromWhole(100)).toWhole();
    const int places = hundredths % 10 == 0 ? 1 : 2;
    const qint32 scaled = places == 2 ? hundredths : (number * DecimalValue::fromWhole(10)).toWhole();
    QString digits = QString::number(scaled).rightJustified(places + 1, QLatin1Char('0'));
    digits.insert(digits.size() - places, QLatin1Char('.'));
    return digits;
}

PlaceValueVerdict JudgePlaceValueAnswer(const PlaceValueProblem& problem, qint64 childAnswer)
{
    PlaceValueVerdict verdict;
    verdict.right = childAnswer == problem.n;
    if (problem.form == PlaceValueForm::Compose) {
        verdict.answerText = FormatPlaceValue(problem.number);
    } else {
        verdict.answerText = QStringLiteral("10 が %1 コ\n1 が %2 コ\n0.1 が %3 コ\n0.01 が %4 コ")
                                 .arg(problem.tens)
                                 .arg(problem.ones)
                                 .arg(problem.tenths)
                                 .arg(problem.hundredths);
    }
    return verdict;
}
