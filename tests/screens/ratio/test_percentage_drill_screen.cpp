// Tests of TForm16 driven through its widgets: a whole run recorded in
// dorills and read back by another connection, the entry of every kind of
// answer as the child picks it, the mix, and the end of the time.
#include "ratio/percentage_drill_screen.h"
#include "drill_fixture.h"
#include "fake_sound_sink.h"
#include "modal_driver.h"
#include "pick_list.h"
#include "program.h"
#include "contents_screen.h"
#include "cute_button.h"
#include "program_clock.h"
#include "scripted_random.h"
#include "widget_driver.h"

#include <QHeaderView>
#include <QTest>
#include <QTimer>

namespace {
// The lists hundreds, tens, ones and tenths.
const QStringList kPlaceLists = {"ComboBox6", "ComboBox5", "ComboBox4", "ComboBox3"};
constexpr int _ = -1; // a list left unpicked

// Draws of the generators, with the problems they make.
const QList<int> kOneOf250 = {0, 3, 1, 4, 7};          // 1 人は、250 人の ? %  (0.4)
const QList<int> kTwentySixOf25 = {6, 0, 3, 1, 4, 0};  // 26 人は、25 人の ? %  (104)
const QList<int> kHalfOf60 = {0, 0, 59, 49};            // 60 g の 50 % は ? g  (30)
const QList<int> kFifthOf45Tenths = {8, 0, 44, 19};     // 4.5 g の 20 % は ? g (0.9)
const QList<int> kSixTenthsIsFifth = {8, 0, 1, 5};      // 0.6 g は、 ? g の 20 % (3)
const QList<int> kFortyFiveIsHalf = {0, 3, 9, 35};      // 45 g は、 ? g の 50 %  (90)

void Show(TForm16& screen)
{
    screen.FormCreate();
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
}

void StartDrill(TForm16& screen, int menuItem, int timeItem = 0)
{
    Pick(&screen, "ComboBox1", menuItem);
    Pick(&screen, "ComboBox2", timeItem);
    Click(&screen, "CuteButton3");
}

// Picks the digits given for hundreds, tens, ones and tenths (-1 leaves a
// list unpicked), then "◆".
void Answer(TForm16& screen, const QList<int>& picks)
{
    for (int i = 0; i < kPlaceLists.size(); ++i) {
        if (picks.at(i) >= 0)
            Pick(&screen, kPlaceLists.at(i), picks.at(i));
    }
    Pick(&screen, "ComboBox7", 0);
}

QStringList Results(const QWidget& screen)
{
    return {LabelText(&screen, "Label5"), LabelText(&screen, "Label6"), LabelText(&screen, "Label7"),
            LabelText(&screen, "Label8")};
}

// The grid's visible columns in their order: "title width".
QStringList GridColumns(const DrillGrid& grid)
{
    QStringList columns;
    const QHeaderView* header = grid.horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!header->isSectionHidden(logical))
            columns << QStringLiteral("%1 %2")
                           .arg(grid.model()->headerData(logical, Qt::Horizontal).toString())
                           .arg(header->sectionSize(logical));
    }
    return columns;
}
} // namespace

class PercentageDrillScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { Clock::setNowForTesting(QDateTime(QDate(2024, 5, 1), QTime(10, 0, 0))); }
    void cleanup() { Clock::setNowForTesting(QDateTime()); }

    void registeredOnTheContentsScreen();
    void wholeRunIsRecordedAndReadBack();
    void entriesAreRecordedAsPicked_data();
    void entriesAreRecordedAsPicked();
    void mixDrawsTheKindOfEveryProblem();
    void timeUpEndsTheRunWithItsOwnMessage();
};

void PercentageDrillScreenTest::registeredOnTheContentsScreen()
{
    Program program;
    QVERIFY(program.screen("TForm16"));
    QVERIFY(program.contents()->topicButton(17)->isEnabled());
}

