// Tests of the percentage problem half shared by TForm15 and TForm16: the
// worked examples through scripted draws, each fixed fallback through rigged
// draws, and thousands of seeded problems checked against the answer worked
// out with whole numbers from the problem line alone.
#include "scripted_random.h"
#include "written_number.h"
#include "ratio/percentage_problems.h"

#include <QRegularExpression>
#include <QTest>

namespace {
enum Generator { Notation, Percentage, Compared, Base };

PercentProblem Make(int generator, bool drill, RandomSource& random)
{
    const PercentRules& rules = drill ? kPercentDrillRules : kPercentScreenRules;
    switch (generator) {
    case Notation:
        return MakeRatioNotationProblem(random);
    case Percentage:
        return MakePercentageProblem(random, rules);
    case Compared:
        return MakeComparedAmountProblem(random, rules);
    default:
        return MakeBaseAmountProblem(random, rules);
    }
}

} // namespace

class PercentageProblemsTest : public QObject
{
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void fallbacks_data();
    void fallbacks();
    void drawsKeepTheirPromises_data();
    void drawsKeepTheirPromises();
    void selectorsShapeTheProblems();
    void screenSubTopicThreeMixesBothAmounts();
};

void PercentageProblemsTest::workedExamples_data()
{
    QTest::addColumn<int>("generator");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<QString>("answerLine");

    // s 0, m 6 -> 3 digits: 1 + 1, 3, 1 + 4
    QTest::newRow("0.235 は 23.5 %") << int(Notation) << QList<int>{0, 6, 1, 3, 4} << "0.235   ⇒   ? %"
                                     << qint64(23500) << "0.235   ⇒   23.5 %";
    // s 0, m 0 -> one digit 1 + 2, z 0 -> tenths
    QTest::newRow("0.3 は 30 %") << int(Notation) << QList<int>{0, 0, 2, 0} << "0.3   ⇒   ? %" << qint64(30000)
                                 << "0.3   ⇒   30 %";
    // s 0, m 3 -> two digits 1 + 0, 1 + 1, z 4 -> thousandths
    QTest::newRow("0.012 は 1.2 %") << int(Notation) << QList<int>{0, 3, 0, 1, 4} << "0.012   ⇒   ? %"
                                    << qint64(1200) << "0.012   ⇒   1.2 %";
    // s 5, m 3 -> two digits 1 + 2, 1 + 4, z 0 -> whole percentage
    QTest::newRow("35 % は 0.35") << int(Notation) << QList<int>{5, 3, 2, 4, 0} << "35 %  ⇒  ? " << qint64(350)
                                  << "35 %   ⇒   0.35";
    // s 8, m 6 -> 235, z 4 -> percentage in tenths
    QTest::newRow("23.5 % は 0.235") << int(Notation) << QList<int>{8, 6, 1, 3, 4, 4} << "23.5 %  ⇒  ? "
                                     << qint64(235) << "23.5 %   ⇒   0.235";
    // K 0 -> P 1 + 3, T 1 + 1, 1 + 4 (4 % of 25 is 1), u 7 -> ten times the class
    QTest::newRow("1 of 250 people") << int(Percentage) << QList<int>{0, 3, 1, 4, 7} << "1 人は、250 人の ? %"
                                     << qint64(400) << "　答え： 0.4 %";
    // K 6 -> P 100 + 0 + 1 + 3, T 25, u 0
    QTest::newRow("26 of 25 people") << int(Percentage) << QList<int>{6, 0, 3, 1, 4, 0} << "26 人は、25 人の ? %"
                                     << qint64(104000) << "　答え： 104 %";
    // K 3 -> P 1 + 1, 1 + 4; T 1 + 3, 1 + 3; u 6
    QTest::newRow("11 of 44 people") << int(Percentage) << QList<int>{3, 1, 4, 3, 3, 6} << "11 人は、44 人の ? %"
                                     << qint64(25000) << "　答え： 25 %";
    // f 8, g 0 -> b 1 + 44, R 1 + 19
    QTest::newRow("4.5 g の 20 %") << int(Compared) << QList<int>{8, 0, 44, 19} << "4.5 g の 20 % は ? g"
                                   << qint64(900) << "　答え： 0.9 g";
    // f 8, g 0 -> b 1 + 59, R 1 + 49: 6 g and 3 g written without places
    QTest::newRow("6 g の 50 %") << int(Compared) << QList<int>{8, 0, 59, 49} << "6 g の 50 % は ? g" << qint64(3000)
                                 << "　答え： 3 g";
    // f 0, g 5 -> b 101 + 149, R 1 + 39
    QTest::newRow("250 g の 40 %") << int(Compared) << QList<int>{0, 5, 149, 39} << "250 g の 40 % は ? g"
                                   << qint64(100000) << "　答え： 100 g";
    // f 8, m 0 -> r 1 + 1, Q 1 + 5
    QTest::newRow("0.6 g は 20 %") << int(Base) << QList<int>{8, 0, 1, 5} << "0.6 g は、 ? g の 20 %"
                                   << qint64(3000) << "　答え： 3 g";
    // f 0, m 3 -> r 1 + 9 = 10 read as 5, Q 10 + 35
    QTest::newRow("45 g は 50 %") << int(Base) << QList<int>{0, 3, 9, 35} << "45 g は、 ? g の 50 %" << qint64(90000)
                                  << "　答え： 90 g";
    // f 0, m 6 -> r 1 + 10 = 11, Q 100 + 120
    QTest::newRow("220 g は 110 %") << int(Base) << QList<int>{0, 6, 10, 120} << "220 g は、 ? g の 110 %"
                                    << qint64(200000) << "　答え： 200 g";
    // f 8, m 3 -> r 1 + 3, Q 10 + 5 fails (1.5 g is 40 % of 3.75 g), so the
    // second draw r 1 + 2, Q 10 + 5 counts.
    QTest::newRow("1.5 g は 30 %") << int(Base) << QList<int>{8, 3, 3, 5, 2, 5} << "1.5 g は、 ? g の 30 %"
                                   << qint64(5000) << "　答え： 5 g";
}

