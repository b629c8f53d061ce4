// Tests of the multiplication drill's problem half: the worked examples and
// retry bounds through scripted draws, thousands of seeded draws checked
// against the problem text read back with whole numbers, the places of the
// child's answer, and the judge's record texts.
#include "decimals/multiplication_drill_problems.h"
#include "scripted_random.h"
#include "written_number.h"

#include <QRegularExpression>
#include <QTest>

class MultiplicationDrillProblemsTest : public QObject
{
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void drawsKeepTheirPromises_data();
    void drawsKeepTheirPromises();
    void answerPlaces_data();
    void answerPlaces();
    void judge_data();
    void judge();
};

void MultiplicationDrillProblemsTest::workedExamples_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<int>("drawCount");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("product");
    QTest::addColumn<qint64>("expected");

    // r, then w, b - 1, m - 2 (or the multiplier's two digits less 1)
    QTest::newRow("7.3 x 12") << 1 << QList<int>{6, 7, 2, 0, 1} << 5 << "7.3 x 12" << "87.6" << qint64(876000);
    QTest::newRow("4.3 x 7") << 1 << QList<int>{0, 4, 2, 5} << 4 << "4.3 x 7" << "30.1" << qint64(301000);
    QTest::newRow("15.1 x 2") << 1 << QList<int>{3, 5, 0, 0} << 4 << "15.1 x 2" << "30.2" << qint64(302000);
    QTest::newRow("largest, 98.8 x 88") << 1 << QList<int>{8, 88, 7, 7, 7} << 5 << "98.8 x 88" << "8694.4"
                                        << qint64(86944000);
    // b x m = 5 x 2 every time: after 1000 draws the last one stands
    QTest::newRow("3.5 x 2 after 1000 draws") << 1 << QList<int>{0, 3, 4} << 3001 << "3.5 x 2" << "7.0"
                                              << qint64(70000);

    // r, then w, b - 1, t, d - 1
    QTest::newRow("0.3 x 0.4") << 2 << QList<int>{0, 0, 2, 0, 3} << 5 << "0.3 x 0.4" << "0.12" << qint64(1200);
    QTest::newRow("0.5 x 0.4 is drawn again") << 2 << QList<int>{0, 0, 4, 0, 3, 0, 2, 0, 3} << 9 << "0.3 x 0.4"
                                              << "0.12" << qint64(1200);
    QTest::newRow("2.5 x 0.13") << 2 << QList<int>{3, 2, 4, 1, 2} << 5 << "2.5 x 0.13" << "0.325" << qint64(3250);
    QTest::newRow("largest, 98.8 x 0.088") << 2 << QList<int>{6, 98, 7, 8, 7} << 5 << "98.8 x 0.088" << "8.6944"
                                           << qint64(86944);
    QTest::newRow("0.12 x 0.34") << 2 << QList<int>{8, 1, 1, 3, 3} << 5 << "0.12 x 0.34" << "0.0408" << qint64(408);
    QTest::newRow("0.5 x 0.2 after 1000 draws") << 2 << QList<int>{1, 0, 4, 0} << 4001 << "0.5 x 0.2" << "0.10"
                                                << qint64(1000);
}

void MultiplicationDrillProblemsTest::workedExamples()
{
    QFETCH(int, subTopic);
    QFETCH(QList<int>, draws);
    QFETCH(int, drawCount);
    QFETCH(QString, text);
    QFETCH(QString, product);
    QFETCH(qint64, expected);

    ScriptedRandom random(draws);
    const DrillProduct p = MakeDrillProduct(subTopic, random);
    QVERIFY(!random.outOfRange);
    QCOMPARE(random.ranges.size(), drawCount);
    QCOMPARE(p.text(), text);
    QCOMPARE(FormatDecimal(p.product, p.productPlaces), product);
    QCOMPARE(p.expected, expected);
}

void MultiplicationDrillProblemsTest::drawsKeepTheirPromises_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::newRow("小数 x 整数") << 1;
    QTest::newRow("小数 x 小数") << 2;
}