void PercentageDrillScreenTest::wholeRunIsRecordedAndReadBack()
{
    FakeSoundSink sound;
    DrillFixture fx;
    // 60 g の 50 %, then 4.5 g の 20 %, then 60 g の 50 % again.
    ScriptedRandom random(kHalfOf60 + kFifthOf45Tenths);
    TForm16 screen;
    QCOMPARE(screen.objectName(), QStringLiteral("TForm16"));
    QCOMPARE(screen.size(), QSize(955, 708));
    QCOMPARE(LabelText(&screen, "Label1"), QStringLiteral("割合のドリル"));
    auto* menu = Find<PickList>(&screen, "ComboBox1");
    QCOMPARE(menu->text(), QStringLiteral("            メニュー"));
    QCOMPARE(menu->items(),
             (QStringList{"百分率を求める", "くらべられる量を求める", "もとになる量を求める", "ミックス"}));
    auto* time = Find<PickList>(&screen, "ComboBox2");
    QCOMPARE(time->pos(), QPoint(840, 152));
    QVERIFY(!menu->geometry().intersects(time->geometry()));
    QVERIFY(screen.rect().contains(menu->geometry()) && screen.rect().contains(time->geometry()));

    Show(screen);
    QCOMPARE(screen.promptText(), QStringLiteral("「メニュー」を選んでね！"));
    QCOMPARE(sound.last(), 12);
    StartDrill(screen, 1);

    QCOMPARE(LabelText(&screen, "Label3"), QStringLiteral("問題番号: 1"));
    QCOMPARE(LabelText(&screen, "Label4"), QStringLiteral("60 g の 50 % は ? g"));
    QCOMPARE(Find<QLabel>(&screen, "Label3")->pos(), QPoint(128, 160));
    QCOMPARE(Find<QLabel>(&screen, "Label4")->pos(), QPoint(128, 216));
    QCOMPARE(LabelText(&screen, "Label9"), QStringLiteral("小\n数\n点"));
    QCOMPARE(Find<QLabel>(&screen, "Label9")->pos(), QPoint(858, 280));
    QStringList headings;
    QList<int> lefts;
    for (const QString& name : kPlaceLists) {
        headings << Find<PickList>(&screen, name)->text();
        lefts << Find<PickList>(&screen, name)->x();
    }
    QCOMPARE(headings, (QStringList{"百", "十", "一", "一"}));
    QCOMPARE(lefts, (QList<int>{784, 808, 832, 880}));
    QCOMPARE(Find<PickList>(&screen, "ComboBox7")->pos(), QPoint(905, 280));
    QCOMPARE(Find<PickList>(&screen, "ComboBox7")->text(), QString());
    QCOMPARE(screen.promptText(), QStringLiteral("答えを 大きい位から順に選んでね！"));
    QCOMPARE(sound.last(), 11);

    Answer(screen, {_, 3, 0, _}); // 30: right
    QCOMPARE(sound.last(), 12);
    QCOMPARE(screen.promptText(), QStringLiteral("「次へ」ボタンで進めてね！"));
    QCOMPARE(LabelText(&screen, "Label4"), QStringLiteral("60 g の 50 % は ? g")); // no answer shown

    Click(&screen, "CuteButton4");
    QCOMPARE(LabelText(&screen, "Label3"), QStringLiteral("問題番号: 2"));
    QCOMPARE(LabelText(&screen, "Label4"), QStringLiteral("4.5 g の 20 % は ? g"));
    QCOMPARE(screen.promptText(), QStringLiteral("答えを 大きい位から順に選び、◆をクリックしてね！"));
    Answer(screen, {_, _, _, 9}); // 0.9: right

    Click(&screen, "CuteButton4");
    QCOMPARE(LabelText(&screen, "Label4"), QStringLiteral("60 g の 50 % は ? g"));
    Answer(screen, {_, 3, 0, 5}); // 30.5 for 30 g: wrong, recorded as 30
    QCOMPARE(random.reseeds, 0);

    Clock::advanceForTesting(125);
    Click(&screen, "CuteButton5");
    QCOMPARE(Results(screen), (QStringList{"問　題： 3", "○の数： 2", "点　数： 66 点", "時　間： 2 分 5 秒"}));
    QCOMPARE(screen.promptText(), QStringLiteral("おつかれさま！"));

    const QList<DrillRecord> expected = {
        {1, "60 g の 50 % は ? g", " 30", " 30", " ○", {}, {}},
        {2, "4.5 g の 20 % は ? g", " 0.9", " 0.9", " ○", {}, {}},
        {3, "60 g の 50 % は ? g", " 30", " 30", " ×", {}, {}},
    };
    QCOMPARE(fx.rows(DrillTable::Dorills), expected);

    Click(&screen, "CuteButton6");
    DrillGrid* grid = screen.grid();
    QVERIFY(grid->isVisible());
    QCOMPARE(grid->geometry(), QRect(214, 112, 499, 401));
    QVERIFY(!grid->geometry().intersects(menu->geometry()));
    QCOMPARE(GridColumns(*grid),
             (QStringList{"番号 40", "問題 200", "答え（正） 90", "答え（入力） 90", "○× 40"}));
    QCOMPARE(grid->model()->rowCount(), 3);
    QCOMPARE(screen.promptText(), QStringLiteral("もう一度「けっか」ボタンをおすと消えるよ！"));
    Click(&screen, "CuteButton6");
    QVERIFY(grid->isHidden());
}

