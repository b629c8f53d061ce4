// Tests of the percentage drill's problem half: the record texts of every
// variant and entry, the menu's choice of generator, and the mix.
#include "scripted_random.h"
#include "ratio/percentage_drill_problems.h"

#include <QTest>

class PercentageDrillProblemsTest : public QObject
{
    Q_OBJECT
private slots:
    void recordTexts_data();
    void recordTexts();
    void menuChoosesTheGenerator_data();
    void menuChoosesTheGenerator();
    void mixDrawsEveryKind();
};

void PercentageDrillProblemsTest::recordTexts_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<qint64>("entry"); // in tenths
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("mark");

    // 4 % of 25 people, in a class of 250: 0.4 %, entered as 4 tenths.
    const QList<int> oneOf250{0, 3, 1, 4, 7};
    QTest::newRow("1 of 250, right") << 1 << oneOf250 << qint64(4) << "1 人は 250 人の ? %" << " 0.4" << " 0.4" << " ○";
    QTest::newRow("1 of 250, entered 1.0") << 1 << oneOf250 << qint64(10) << "1 人は 250 人の ? %" << " 0.4" << " 1.0"
                                           << " ×";
    // 26 of 25 people: 104 %, a whole percentage; the entry's tenths are dropped.
    const QList<int> twentySixOf25{6, 0, 3, 1, 4, 0};
    QTest::newRow("104 %, right") << 1 << twentySixOf25 << qint64(1040) << "26 人は 25 人の ? %" << " 104" << " 104"
                                  << " ○";
    QTest::newRow("104 %, entered 104.5") << 1 << twentySixOf25 << qint64(1045) << "26 人は 25 人の ? %" << " 104"
                                          << " 104" << " ×";
    // 50 % of 60 g: whole grams.
    const QList<int> halfOf60{0, 0, 59, 49};
    QTest::newRow("30 g entered as 30.5") << 2 << halfOf60 << qint64(305) << "60 g の 50 % は ? g" << " 30" << " 30"
                                          << " ×";
    QTest::newRow("30 g, nothing picked") << 2 << halfOf60 << qint64(0) << "60 g の 50 % は ? g" << " 30" << " 0"
                                          << " ×";
    // 20 % of 4.5 g: tenths of a gram.
    const QList<int> fifthOf45{8, 0, 44, 19};
    QTest::newRow("0.9 g, right") << 2 << fifthOf45 << qint64(9) << "4.5 g の 20 % は ? g" << " 0.9" << " 0.9" << " ○";
    QTest::newRow("0.9 g, entered 1") << 2 << fifthOf45 << qint64(10) << "4.5 g の 20 % は ? g" << " 0.9" << " 1"
                                      << " ×";
    // 0.6 g is 20 % of 3 g: grams in tenths whose answer is whole.
    const QList<int> sixTenthsIsFifth{8, 0, 1, 5};
    QTest::newRow("3 g, right") << 3 << sixTenthsIsFifth << qint64(30) << "0.6 g は、 ? g の 20 %" << " 3" << " 3"
                                << " ○";
    QTest::newRow("3 g, entered 0.3") << 3 << sixTenthsIsFifth << qint64(3) << "0.6 g は、 ? g の 20 %" << " 3"
                                      << " 0.3" << " ×";
    // 45 g is 50 % of 90 g: whole grams.
    QTest::newRow("90 g, right") << 3 << QList<int>{0, 3, 9, 35} << qint64(900) << "45 g は、 ? g の 50 %" << " 90"
                                 << " 90" << " ○";
}

void PercentageDrillProblemsTest::recordTexts()
{
    QFETCH(int, menuItem);
    QFETCH(QList<int>, draws);
    QFETCH(qint64, entry);
    QFETCH(QString, problem);
    QFETCH(QString, answer);
    QFETCH(QString, entered);
    QFETCH(QString, mark);

    ScriptedRandom random(draws);
    const PercentDrillProblem drill = MakePercentDrillProblem(random, menuItem);
    QVERIFY(!random.outOfRange);
    QCOMPARE(random.ranges.size(), draws.size());
    QCOMPARE(random.reseeds, 0);
    QCOMPARE(drill.subTopic, menuItem);

    const PercentDrillAnswer row = JudgePercentDrillAnswer(drill.problem, entry);
    QCOMPARE(row.right, mark == QStringLiteral(" ○"));
    QCOMPARE(row.problemText, problem);
    QCOMPARE(row.answerText, answer);
    QCOMPARE(row.enteredText, entered);
    QCOMPARE(row.markText, mark);
}

void PercentageDrillProblemsTest::menuChoosesTheGenerator_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<int>("kind");
    QTest::newRow("百分率を求める") << 1 << int(PercentKind::Percentage);
    QTest::newRow("くらべられる量を求める") << 2 << int(PercentKind::ComparedAmount);
    QTest::newRow("もとになる量を求める") << 3 << int(PercentKind::BaseAmount);
}

void PercentageDrillProblemsTest::menuChoosesTheGenerator()
{
    QFETCH(int, menuItem);
    QFETCH(int, kind);
    RandomSource random(77);
    for (int i = 0; i < 2000; ++i) {
        const PercentDrillProblem drill = MakePercentDrillProblem(random, menuItem);
        QCOMPARE(drill.subTopic, menuItem);
        QCOMPARE(int(drill.problem.kind), kind);
        QVERIFY(drill.problem.expected > 0 && drill.problem.expected < 10000); // hundreds to tenths
        // The drill's own record answer always reads back as its E in tenths.
        QVERIFY(JudgePercentDrillAnswer(drill.problem, drill.problem.expected).right);
    }
}

void PercentageDrillProblemsTest::mixDrawsEveryKind()
{
    // The mix draws the kind first: rnd(8) 0..2 percentage, 3..5 compared, 6..7 base.
    ScriptedRandom scripted({6, 8, 0, 1, 5});
    const PercentDrillProblem first = MakePercentDrillProblem(scripted, kPercentDrillMix);
    QCOMPARE(first.subTopic, 3);
    QCOMPARE(first.problem.text, QStringLiteral("0.6 g は、 ? g の 20 %"));
    QCOMPARE(first.problem.expected, qint64(30));
    QCOMPARE(scripted.ranges.first(), 8);

    RandomSource random(2024);
    int counts[4] = {};
    constexpr int kDraws = 24000;
    for (int i = 0; i < kDraws; ++i) {
        const PercentDrillProblem drill = MakePercentDrillProblem(random, kPercentDrillMix);
        QVERIFY(drill.subTopic >= 1 && drill.subTopic <= 3);
        QCOMPARE(int(drill.problem.kind), drill.subTopic + int(PercentKind::Percentage) - 1);
        ++counts[drill.subTopic];
    }
    QVERIFY(std::abs(counts[1] / double(kDraws) - 3.0 / 8) < 0.02);
    QVERIFY(std::abs(counts[2] / double(kDraws) - 3.0 / 8) < 0.02);
    QVERIFY(std::abs(counts[3] / double(kDraws) - 2.0 / 8) < 0.02);
    QCOMPARE(PercentDrillNumberText(12), QStringLiteral("問題番号: 12"));
}

QTEST_APPLESS_MAIN(PercentageDrillProblemsTest)
#include "test_percentage_drill_problems.moc"
