// Tests of the multiplication problem half: worked examples through scripted
// draws, the retry bound, thousands of seeded draws read back from their
// problem lines and checked with whole-number arithmetic, and the judge.
#include "scripted_random.h"
#include "written_number.h"
#include "decimals/multiplication_problems.h"

#include <QRegularExpression>
#include <QTest>

class MultiplicationProblemsTest : public QObject
{
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void aThousandFailedDrawsLeaveTheLastOne();
    void drawsKeepTheirPromises_data();
    void drawsKeepTheirPromises();
    void judge_data();
    void judge();
};

void MultiplicationProblemsTest::workedExamples_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("onesRow");
    QTest::addColumn<qint64>("tensRow");
    QTest::addColumn<qint64>("digitProduct");
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("lastStep");

    // r 6: w 7, b 1 + 2, tens 1 + 0, ones 1 + 1
    QTest::newRow("7.3 x 12") << 1 << QList<int>{6, 7, 2, 0, 1} << "7.3 x 12 = ?" << qint64(146) << qint64(73)
                              << qint64(876) << "87.6" << 5;
    // r 0: w 2, b 1 + 2, m 2 + 2; no second row
    QTest::newRow("2.3 x 4") << 1 << QList<int>{0, 2, 2, 2} << "2.3 x 4 = ?" << qint64(92) << qint64(0) << qint64(92)
                             << "9.2" << 3;
    // r 8: w 10 + 88, b 1 + 7, tens and ones 1 + 7: the largest product
    QTest::newRow("98.8 x 88") << 1 << QList<int>{8, 88, 7, 7, 7} << "98.8 x 88 = ?" << qint64(7904) << qint64(7904)
                               << qint64(86944) << "8694.4" << 5;
    // 0.5 x 4 is drawn first and thrown away (5 x 4 = 20), then 0.3 x 4
    QTest::newRow("0.5 x 4 drawn again") << 1 << QList<int>{0, 0, 4, 2, 0, 2, 2} << "0.3 x 4 = ?" << qint64(12)
                                         << qint64(0) << qint64(12) << "1.2" << 3;
    // r 0: w 0, b 1 + 2, t 0, d 1 + 3: a one-digit multiplier of two places
    QTest::newRow("0.3 x 0.04") << 2 << QList<int>{0, 0, 2, 0, 3} << "0.3 x 0.04 = ?" << qint64(12) << qint64(0)
                                << qint64(12) << "0.012" << 3;
    // r 3: multiplier with three places
    QTest::newRow("1.7 x 0.023") << 2 << QList<int>{3, 1, 6, 2, 2} << "1.7 x 0.023 = ?" << qint64(51) << qint64(34)
                                 << qint64(391) << "0.0391" << 5;
    // r 7: w 98 gives a multiplicand with two places
    QTest::newRow("9.88 x 0.88") << 2 << QList<int>{7, 98, 7, 8, 7} << "9.88 x 0.88 = ?" << qint64(7904)
                                 << qint64(7904) << qint64(86944) << "8.6944" << 5;
    // r 8: two places times three places
    QTest::newRow("0.53 x 0.087") << 2 << QList<int>{8, 5, 2, 8, 6} << "0.53 x 0.087 = ?" << qint64(371)
                                  << qint64(424) << qint64(4611) << "0.04611" << 5;
}

void MultiplicationProblemsTest::workedExamples()
{
    QFETCH(int, subTopic);
    QFETCH(QList<int>, draws);
    QFETCH(QString, text);
    QFETCH(qint64, onesRow);
    QFETCH(qint64, tensRow);
    QFETCH(qint64, digitProduct);
    QFETCH(QString, product);
    QFETCH(int, lastStep);

    ScriptedRandom random(draws);
    const MultiplicationProblem p = MakeMultiplicationProblem(subTopic, random);
    QVERIFY(!random.outOfRange);
    QCOMPARE(random.ranges.size(), draws.size());
    QCOMPARE(p.text, text);
    QCOMPARE(p.onesRow(), onesRow);
    QCOMPARE(p.tensRow(), tensRow);
    QCOMPARE(p.digitProduct(), digitProduct);
    QCOMPARE(p.productText(), product);
    QCOMPARE(p.lastStep(), lastStep);
}

void MultiplicationProblemsTest::aThousandFailedDrawsLeaveTheLastOne()
{
    // Every draw 3: r 3, w 13, b 4, m 5, and 4 x 5 = 20 each time.
    ScriptedRandom random({3});
    const MultiplicationProblem p = MakeMultiplicationProblem(1, random);
    QCOMPARE(random.ranges.size(), 1 + 3 * 1000);
    QCOMPARE(p.text, QStringLiteral("13.4 x 5 = ?"));
    QCOMPARE(p.digitProduct(), qint64(670));
    QCOMPARE(p.productText(), QStringLiteral("67.0"));
    QVERIFY(JudgeMultiplicationAnswer(p, 670, 1).right);
}