void PercentageDrillScreenTest::entriesAreRecordedAsPicked_data()
{
    QTest::addColumn<int>("menuItem");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QList<int>>("picks"); // hundreds, tens, ones, tenths
    QTest::addColumn<QString>("line");     // the problem line on screen
    QTest::addColumn<QString>("problem");  // MND
    QTest::addColumn<QString>("answer");   // KAI
    QTest::addColumn<QString>("entered");  // KOT
    QTest::addColumn<QString>("mark");     // HNT

    QTest::newRow("0.4 % in the tenths list")
        << 0 << kOneOf250 << QList<int>{_, _, _, 4} << "1 人は、250 人の ? %" << "1 人は 250 人の ? %" << " 0.4"
        << " 0.4" << " ○";
    QTest::newRow("104 % fills the hundreds list")
        << 0 << kTwentySixOf25 << QList<int>{1, 0, 4, _} << "26 人は、25 人の ? %" << "26 人は 25 人の ? %" << " 104"
        << " 104" << " ○";
    QTest::newRow("30 g entered as 30.5")
        << 1 << kHalfOf60 << QList<int>{_, 3, 0, 5} << "60 g の 50 % は ? g" << "60 g の 50 % は ? g" << " 30"
        << " 30" << " ×";
    QTest::newRow("3 g from 0.6 g, entered 3")
        << 2 << kSixTenthsIsFifth << QList<int>{_, _, 3, _} << "0.6 g は、 ? g の 20 %" << "0.6 g は、 ? g の 20 %"
        << " 3" << " 3" << " ○";
    QTest::newRow("3 g from 0.6 g, entered 0.3")
        << 2 << kSixTenthsIsFifth << QList<int>{_, _, _, 3} << "0.6 g は、 ? g の 20 %" << "0.6 g は、 ? g の 20 %"
        << " 3" << " 0.3" << " ×";
    // The longest problem line: 107.8 g is 110 % of 98 g.
    QTest::newRow("107.8 g, the longest line")
        << 2 << QList<int>{8, 6, 10, 978} << QList<int>{_, 9, 8, _} << "107.8 g は、 ? g の 110 %"
        << "107.8 g は、 ? g の 110 %" << " 98" << " 98" << " ○";
    QTest::newRow("◆ alone for 90 g")
        << 2 << kFortyFiveIsHalf << QList<int>{_, _, _, _} << "45 g は、 ? g の 50 %" << "45 g は、 ? g の 50 %"
        << " 90" << " 0" << " ×";
}