void PercentageProblemsTest::workedExamples()
{
    QFETCH(int, generator);
    QFETCH(QList<int>, draws);
    QFETCH(QString, text);
    QFETCH(qint64, expected);
    QFETCH(QString, answerLine);

    ScriptedRandom random(draws);
    const PercentProblem p = Make(generator, false, random);
    QVERIFY(!random.outOfRange);
    QCOMPARE(random.ranges.size(), draws.size());
    QCOMPARE(p.text, text);
    QCOMPARE(p.expected, expected);
    QCOMPARE(p.answerLine, answerLine);
    QVERIFY(JudgePercentAnswer(p, expected));
    QVERIFY(!JudgePercentAnswer(p, expected + 1));
}

void PercentageProblemsTest::fallbacks_data()
{
    QTest::addColumn<int>("generator");
    QTest::addColumn<bool>("drill");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<int>("drawCount");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("expected");

    // P 1 and T 11 forever: 4 % of 75 people.
    QTest::newRow("percentage, one digit") << int(Percentage) << false << QList<int>{0} << 1 + 1000 * 3 + 1
                                           << "3 人は、75 人の ? %" << qint64(4000);
    // P 44 and T 44 forever: 75 % of 84 people.
    QTest::newRow("percentage, two digits") << int(Percentage) << true << QList<int>{3} << 1 + 1000 * 4 + 1
                                            << "63 人は、84 人の ? %" << qint64(750);
    // P 178 and T 88 forever; u 7 makes the class ten times as big.
    QTest::newRow("percentage, over 100") << int(Percentage) << false << QList<int>{7} << 1 + 1000 * 4 + 1
                                          << "63 人は、840 人の ? %" << qint64(7500);
    // b 1 and R 1 forever: 12 % of 200 g.
    QTest::newRow("compared amount") << int(Compared) << false << QList<int>{0} << 2 + 1000 * 2
                                     << "200 g の 12 % は ? g" << qint64(24000);
    // b 1 with R 100 and R 1 in turn: the screen takes 100 % at once ...
    QTest::newRow("100 % on the screen") << int(Compared) << false << QList<int>{0, 0, 0, 99} << 4
                                         << "1 g の 100 % は ? g" << qint64(1000);
    // ... the drill never does, and ends with the fixed problem.
    QTest::newRow("no 100 % in the drill") << int(Compared) << true << QList<int>{0, 0, 0, 99} << 2 + 1000 * 2
                                           << "200 g の 12 % は ? g" << qint64(240);
    // R 70 and Q 106 forever: not a whole base amount.
    QTest::newRow("base amount") << int(Base) << false << QList<int>{6} << 2 + 1000 * 2 << "288 g は、 ? g の 30 %"
                                 << qint64(960000);
    // R 10 and Q 106 forever: a whole base amount of 1060 g, too big for the
    // hundreds list, gives way to the fixed problem as well.
    QTest::newRow("base amount too big") << int(Base) << false << QList<int>{0, 6} << 2 + 1000 * 2
                                         << "288 g は、 ? g の 30 %" << qint64(960000);
}

