// Tests of TForm5 driven through its widgets: the worked example recorded,
// the child's answer recorded with its own places, and the layout of the
// problem line beside the answer lists.
#include "decimals/multiplication_drill_screen.h"
#include "drill_fixture.h"
#include "fake_sound_sink.h"
#include "pick_list.h"
#include "program_clock.h"
#include "scripted_random.h"
#include "widget_driver.h"

#include <QTest>

namespace {
const QStringList kPlaceLists = {"ComboBox10", "ComboBox9", "ComboBox8", "ComboBox7",
                                 "ComboBox6",  "ComboBox5", "ComboBox4", "ComboBox3"};

void StartDrill(TForm5& screen, int subTopicItem)
{
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    Pick(&screen, "ComboBox1", subTopicItem);
    Pick(&screen, "ComboBox2", 0);
    Click(&screen, "CuteButton3");
}
} // namespace

class MultiplicationDrillScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { Clock::setNowForTesting(QDateTime(QDate(2024, 5, 1), QTime(10, 0, 0))); }
    void cleanup() { Clock::setNowForTesting(QDateTime()); }

    void workedExampleIsRecorded();
    void answersAreRecordedWithTheirOwnPlaces_data();
    void answersAreRecordedWithTheirOwnPlaces();
    void largestProblemsStayClearOfTheLists_data();
    void largestProblemsStayClearOfTheLists();
};

void MultiplicationDrillScreenTest::workedExampleIsRecorded()
{
    FakeSoundSink sound;
    DrillFixture fx;
    ScriptedRandom random({6, 7, 2, 0, 1});
    TForm5 screen;
    QCOMPARE(screen.objectName(), QStringLiteral("TForm5"));
    QCOMPARE(screen.size(), QSize(955, 707));
    QCOMPARE(LabelText(&screen, "Label1"), QStringLiteral("かけ算のドリル"));
    QCOMPARE(Find<PickList>(&screen, "ComboBox1")->items(), (QStringList{"小数 x 整数", "小数 x 小数"}));
    StartDrill(screen, 0);

    QCOMPARE(random.reseeds, 1);
    QCOMPARE(LabelText(&screen, "Label3"), QStringLiteral("問題番号： 1"));
    QCOMPARE(LabelText(&screen, "Label4"), QStringLiteral("7.3 x 12 = ?"));
    QCOMPARE(LabelText(&screen, "Label9"), QStringLiteral("小\n数\n点"));
    QStringList headings;
    for (const QString& name : kPlaceLists)
        headings << Find<PickList>(&screen, name)->text();
    QCOMPARE(headings, (QStringList{"千", "百", "十", "一", "一", "二", "三", "四"}));
    QCOMPARE(Find<PickList>(&screen, "ComboBox11")->text(), QStringLiteral("　"));
    QCOMPARE(Find<PickList>(&screen, "ComboBox10")->pos(), QPoint(688, 280));
    QCOMPARE(Find<PickList>(&screen, "ComboBox3")->pos(), QPoint(880, 280));
    QCOMPARE(Find<PickList>(&screen, "ComboBox11")->pos(), QPoint(905, 280));
    QCOMPARE(Find<QLabel>(&screen, "Label9")->pos(), QPoint(786, 280));

    Pick(&screen, "ComboBox8", 8);
    Pick(&screen, "ComboBox7", 7);
    Pick(&screen, "ComboBox6", 6);
    Pick(&screen, "ComboBox11", 0);
    QCOMPARE(fx.rows(DrillTable::Dorills),
             (QList<DrillRecord>{{1, " 7.3 x 12", " 87.6", " 87.6", " ○", {}, {}}}));
    QCOMPARE(screen.rightCount(), 1);
    QCOMPARE(sound.last(), 12);

    Click(&screen, "CuteButton4"); // every problem is drawn after reseeding
    QCOMPARE(random.reseeds, 2);
    QCOMPARE(LabelText(&screen, "Label3"), QStringLiteral("問題番号： 2"));
}

void MultiplicationDrillScreenTest::answersAreRecordedWithTheirOwnPlaces_data()
{
    // The picks in the eight lists, thousands to the fourth decimal place; -1
    // leaves a list unpicked. The problem is 7.3 x 12 = 87.6.
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("mark");
    const int _ = -1;
    QTest::newRow("87.6") << QList<int>{_, _, 8, 7, 6, _, _, _} << " 87.6" << " ○";
    QTest::newRow("87.60") << QList<int>{_, _, 8, 7, 6, 0, _, _} << " 87.6" << " ○";
    QTest::newRow("0087.6000") << QList<int>{0, 0, 8, 7, 6, 0, 0, 0} << " 87.6" << " ○";
    QTest::newRow("8.76") << QList<int>{_, _, _, 8, 7, 6, _, _} << " 8.76" << " ×";
    QTest::newRow("876.0005") << QList<int>{_, 8, 7, 6, _, _, _, 5} << " 876.0005" << " ×";
    QTest::newRow("◆ alone") << QList<int>{_, _, _, _, _, _, _, _} << " 0.0" << " ×";
}

void MultiplicationDrillScreenTest::answersAreRecordedWithTheirOwnPlaces()
{
    QFETCH(QList<int>, picks);
    QFETCH(QString, entered);
    QFETCH(QString, mark);
    FakeSoundSink sound;
    DrillFixture fx;
    ScriptedRandom random({6, 7, 2, 0, 1});
    TForm5 screen;
    StartDrill(screen, 0);
    for (int i = 0; i < kPlaceLists.size(); ++i) {
        if (picks.at(i) >= 0)
            Pick(&screen, kPlaceLists.at(i), picks.at(i));
    }
    Pick(&screen, "ComboBox11", 0);
    const QList<DrillRecord> rows = fx.rows(DrillTable::Dorills);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().KOT, entered);
    QCOMPARE(rows.first().HNT, mark);
    QCOMPARE(rows.first().KAI, QStringLiteral(" 87.6"));
}

void MultiplicationDrillScreenTest::largestProblemsStayClearOfTheLists_data()
{
    QTest::addColumn<int>("subTopicItem");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("line");
    QTest::newRow("98.8 x 88") << 0 << QList<int>{8, 88, 7, 7, 7} << "98.8 x 88 = ?";
    QTest::newRow("98.8 x 0.088") << 1 << QList<int>{6, 98, 7, 8, 7} << "98.8 x 0.088 = ?";
}

void MultiplicationDrillScreenTest::largestProblemsStayClearOfTheLists()
{
    QFETCH(int, subTopicItem);
    QFETCH(QList<int>, draws);
    QFETCH(QString, line);
    FakeSoundSink sound;
    DrillFixture fx;
    ScriptedRandom random(draws);
    TForm5 screen;
    StartDrill(screen, subTopicItem);
    auto* problem = Find<QLabel>(&screen, "Label4");
    QCOMPARE(problem->text(), line);
    QCOMPARE(problem->pos(), QPoint(176, 200));
    QVERIFY2(problem->geometry().right() < Find<PickList>(&screen, "ComboBox10")->x(), "the line runs into the lists");
    QVERIFY(problem->width() >= problem->sizeHint().width()); // nothing cut off
}

QTEST_MAIN(MultiplicationDrillScreenTest)
#include "test_multiplication_drill_screen.moc"