void MultiplicationProblemsTest::drawsKeepTheirPromises_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<QSet<int>>("productPlaces");
    QTest::newRow("decimal x whole") << 1 << QSet<int>{1};
    QTest::newRow("decimal x decimal") << 2 << QSet<int>{3, 4, 5};
}

void MultiplicationProblemsTest::drawsKeepTheirPromises()
{
    QFETCH(int, subTopic);
    QFETCH(QSet<int>, productPlaces);
    static const QRegularExpression line(QStringLiteral("^(\\d+\\.\\d+) x (\\d+(?:\\.\\d+)?) = \\?$"));
    RandomSource random(1729);
    QSet<int> placesSeen;
    QSet<bool> twoDigitsSeen;
    for (int i = 0; i < 50000; ++i) {
        const MultiplicationProblem p = MakeMultiplicationProblem(subTopic, random);
        const auto match = line.match(p.text);
        QVERIFY2(match.hasMatch(), qPrintable(p.text));
        const WrittenNumber a = ReadWrittenNumber(match.captured(1));
        const WrittenNumber m = ReadWrittenNumber(match.captured(2));
        QCOMPARE(subTopic == 1, m.places == 0);
        QCOMPARE(a.digits, qint64(p.multiplicandDigits()));
        QCOMPARE(m.digits, qint64(p.m));

        const qint64 digits = a.digits * m.digits;
        QVERIFY2(digits % 10 != 0, qPrintable(p.text)); // the product keeps all its places
        QVERIFY2(digits < 100000, qPrintable(p.text));  // the five lists hold every row
        QCOMPARE(p.digitProduct(), digits);
        QCOMPARE(p.productPlaces, a.places + m.places);
        QCOMPARE(p.productText(), WriteScaled(digits, a.places + m.places));
        QCOMPARE(p.onesRow() + 10 * p.tensRow(), digits);
        QCOMPARE(p.twoDigitMultiplier(), m.digits >= 10);
        QCOMPARE(p.lastStep(), m.digits >= 10 ? 5 : 3);
        QVERIFY(JudgeMultiplicationAnswer(p, digits, p.productPlaces).right);
        placesSeen.insert(p.productPlaces);
        twoDigitsSeen.insert(p.twoDigitMultiplier());
    }
    QCOMPARE(placesSeen, productPlaces);
    QCOMPARE(twoDigitsSeen, (QSet<bool>{false, true}));
}

void MultiplicationProblemsTest::judge_data()
{
    QTest::addColumn<qint64>("lastRow");
    QTest::addColumn<int>("places");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("written");

    QTest::newRow("876, 1 place") << qint64(876) << 1 << true << "87.6";
    QTest::newRow("876, 2 places") << qint64(876) << 2 << false << "8.76";
    QTest::newRow("876, no point") << qint64(876) << 0 << false << "876";
    QTest::newRow("8760, 2 places") << qint64(8760) << 2 << false << "87.60";
    QTest::newRow("wrong sum, 1 place") << qint64(866) << 1 << false << "86.6";
    QTest::newRow("876, 8 places") << qint64(876) << 8 << false << "0.00000876";
    QTest::newRow("876, 9 places") << qint64(876) << 9 << false << "0.000000876";
    QTest::newRow("nothing picked") << qint64(0) << 0 << false << "0";
}

void MultiplicationProblemsTest::judge()
{
    QFETCH(qint64, lastRow);
    QFETCH(int, places);
    QFETCH(bool, right);
    QFETCH(QString, written);

    ScriptedRandom random({6, 7, 2, 0, 1}); // 7.3 x 12
    const MultiplicationProblem p = MakeMultiplicationProblem(1, random);
    const MultiplicationVerdict verdict = JudgeMultiplicationAnswer(p, lastRow, places);
    QCOMPARE(verdict.right, right);
    QCOMPARE(verdict.childText, written);
    QCOMPARE(verdict.problemLine, QStringLiteral("7.3 x 12 = 87.6"));
    if (places <= 8) // the child's number as the decimal it stands for
        QCOMPARE(verdict.childText, FormatDecimal(DecimalValue::fromQuotient(lastRow, Pow10(places)), places));
}

QTEST_APPLESS_MAIN(MultiplicationProblemsTest)
#include "test_multiplication_problems.moc"