void PercentageDrillScreenTest::entriesAreRecordedAsPicked()
{
    QFETCH(int, menuItem);
    QFETCH(QList<int>, draws);
    QFETCH(QList<int>, picks);
    QFETCH(QString, line);
    QFETCH(QString, problem);
    QFETCH(QString, answer);
    QFETCH(QString, entered);
    QFETCH(QString, mark);

    FakeSoundSink sound;
    DrillFixture fx;
    ScriptedRandom random(draws);
    TForm16 screen;
    Show(screen);
    StartDrill(screen, menuItem);
    QVERIFY(!random.outOfRange);
    auto* problemLine = Find<QLabel>(&screen, "Label4");
    QCOMPARE(problemLine->text(), line);
    QVERIFY2(problemLine->geometry().right() < Find<PickList>(&screen, "ComboBox6")->x(), "the line runs into the lists");
    QVERIFY(problemLine->width() >= problemLine->sizeHint().width()); // nothing cut off
    Answer(screen, picks);
    QCOMPARE(fx.rows(DrillTable::Dorills), (QList<DrillRecord>{{1, problem, answer, entered, mark, {}, {}}}));
    QCOMPARE(screen.rightCount(), mark == QStringLiteral(" ○") ? 1 : 0);
    QCOMPARE(sound.last(), 12); // the same cue for right and wrong
}

void PercentageDrillScreenTest::mixDrawsTheKindOfEveryProblem()
{
    FakeSoundSink sound;
    DrillFixture fx;
    // Each problem first draws its kind: rnd(8) 0 a percentage, 3 a compared
    // amount, 6 a base amount.
    ScriptedRandom random(QList<int>{0} + kOneOf250 + QList<int>{3} + kHalfOf60 + QList<int>{6}
                          + kSixTenthsIsFifth);
    TForm16 screen;
    Show(screen);
    StartDrill(screen, 3);

    struct Step {
        int kind;
        QString line;
        QList<int> picks;
    };
    const Step steps[] = {
        {1, "1 人は、250 人の ? %", {_, _, _, 4}},
        {2, "60 g の 50 % は ? g", {_, 3, 0, _}},
        {3, "0.6 g は、 ? g の 20 %", {_, _, 3, _}},
    };
    for (int n = 1; n <= 3; ++n) {
        const Step& step = steps[n - 1];
        if (n > 1)
            Click(&screen, "CuteButton4");
        QCOMPARE(screen.problem().subTopic, step.kind);
        QCOMPARE(screen.subTopic(), 4); // the menu's choice stays the mix
        QCOMPARE(LabelText(&screen, "Label3"), QStringLiteral("問題番号: %1").arg(n));
        QCOMPARE(LabelText(&screen, "Label4"), step.line);
        Answer(screen, step.picks);
    }
    QVERIFY(!random.outOfRange);
    QCOMPARE(random.reseeds, 0);
    const QList<DrillRecord> rows = fx.rows(DrillTable::Dorills);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(0).MND, QStringLiteral("1 人は 250 人の ? %"));
    QCOMPARE(rows.at(2).NB, 3);
    QCOMPARE(screen.rightCount(), 3);
}

void PercentageDrillScreenTest::timeUpEndsTheRunWithItsOwnMessage()
{
    FakeSoundSink sound;
    DrillFixture fx;
    ScriptedRandom random(kHalfOf60);
    TForm16 screen;
    Show(screen);
    StartDrill(screen, 1, 1); // "５ふん"
    QVERIFY(screen.countdown()->isActive());

    Clock::advanceForTesting(299);
    screen.Timer3Timer();
    QVERIFY(screen.countdown()->isActive());

    QString message;
    AnswerNextBox(QStringLiteral("OkButton"), &message);
    Clock::advanceForTesting(1);
    screen.Timer3Timer();
    QCOMPARE(message, QStringLiteral("時間だから、ドリルを終わるよ！"));
    QVERIFY(!screen.countdown()->isActive());
    QCOMPARE(Results(screen), (QStringList{"問　題： 1", "○の数： 0", "点　数： 0 点", "時　間： 5 分 0 秒"}));
}

QTEST_MAIN(PercentageDrillScreenTest)
#include "test_percentage_drill_screen.moc"
