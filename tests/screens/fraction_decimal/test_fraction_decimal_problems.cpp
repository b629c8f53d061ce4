// Tests of the fraction-and-decimal problem half: worked examples, retries and
// fallbacks through scripted draws, the judge, and thousands of seeded
// problems checked against fractions worked out with whole numbers.
#include "scripted_random.h"
#include "written_number.h"
#include "fraction_decimal/fraction_decimal_problems.h"

#include <QRegularExpression>
#include <QTest>

namespace {
ConversionProblem Make(int subTopic, RandomSource& random)
{
    switch (subTopic) {
    case 2:
        return MakeFractionToDecimalProblem(random);
    case 3:
        return MakeRoundedDecimalProblem(random);
    default:
        return MakeDecimalToFractionProblem(random);
    }
}

// The five parts of a fraction display in one line, for compact tables.
QString Joined(const FractionDisplay& d)
{
    return QStringList{d.left, d.whole, d.numerator, d.denominator, d.right}.join(QLatin1Char('|'));
}

QList<int> Repeat(QList<int> head, int value, int count)
{
    return head + QList<int>(count, value);
}

} // namespace

class FractionDecimalProblemsTest : public QObject
{
    Q_OBJECT
private slots:
    void scriptedProblems_data();
    void scriptedProblems();
    void judge_data();
    void judge();
    void exactDecimals();
    void roundedDecimals();
    void decimalsAsFractions();
};

void FractionDecimalProblemsTest::scriptedProblems_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<int>("drawCount");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("solved");
    QTest::addColumn<qint64>("answer");

    // k 4 -> hundredths; t 10 × (6 + 1) + 4 + 1, d 3 + 1
    QTest::newRow("3/4 = 0.75") << 2 << QList<int>{4, 6, 4, 3} << 4 << "||3|4|= ?" << "||3|4|= 0.75" << qint64(750);
    QTest::newRow("5/4 = 1.25") << 2 << QList<int>{4, 11, 4, 3} << 4 << "||5|4|= ?" << "||5|4|= 1.25" << qint64(1250);
    // k 0 -> tenths; t 5 + 1, d 4 + 1
    QTest::newRow("3/5 = 0.6") << 2 << QList<int>{0, 5, 4} << 3 << "||3|5|= ?" << "||3|5|= 0.6" << qint64(600);
    // t 10 is 1.0: 7/7 may come up
    QTest::newRow("7/7 = 1.0") << 2 << QList<int>{0, 9, 6} << 3 << "||7|7|= ?" << "||7|7|= 1.0" << qint64(1000);
    // 0.1 (here 1/20) is left out, and so is anything over 10; 4/8 is not reduced
    QTest::newRow("1/20 and 2/10 left out, 4/8") << 2 << QList<int>{0, 0, 19, 1, 9, 4, 7} << 7 << "||4|8|= ?"
                                                 << "||4|8|= 0.5" << qint64(500);
    QTest::newRow("fallback 3/5") << 2 << QList<int>{0} << 1 + 2 * 1000 << "||3|5|= ?" << "||3|5|= 0.6" << qint64(600);
    QTest::newRow("fallback 3/4") << 2 << QList<int>{4} << 1 + 3 * 1000 << "||3|4|= ?" << "||3|4|= 0.75"
                                  << qint64(750);

    QTest::newRow("2/3 ≈ 0.67") << 3 << QList<int>{1, 2} << 2 << "||2|3|= ?" << "||2|3|= 0.67" << qint64(670);
    QTest::newRow("5/7 ≈ 0.71") << 3 << QList<int>{4, 6} << 2 << "||5|7|= ?" << "||5|7|= 0.71" << qint64(710);
    QTest::newRow("17/6 ≈ 2.83") << 3 << QList<int>{16, 5} << 2 << "||17|6|= ?" << "||17|6|= 2.83" << qint64(2830);
    // 1/8 = 0.125 ends within three places; 1/11 leaves 10 and is drawn again too
    QTest::newRow("1/8 and 1/11 drawn again") << 3 << QList<int>{0, 7, 0, 10, 1, 2} << 6 << "||2|3|= ?"
                                               << "||2|3|= 0.67" << qint64(670);
    QTest::newRow("fallback 5/6") << 3 << QList<int>{0} << 2 * 1000 << "||5|6|= ?" << "||5|6|= 0.83" << qint64(830);

    // k 3 -> hundredths, q 124 + 1
    QTest::newRow("1.25 = 1 25/100") << 4 << QList<int>{3, 124} << 2 << "1.25  = |?|?|?|" << "1.25  = |1|25|100|"
                                     << qint64(10100025);
    QTest::newRow("0.07 = 7/100") << 4 << QList<int>{3, 6} << 2 << "0.07  = |?|?|?|" << "0.07  = ||7|100|"
                                  << qint64(100007);
    QTest::newRow("0.5 = 5/10") << 4 << QList<int>{0, 4} << 2 << "0.5  = |?|?|?|" << "0.5  = ||5|10|" << qint64(10005);
    QTest::newRow("1.998 = 1 998/1000") << 4 << QList<int>{6, 1997} << 2 << "1.998  = |?|?|?|"
                                        << "1.998  = |1|998|1000|" << qint64(11000998);
    QTest::newRow("0.10 drawn again") << 4 << QList<int>{3, 9, 24} << 3 << "0.25  = |?|?|?|" << "0.25  = ||25|100|"
                                      << qint64(100025);
    // When the bound runs out the last draw stands.
    QTest::newRow("1.0 after 10 draws") << 4 << Repeat({0}, 9, 10) << 11 << "1.0  = |?|?|?|" << "1.0  = |1|0|10|"
                                        << qint64(10010000);
    QTest::newRow("0.10 after 100 draws") << 4 << Repeat({3}, 9, 100) << 101 << "0.10  = |?|?|?|"
                                          << "0.10  = ||10|100|" << qint64(100010);
    QTest::newRow("0.010 after 10 draws") << 4 << Repeat({6}, 9, 10) << 11 << "0.010  = |?|?|?|"
                                          << "0.010  = ||10|1000|" << qint64(1000010);
}