void PercentageProblemsTest::fallbacks()
{
    QFETCH(int, generator);
    QFETCH(bool, drill);
    QFETCH(QList<int>, draws);
    QFETCH(int, drawCount);
    QFETCH(QString, text);
    QFETCH(qint64, expected);

    ScriptedRandom random(draws);
    const PercentProblem p = Make(generator, drill, random);
    QVERIFY(!random.outOfRange);
    QCOMPARE(random.ranges.size(), drawCount);
    QCOMPARE(p.text, text);
    QCOMPARE(p.expected, expected);
}

void PercentageProblemsTest::drawsKeepTheirPromises_data()
{
    QTest::addColumn<int>("generator");
    QTest::addColumn<bool>("drill");
    QTest::newRow("ratio notation") << int(Notation) << false;
    QTest::newRow("percentage, screen") << int(Percentage) << false;
    QTest::newRow("percentage, drill") << int(Percentage) << true;
    QTest::newRow("compared amount, screen") << int(Compared) << false;
    QTest::newRow("compared amount, drill") << int(Compared) << true;
    QTest::newRow("base amount, screen") << int(Base) << false;
    QTest::newRow("base amount, drill") << int(Base) << true;
}

// Reads every problem line back, works out its answer in thousandths with
// whole numbers, and checks that it is exact on the lists, that the expected
// answer and the answer line agree with it, and that the numbers stay in
// their ranges.
void PercentageProblemsTest::drawsKeepTheirPromises()
{
    QFETCH(int, generator);
    QFETCH(bool, drill);
    const qint64 scale = drill ? 10 : 1000;
    const int scalePlaces = drill ? 1 : 3;

    static const QRegularExpression decimalToPercent(QStringLiteral("^(0\\.\\d+)   ⇒   \\? %$"));
    static const QRegularExpression percentToDecimal(QStringLiteral("^(\\d+(?:\\.\\d)?) %  ⇒  \\? $"));
    static const QRegularExpression people(QStringLiteral("^(\\d+) 人は、(\\d+) 人の \\? %$"));
    static const QRegularExpression compared(QStringLiteral("^(\\d+(?:\\.\\d)?) g の (\\d+) % は \\? g$"));
    static const QRegularExpression base(QStringLiteral("^(\\d+(?:\\.\\d)?) g は、 \\? g の (\\d+) %$"));
    static const QRegularExpression answerLine(QStringLiteral("^　答え： (\\d+(?:\\.\\d+)?) (%|g)$"));

    RandomSource random(8128);
    bool sawHundredPercent = false;
    for (int i = 0; i < 20000; ++i) {
        const PercentProblem p = Make(generator, drill, random);
        const QString what = p.text;
        qint64 numerator = 0;  // the answer is numerator / denominator
        qint64 denominator = 1;
        int answerPlaces = 0;  // places of the answer as written
        QString answerText;
        if (generator == Notation) {
            auto m = decimalToPercent.match(p.text);
            if (m.hasMatch()) {
                const WrittenNumber v = ReadWrittenNumber(m.captured(1));
                QVERIFY2(v.places >= 1 && v.places <= 3, qPrintable(what));
                numerator = v.digits * 100;
                denominator = Pow10(v.places);
                answerPlaces = std::max(0, v.places - 2);
                QVERIFY2(p.answerLine.startsWith(m.captured(1) + QStringLiteral("   ⇒   ")), qPrintable(what));
                QVERIFY2(p.answerLine.endsWith(QStringLiteral(" %")), qPrintable(what));
                answerText = p.answerLine.mid(m.captured(1).size() + 7).chopped(2);
            } else {
                m = percentToDecimal.match(p.text);
                QVERIFY2(m.hasMatch(), qPrintable(what));
                const WrittenNumber v = ReadWrittenNumber(m.captured(1));
                numerator = v.digits;
                denominator = 100 * Pow10(v.places);
                answerPlaces = v.places + 2;
                const QString lead = m.captured(1) + QStringLiteral(" %   ⇒   ");
                QVERIFY2(p.answerLine.startsWith(lead), qPrintable(what));
                answerText = p.answerLine.mid(lead.size());
            }
            QVERIFY2(!m.captured(1).contains(QLatin1Char('9')), qPrintable(what));
        } else {
            const auto line = answerLine.match(p.answerLine);
            QVERIFY2(line.hasMatch(), qPrintable(p.answerLine));
            answerText = line.captured(1);
            QCOMPARE(line.captured(2), generator == Percentage ? QStringLiteral("%") : QStringLiteral("g"));
            if (generator == Percentage) {
                const auto m = people.match(p.text);
                QVERIFY2(m.hasMatch(), qPrintable(what));
                const qint64 counted = m.captured(1).toLongLong();
                const qint64 size = m.captured(2).toLongLong();
                numerator = counted * 100;
                denominator = size;
                // A class of 10 to 88 people, or ten times one.
                QVERIFY2((size >= 11 && size <= 88) || (size % 10 == 0 && size >= 110 && size <= 880), qPrintable(what));
                answerPlaces = size > 88 ? 1 : 0;
            } else {
                const auto m = (generator == Compared ? compared : base).match(p.text);
                QVERIFY2(m.hasMatch(), qPrintable(what));
                const WrittenNumber amount = ReadWrittenNumber(m.captured(1));
                const qint64 percent = m.captured(2).toLongLong();
                if (generator == Compared) {
                    QVERIFY2(percent >= 1 && percent <= 119, qPrintable(what));
                    sawHundredPercent |= percent == 100;
                    numerator = amount.digits * percent;
                    denominator = 100 * Pow10(amount.places);
                } else {
                    QVERIFY2(percent % 10 == 0 && percent >= 10 && percent <= 110 && percent != 100, qPrintable(what));
                    numerator = amount.digits * 100;
                    denominator = percent * Pow10(amount.places);
                }
            }
        }
        // Exact on the lists: the answer is a whole number of list units.
        QVERIFY2(numerator * scale % denominator == 0, qPrintable(what));
        const qint64 units = numerator * scale / denominator;
        QCOMPARE(p.expected, units);
        QVERIFY2(units > 0 && units < 1000 * scale, qPrintable(what)); // the hundreds list is the highest
        if (generator == Compared || generator == Base) {
            // Grams have at most a tenths place, written only when it is not 0.
            QVERIFY2(units % (scale / 10) == 0, qPrintable(what));
            answerPlaces = units % scale == 0 ? 0 : 1;
        }
        // The answer as written, worked out digit by digit from the units.
        QCOMPARE(answerText, WriteCut(units, scalePlaces, answerPlaces));
        QVERIFY(JudgePercentAnswer(p, units));
    }
    if (generator == Compared)
        QCOMPARE(sawHundredPercent, !drill);
}