void MultiplicationDrillProblemsTest::drawsKeepTheirPromises()
{
    QFETCH(int, subTopic);
    static const QRegularExpression line(QStringLiteral("^(\\d+\\.\\d+) x (\\d+(?:\\.\\d+)?)$"));
    RandomSource random(20240501);
    QSet<int> forms;
    QSet<int> productPlaces;
    for (int i = 0; i < 30000; ++i) {
        const DrillProduct p = MakeDrillProduct(subTopic, random);
        forms.insert(p.form);
        const auto match = line.match(p.text());
        QVERIFY2(match.hasMatch(), qPrintable(p.text()));
        const WrittenNumber a = ReadWrittenNumber(match.captured(1));
        const WrittenNumber b = ReadWrittenNumber(match.captured(2));
        QCOMPARE(b.places == 0, subTopic == 1);

        // The product from the text alone: digits times digits, places plus places.
        const qint64 digits = a.digits * b.digits;
        const int places = a.places + b.places;
        QVERIFY2(digits % 10 != 0, qPrintable(p.text())); // exactly its stated places
        QCOMPARE(p.productPlaces, places);
        QCOMPARE(FormatDecimal(p.product, p.productPlaces), WriteScaled(digits, places));
        QCOMPARE(p.expected, digits * Pow10(4 - places));
        QVERIFY(p.expected < Pow10(8)); // the eight lists reach it

        // The right answer is judged right and recorded as the product is.
        const DrillJudgement j = JudgeMultiplicationDrill(p, p.expected);
        QVERIFY(j.right);
        QCOMPARE(j.record.KOT, j.record.KAI);
        productPlaces.insert(places);
    }
    QCOMPARE(forms.size(), 9);
    QCOMPARE(productPlaces, subTopic == 1 ? QSet<int>{1} : (QSet<int>{2, 3, 4}));
}

void MultiplicationDrillProblemsTest::answerPlaces_data()
{
    QTest::addColumn<qint64>("scaled");
    QTest::addColumn<int>("places");
    QTest::newRow("87.6") << qint64(876000) << 1;
    QTest::newRow("0.876") << qint64(8760) << 3;
    QTest::newRow("3.0") << qint64(30000) << 1;
    QTest::newRow("0.0") << qint64(0) << 1;
    QTest::newRow("0.0005") << qint64(5) << 4;
    QTest::newRow("0.01") << qint64(100) << 2;
    QTest::newRow("9999.9999") << qint64(99999999) << 4;
}

void MultiplicationDrillProblemsTest::answerPlaces()
{
    QFETCH(qint64, scaled);
    QFETCH(int, places);
    QCOMPARE(AnswerPlaces(scaled), places);
}

void MultiplicationDrillProblemsTest::judge_data()
{
    QTest::addColumn<qint64>("child");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("entered");
    QTest::newRow("87.6") << qint64(876000) << true << " 87.6";
    QTest::newRow("87.60") << qint64(876000) << true << " 87.6";
    QTest::newRow("8.76") << qint64(87600) << false << " 8.76";
    QTest::newRow("nothing picked") << qint64(0) << false << " 0.0";
    QTest::newRow("every place") << qint64(99999999) << false << " 9999.9999";
}

void MultiplicationDrillProblemsTest::judge()
{
    QFETCH(qint64, child);
    QFETCH(bool, right);
    QFETCH(QString, entered);
    ScriptedRandom random({6, 7, 2, 0, 1});
    const DrillJudgement j = JudgeMultiplicationDrill(MakeDrillProduct(1, random), child);
    QCOMPARE(j.right, right);
    QCOMPARE(j.record.MND, QStringLiteral(" 7.3 x 12"));
    QCOMPARE(j.record.KAI, QStringLiteral(" 87.6"));
    QCOMPARE(j.record.KOT, entered);
    QCOMPARE(j.record.HNT, right ? QStringLiteral(" ○") : QStringLiteral(" ×"));
}

QTEST_APPLESS_MAIN(MultiplicationDrillProblemsTest)
#include "test_multiplication_drill_problems.moc"