void FractionDecimalProblemsTest::scriptedProblems()
{
    QFETCH(int, subTopic);
    QFETCH(QList<int>, draws);
    QFETCH(int, drawCount);
    QFETCH(QString, question);
    QFETCH(QString, solved);
    QFETCH(qint64, answer);

    ScriptedRandom random(draws);
    const ConversionProblem p = Make(subTopic, random);
    QVERIFY(!random.outOfRange);
    QCOMPARE(random.ranges.size(), drawCount);
    QCOMPARE(random.reseeds, 0); // the screen reseeds, not the generator
    QCOMPARE(p.subTopic, subTopic);
    QCOMPARE(Joined(p.question), question);
    QCOMPARE(Joined(p.solved), solved);
    QCOMPARE(p.answer, answer);
}

void FractionDecimalProblemsTest::judge_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<qint64>("entry");
    QTest::addColumn<bool>("right");

    const QList<int> threeQuarters{4, 6, 4, 3};
    QTest::newRow("3/4: 0.75") << 2 << threeQuarters << qint64(750) << true;
    QTest::newRow("3/4: 0.075") << 2 << threeQuarters << qint64(75) << false;
    QTest::newRow("3/4: 7.5") << 2 << threeQuarters << qint64(7500) << false;
    QTest::newRow("3/4: nothing picked") << 2 << threeQuarters << qint64(0) << false;
    const QList<int> twoThirds{1, 2};
    QTest::newRow("2/3: 0.67") << 3 << twoThirds << qint64(670) << true;
    QTest::newRow("2/3: 0.66") << 3 << twoThirds << qint64(660) << false;
    QTest::newRow("2/3: 0.667") << 3 << twoThirds << qint64(667) << false;
    const QList<int> onePointTwoFive{3, 124};
    QTest::newRow("1.25: 1 25/100") << 4 << onePointTwoFive << qint64(10100025) << true;
    QTest::newRow("1.25: 1 1/4") << 4 << onePointTwoFive << qint64(10004001) << false;
    QTest::newRow("1.25: 125/100") << 4 << onePointTwoFive << qint64(100125) << false;
    QTest::newRow("1.25: nothing picked") << 4 << onePointTwoFive << qint64(0) << false;
}

void FractionDecimalProblemsTest::judge()
{
    QFETCH(int, subTopic);
    QFETCH(QList<int>, draws);
    QFETCH(qint64, entry);
    QFETCH(bool, right);
    ScriptedRandom random(draws);
    QCOMPARE(JudgeConversionAnswer(Make(subTopic, random), entry), right);
}