// The selectors decide the size and wording of a problem with the chances
// they are drawn with.
void PercentageProblemsTest::selectorsShapeTheProblems()
{
    constexpr int kDraws = 36000;
    RandomSource random(31337);
    int toPercent = 0, oneDigit = 0, twoDigits = 0;
    int percentOneDigit = 0, percentTwoDigits = 0, tenfoldClass = 0;
    int tenths = 0, smallBase = 0;
    int baseOneDigit = 0, baseTwoDigits = 0, fifty = 0, forty = 0;
    for (int i = 0; i < kDraws; ++i) {
        const PercentProblem notation = MakeRatioNotationProblem(random);
        toPercent += notation.kind == PercentKind::DecimalToPercent;
        oneDigit += notation.X < 10;
        twoDigits += notation.X >= 10 && notation.X < 100;

        const PercentProblem percentage = MakePercentageProblem(random);
        percentOneDigit += percentage.P < 10;
        percentTwoDigits += percentage.P >= 10 && percentage.P < 100;
        tenfoldClass += percentage.classSize == 10 * percentage.T;

        const PercentProblem compared = MakeComparedAmountProblem(random);
        tenths += compared.f == 8;
        smallBase += compared.b < 100;

        const PercentProblem base = MakeBaseAmountProblem(random);
        baseOneDigit += base.Q < 10;
        baseTwoDigits += base.Q >= 10 && base.Q < 100;
        fifty += base.R == 50;
        forty += base.R == 40;
    }
    CheckShare(toPercent, kDraws, 5.0 / 9, "decimal to percentage");
    CheckShare(oneDigit, kDraws, 3.0 / 8, "X of one digit");
    CheckShare(twoDigits, kDraws, 3.0 / 8, "X of two digits");
    CheckShare(percentOneDigit, kDraws, 3.0 / 8, "P of one digit");
    CheckShare(percentTwoDigits, kDraws, 3.0 / 8, "P of two digits");
    CheckShare(tenfoldClass, kDraws, 2.0 / 9, "ten times the class");
    CheckShare(tenths, kDraws, 1.0 / 9, "grams in tenths");
    CheckShare(smallBase, kDraws, 5.0 / 9, "base amount below 100");
    CheckShare(baseOneDigit, kDraws, 3.0 / 8, "Q of one digit");
    CheckShare(baseTwoDigits, kDraws, 3.0 / 8, "Q of two digits");
    // 50 % is drawn twice as often as any other percentage; with one-digit
    // amounts it always gives a whole base, so it stays well ahead of 40 %.
    QVERIFY2(fifty > forty * 3 / 2, qPrintable(QStringLiteral("50 %: %1, 40 %: %2").arg(fifty).arg(forty)));
}

void PercentageProblemsTest::screenSubTopicThreeMixesBothAmounts()
{
    // k 4 asks for a compared amount, k 5 for a base amount.
    ScriptedRandom comparedDraws({4, 8, 0, 44, 19});
    QCOMPARE(MakePercentScreenProblem(comparedDraws, 3).text, QStringLiteral("4.5 g の 20 % は ? g"));
    ScriptedRandom baseDraws({5, 8, 0, 1, 5});
    QCOMPARE(MakePercentScreenProblem(baseDraws, 3).text, QStringLiteral("0.6 g は、 ? g の 20 %"));
    QCOMPARE(baseDraws.ranges.first(), 9);
}

QTEST_APPLESS_MAIN(PercentageProblemsTest)
#include "test_percentage_problems.moc"
