// Tests of the place-value problem half: the worked examples through scripted
// draws, the retry bound, and thousands of seeded draws read back from their
// texts and checked against a computation on whole numbers.
#include "scripted_random.h"
#include "decimals/place_value_problems.h"

#include <QRegularExpression>
#include <QTest>

namespace {
// The number of hundredths written with two places, or one when the
// hundredths digit is 0, worked out with whole numbers only.
QString HundredthsText(int n)
{
    const QString twoPlaces = QStringLiteral("%1.%2").arg(n / 100).arg(n % 100, 2, 10, QLatin1Char('0'));
    return n % 10 == 0 ? twoPlaces.chopped(1) : twoPlaces;
}

// Reads a compose text such as "1 が 4 コ、0.01 が 6 コ、\n 集まった数は？" back
// into the counts of 10, 1, 0.1 and 0.01 (a count not written is 0).
bool ReadCounts(const QString& text, int counts[4])
{
    static const QRegularExpression whole(QStringLiteral("^((?:(?:10|1|0\\.1|0\\.01) が [1-8] コ、)+)\n 集まった数は？$"));
    static const QRegularExpression part(QStringLiteral("(10|1|0\\.1|0\\.01) が ([1-8]) コ、"));
    const auto match = whole.match(text);
    if (!match.hasMatch())
        return false;
    const QStringList units = {QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("0.1"), QStringLiteral("0.01")};
    int lastUnit = -1;
    for (int i = 0; i < 4; ++i)
        counts[i] = 0;
    for (auto it = part.globalMatch(match.captured(1)); it.hasNext();) {
        const auto m = it.next();
        const int unit = int(units.indexOf(m.captured(1)));
        if (unit <= lastUnit) // each unit once, largest first
            return false;
        lastUnit = unit;
        counts[unit] = m.captured(2).toInt();
    }
    return true;
}
} // namespace

class PlaceValueProblemsTest : public QObject
{
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void aThousandEmptyDecimalPartsGiveTheFixedOne();
    void drawsKeepTheirPromises();
    void formatPlaceValue_data();
    void formatPlaceValue();
    void judge_data();
    void judge();
};

void PlaceValueProblemsTest::workedExamples_data()
{
    QTest::addColumn<QList<int>>("draws"); // selector, t, o, then p and q until not both 0
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("answer");

    QTest::newRow("32.58 taken apart") << QList<int>{0, 3, 2, 5, 8}
                                       << "32.58 は、10、1、0.1、0.01 が\nそれぞれ いくつずつ？" << 3258
                                       << "10 が 3 コ\n1 が 2 コ\n0.1 が 5 コ\n0.01 が 8 コ";
    QTest::newRow("4.06 put together") << QList<int>{5, 0, 4, 0, 6} << "1 が 4 コ、0.01 が 6 コ、\n 集まった数は？"
                                       << 406 << "4.06";
    QTest::newRow("40.7 leaves out 0.01") << QList<int>{8, 4, 0, 7, 0} << "10 が 4 コ、0.1 が 7 コ、\n 集まった数は？"
                                          << 4070 << "40.7";
    QTest::newRow("0.35 has a 0 before the point") << QList<int>{4, 0, 0, 3, 5}
                                                   << "0.35 は、10、1、0.1、0.01 が\nそれぞれ いくつずつ？" << 35
                                                   << "10 が 0 コ\n1 が 0 コ\n0.1 が 3 コ\n0.01 が 5 コ";
    // two empty decimal parts are drawn again before 0.05 comes up
    QTest::newRow("0.05 after two redraws") << QList<int>{6, 0, 0, 0, 0, 0, 0, 0, 5}
                                            << "0.01 が 5 コ、\n 集まった数は？" << 5 << "0.05";
    QTest::newRow("88.88") << QList<int>{5, 8, 8, 8, 8} << "10 が 8 コ、1 が 8 コ、0.1 が 8 コ、0.01 が 8 コ、\n 集まった数は？"
                           << 8888 << "88.88";
}

void PlaceValueProblemsTest::workedExamples()
{
    QFETCH(QList<int>, draws);
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QString, answer);

    ScriptedRandom random(draws);
    const PlaceValueProblem p = MakePlaceValueProblem(random);
    QVERIFY(!random.outOfRange);
    QCOMPARE(random.ranges, QList<int>(draws.size(), 9));
    QCOMPARE(p.text, text);
    QCOMPARE(p.n, n);
    const PlaceValueVerdict verdict = JudgePlaceValueAnswer(p, n);
    QVERIFY(verdict.right);
    QCOMPARE(verdict.answerText, answer);
}