void FractionDecimalProblemsTest::exactDecimals()
{
    constexpr int kDraws = 20000;
    RandomSource random(1357);
    int hundredths = 0;
    for (int i = 0; i < kDraws; ++i) {
        const ConversionProblem p = MakeFractionToDecimalProblem(random);
        const qint64 n = p.question.numerator.toLongLong();
        const qint64 d = p.question.denominator.toLongLong();
        const QString what = Joined(p.question);
        QVERIFY2(n >= 1 && d >= 1 && d <= 24 && d != 10, qPrintable(what));
        // n/d is the answer exactly, and it has one or two places.
        QCOMPARE(n * 1000, p.answer * d);
        QVERIFY2(p.answer % 10 == 0 && p.answer >= 100 && p.answer <= 1880, qPrintable(what));
        const bool twoPlaces = p.answer % 100 != 0;
        hundredths += twoPlaces;
        if (twoPlaces) {
            const qint64 last = p.answer / 10 % 10;
            QVERIFY2(last >= 1 && last <= 8, qPrintable(what));
        } else {
            QVERIFY2(p.answer != 100, qPrintable(what)); // never 0.1
        }
        QCOMPARE(p.solved.right, QStringLiteral("= ") + WriteCut(p.answer, 3, twoPlaces ? 2 : 1));
        QVERIFY(JudgeConversionAnswer(p, p.answer));
    }
    CheckShare(hundredths, kDraws, 3.0 / 7, "two places");
}

void FractionDecimalProblemsTest::roundedDecimals()
{
    RandomSource random(2468);
    for (int i = 0; i < 20000; ++i) {
        const ConversionProblem p = MakeRoundedDecimalProblem(random);
        const qint64 n = p.question.numerator.toLongLong();
        const qint64 d = p.question.denominator.toLongLong();
        const QString what = Joined(p.question);
        QVERIFY2(n >= 1 && n <= 18 && d >= 1 && d <= 18, qPrintable(what));
        QVERIFY2(n * 1000 % d != 0, qPrintable(what)); // does not end within three places
        // n/d rounded half up to hundredths: floor((200n + d) / 2d).
        const qint64 rounded = (200 * n + d) / (2 * d);
        QCOMPARE(p.answer, rounded * 10);
        QCOMPARE(p.solved.right, QStringLiteral("= ") + WriteCut(p.answer, 3, 2));
    }
}

void FractionDecimalProblemsTest::decimalsAsFractions()
{
    static const QRegularExpression left(QStringLiteral("^(\\d)\\.(\\d{1,3})  = $"));
    constexpr int kDraws = 24000;
    RandomSource random(97531);
    int places[4] = {};
    for (int i = 0; i < kDraws; ++i) {
        const ConversionProblem p = MakeDecimalToFractionProblem(random);
        const auto m = left.match(p.question.left);
        QVERIFY2(m.hasMatch(), qPrintable(p.question.left));
        const int k = int(m.captured(2).size());
        ++places[k];
        const qint64 whole = m.captured(1).toLongLong();
        const qint64 decimals = m.captured(2).toLongLong();
        QVERIFY2(!m.captured(2).endsWith(QLatin1Char('0')), qPrintable(p.question.left));

        // Read the answer back as the lists spell it: 整 | 分母 (4) | 分子 (3).
        const qint64 answerWhole = p.answer / 10000000;
        const qint64 denominator = p.answer / 1000 % 10000;
        const qint64 numerator = p.answer % 1000;
        qint64 power = 1;
        for (int j = 0; j < k; ++j)
            power *= 10;
        QCOMPARE(denominator, power); // 10, 100 or 1000, never reduced
        QCOMPARE(answerWhole, whole);
        QCOMPARE(numerator, decimals);
        QCOMPARE(p.solved.whole, whole == 0 ? QString() : QString::number(whole));
        QCOMPARE(p.solved.numerator, QString::number(decimals));
        QCOMPARE(p.solved.denominator, QString::number(power));
    }
    CheckShare(places[1], kDraws, 3.0 / 8, "one place");
    CheckShare(places[2], kDraws, 3.0 / 8, "two places");
    CheckShare(places[3], kDraws, 2.0 / 8, "three places");
}

QTEST_APPLESS_MAIN(FractionDecimalProblemsTest)
#include "test_fraction_decimal_problems.moc"