void PlaceValueProblemsTest::aThousandEmptyDecimalPartsGiveTheFixedOne()
{
    ScriptedRandom random({0}); // every draw 0: 0.00 a thousand times
    const PlaceValueProblem p = MakePlaceValueProblem(random);
    QCOMPARE(random.ranges.size(), 3 + 2 * 1000);
    QCOMPARE(p.n, 35);
    QCOMPARE(p.text, QStringLiteral("0.35 は、10、1、0.1、0.01 が\nそれぞれ いくつずつ？"));
}

void PlaceValueProblemsTest::drawsKeepTheirPromises()
{
    RandomSource random(2024);
    int forms[2] = {0, 0};
    int smallest = 10000, largest = 0;
    for (int i = 0; i < 50000; ++i) {
        const PlaceValueProblem p = MakePlaceValueProblem(random);
        const int digits[4] = {p.tens, p.ones, p.tenths, p.hundredths};
        for (const int digit : digits)
            QVERIFY2(digit >= 0 && digit <= 8, qPrintable(p.text));
        QCOMPARE(p.n, p.tens * 1000 + p.ones * 100 + p.tenths * 10 + p.hundredths);
        QVERIFY2(p.n % 100 != 0, qPrintable(p.text)); // always a decimal part
        smallest = std::min(smallest, p.n);
        largest = std::max(largest, p.n);

        if (p.form == PlaceValueForm::Decompose) {
            ++forms[0];
            QVERIFY(p.selector <= 4);
            QCOMPARE(p.text, HundredthsText(p.n) + QStringLiteral(" は、10、1、0.1、0.01 が\nそれぞれ いくつずつ？"));
        } else {
            ++forms[1];
            QVERIFY(p.selector >= 5);
            int counts[4];
            QVERIFY2(ReadCounts(p.text, counts), qPrintable(p.text));
            QCOMPARE(counts[0] * 1000 + counts[1] * 100 + counts[2] * 10 + counts[3], p.n);
            QCOMPARE(JudgePlaceValueAnswer(p, p.n).answerText, HundredthsText(p.n));
        }
        QVERIFY(JudgePlaceValueAnswer(p, p.n).right);
        QVERIFY(!JudgePlaceValueAnswer(p, p.n + 1).right);
    }
    QCOMPARE(smallest, 1);
    QCOMPARE(largest, 8888);
    // Five of the nine form draws take the number apart, four put it together.
    QVERIFY(forms[0] > 26000 && forms[0] < 29500);
    QVERIFY(forms[1] > 20500 && forms[1] < 24000);
}

void PlaceValueProblemsTest::formatPlaceValue_data()
{
    QTest::addColumn<int>("hundredths");
    QTest::addColumn<QString>("text");
    QTest::newRow("32.58") << 3258 << "32.58";
    QTest::newRow("40.7") << 4070 << "40.7";
    QTest::newRow("0.35") << 35 << "0.35";
    QTest::newRow("0.05") << 5 << "0.05";
    QTest::newRow("0.1") << 10 << "0.1";
    QTest::newRow("0.57") << 57 << "0.57"; // 0.57 x 100 falls just below 57 in doubles
    QTest::newRow("88.88") << 8888 << "88.88";
}

void PlaceValueProblemsTest::formatPlaceValue()
{
    QFETCH(int, hundredths);
    QFETCH(QString, text);
    const DecimalValue number = DecimalValue::fromQuotient(hundredths, 100);
    QCOMPARE(FormatPlaceValue(number), text);
    QCOMPARE(FormatPlaceValue(number), FormatDecimal(number, hundredths % 10 == 0 ? 1 : 2));
}

void PlaceValueProblemsTest::judge_data()
{
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<qint64>("child");
    QTest::addColumn<bool>("right");
    const QList<int> p3258 = {0, 3, 2, 5, 8};
    QTest::newRow("3 2 5 8") << p3258 << qint64(3258) << true;
    QTest::newRow("digits swapped") << p3258 << qint64(3285) << false;
    QTest::newRow("one place short") << p3258 << qint64(325) << false;
    QTest::newRow("only the hundredths picked") << p3258 << qint64(8) << false;
    // 0.05: picking 5 in the hundredths list alone is the whole answer
    QTest::newRow("0.05 from the last list alone") << QList<int>{5, 0, 0, 0, 5} << qint64(5) << true;
}

void PlaceValueProblemsTest::judge()
{
    QFETCH(QList<int>, draws);
    QFETCH(qint64, child);
    QFETCH(bool, right);
    ScriptedRandom random(draws);
    QCOMPARE(JudgePlaceValueAnswer(MakePlaceValueProblem(random), child).right, right);
}

QTEST_APPLESS_MAIN(PlaceValueProblemsTest)
#include "test_place_value_problems.moc"
