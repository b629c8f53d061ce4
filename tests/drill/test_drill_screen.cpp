// Tests of the timed drill shared by the drill screens, driven through the
// multiplication drill TForm5 and through a small drill of the division
// drill's shape (table dorill, answer and remainder entered in two steps, its
// own texts), with the program's clock set by the test.
#include "decimals/multiplication_drill_screen.h"
#include "digit_lists.h"
#include "drill_fixture.h"
#include "drill_screen.h"
#include "fake_sound_sink.h"
#include "modal_driver.h"
#include "pick_list.h"
#include "program_clock.h"
#include "scripted_random.h"
#include "screen_style.h"
#include "widget_driver.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTest>
#include <QTimer>

namespace {
// Every problem of TForm5 is 7.3 x 12 with these draws.
const QList<int> kSevenPointThreeTimesTwelve = {6, 7, 2, 0, 1};
constexpr qint64 kRight = 876000; // 87.6 in ten-thousandths
constexpr qint64 kWrong = 870000;

const QStringList kWatched = {"ComboBox1", "ComboBox2", "CuteButton3", "CuteButton4", "CuteButton5",
                              "CuteButton6", "ComboBox10", "ComboBox11", "CuteButton2", "CuteButton1"};

// The watched controls that are enabled, in the order above.
QString EnabledControls(const QWidget& screen)
{
    QStringList on;
    for (const QString& name : kWatched) {
        auto* widget = Find<QWidget>(&screen, name);
        if (widget && widget->isEnabled())
            on << name;
    }
    return on.join(QLatin1Char(' '));
}

// Picks a scaled answer (ten-thousandths) into TForm5's eight lists and "◆".
void Answer(QWidget& screen, qint64 scaled)
{
    const QStringList lists = {"ComboBox10", "ComboBox9", "ComboBox8", "ComboBox7",
                               "ComboBox6",  "ComboBox5", "ComboBox4", "ComboBox3"};
    for (int i = lists.size() - 1; i >= 0; --i) {
        Pick(&screen, lists.at(i), int(scaled % 10));
        scaled /= 10;
    }
    Pick(&screen, "ComboBox11", 0);
}

void ShowScreen(QWidget& screen)
{
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
}

// Menu item 0, then the time item, then "スタート".
void StartDrill(QWidget& screen, int timeItem)
{
    Pick(&screen, "ComboBox1", 0);
    Pick(&screen, "ComboBox2", timeItem);
    Click(&screen, "CuteButton3");
}

void SetClock(int h, int m, int s)
{
    Clock::setNowForTesting(QDateTime(QDate(2024, 5, 1), QTime(h, m, s)));
}

// Ticks the countdown once a second (by the program's clock) n times.
void Tick(DrillScreen& screen, int n)
{
    for (int i = 0; i < n; ++i) {
        Clock::advanceForTesting(1);
        screen.Timer3Timer();
    }
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
        if (header->isSectionHidden(logical))
            continue;
        columns << QStringLiteral("%1 %2")
                       .arg(grid.model()->headerData(logical, Qt::Horizontal).toString())
                       .arg(header->sectionSize(logical));
    }
    return columns;
}

// A drill of the division drill's shape: "7 ÷ 2 = ?", the quotient and then
// the remainder entered with the same two lists, recorded in its table with
// the remainder columns.
class RemainderDrill : public DrillScreen
{
public:
    explicit RemainderDrill(DrillTable table)
        : DrillScreen({.className = QStringLiteral("TFormRemainder"),
                       .caption = QStringLiteral("わり算のドリル"),
                       .promptName = QStringLiteral("Label2"),
                       .blinkInterval = 1000},
                      {.table = table,
                       .menuItems = {QStringLiteral("整数 ÷ 整数")},
                       .timeItems = {QStringLiteral("　なし"), QStringLiteral("　５分"), QStringLiteral("１０分"),
                                     QStringLiteral("１５分")},
                       .numberPrefix = QStringLiteral("問題番号："),
                       .gridRect = QRect(158, 529, 619, 401),
                       .gridColumns = {{"NB", "番号", 40}, {"MND", "問題", 140}, {"KAI", "答え（正）", 90},
                                       {"AMS", "あまり（正）", 90}, {"KOT", "答え（入）", 90},
                                       {"AMI", "あまり（入）", 90}, {"HNT", "○×", 40}},
                       .startPrompt = QStringLiteral("商を選んで、「◆」をおしてね！"),
                       .nextPrompt = QStringLiteral("商を選んで、「◆」をおしてね！"),
                       .timeUpMessage = QStringLiteral("時間だから、ドリルを終わるよ！"),
                       .shownCue = CuePick})
    {
        lists_ = new DigitLists(this, {{"ComboBox10", 744, "十"}, {"ComboBox9", 776, "一"}}, {"ComboBox11", 896, "　"},
                                280, {.width = 28});
        setAnswerLists(lists_);
        connect(lists_, &DigitLists::submitted, this, &RemainderDrill::Submitted);
        FormCreate();
    }

    // Hands the last judgement in once more, as a second "◆" would.
    void judgeAgain() { RecordDrillAnswer(last_); }

protected:
    void MakeDrillProblem(bool) override { showProblemText(QStringLiteral("7 ÷ 2 = ?")); }
    void ClearDrillProblem() override { quotient_ = -1; }

private:
    void Submitted()
    {
        if (!answerOpen())
            return;
        if (quotient_ < 0) {
            quotient_ = lists_->scaledAnswer();
            ShowDrillLists();
            setPrompt(QStringLiteral("あまりを選んで、「◆」をおしてね！"));
            return;
        }
        const qint64 remainder = lists_->scaledAnswer();
        last_.right = quotient_ == 3 && remainder == 1;
        last_.record = {0, "　7 ÷ 2", "3", QString::number(quotient_), {}, "1", QString::number(remainder)};
        RecordDrillAnswer(last_);
    }

    DigitLists* lists_ = nullptr;
    qint64 quotient_ = -1;
    DrillJudgement last_;
};
} // namespace

class DrillScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { SetClock(10, 0, 0); }
    void cleanup() { Clock::setNowForTesting(QDateTime()); }

    void statesEnableTheirControls();
    void timeListSetsTheLimit_data();
    void timeListSetsTheLimit();
    void fiveMinutesEndAtTheThreeHundredthTick();
    void stopAfterThreeProblemsTwoRight();
    void timeIsMeasuredAcrossMidnight();
    void timeUpWithTheProblemOpen();
    void startAgainClearsTheTableAndRestarts();
    void startingADrillRemovesOtherDrillsRows();
    void leavingTheRunEndsItsCountdown_data();
    void leavingTheRunEndsItsCountdown();
    void resultsGridShowsTheRunReadOnly();
    void remainderDrillUsesItsOwnTableAndTexts();
    void problemIsRecordedOnce();
    void brokenFileIsToldOnceAtStart();
    void failedWriteIsToldOnceAndDrillGoesOn();
};

void DrillScreenTest::statesEnableTheirControls()
{
    FakeSoundSink sound;
    DrillFixture fx;
    ScriptedRandom random(kSevenPointThreeTimesTwelve);
    TForm5 screen;
    screen.FormCreate();
    ShowScreen(screen);

    auto expect = [&](DrillScreen::State state, const char* enabled, const QString& prompt, int cue) {
        QCOMPARE(screen.state(), state);
        QCOMPARE(EnabledControls(screen), QString::fromLatin1(enabled));
        QCOMPARE(screen.promptText(), prompt);
        QCOMPARE(sound.last(), cue);
    };
    expect(DrillScreen::State::ChooseMenu, "ComboBox1 CuteButton2 CuteButton1", "「メニュー」を選んでね！", 12);
    QVERIFY(!Find<PickList>(&screen, "ComboBox10")->isVisible());

    Pick(&screen, "ComboBox1", 0);
    expect(DrillScreen::State::ChooseTime, "ComboBox1 ComboBox2 CuteButton2 CuteButton1", "「時間」を選んでね！", 17);
    QCOMPARE(Find<PickList>(&screen, "ComboBox2")->text(), QStringLiteral("    時間"));
    QCOMPARE(Find<PickList>(&screen, "ComboBox2")->items(),
             (QStringList{"　　なし", "　５ふん", "１０ぷん", "１５ふん"}));

    Pick(&screen, "ComboBox2", 0);
    expect(DrillScreen::State::Ready, "ComboBox1 CuteButton3 CuteButton2 CuteButton1",
           "「スタート」ボタンをおしてね！", 17);

    sound.clear();
    Click(&screen, "CuteButton3");
    expect(DrillScreen::State::Answering, "ComboBox1 ComboBox10 ComboBox11 CuteButton2 CuteButton1",
           "答えを 大きい位から順に選んでね！", 11);
    QCOMPARE(sound.played.mid(sound.played.size() - 2), (QList<int>{12, 11})); // 12 is cut off by 11
    QCOMPARE(LabelText(&screen, "Label3"), QStringLiteral("問題番号： 1"));

    Pick(&screen, "ComboBox8", 8);
    QCOMPARE(sound.last(), 17);
    Answer(screen, kRight);
    expect(DrillScreen::State::Answered,
           "ComboBox1 CuteButton4 CuteButton5 ComboBox10 ComboBox11 CuteButton2 CuteButton1",
           "「次へ」ボタンで進めてね！", 12);
    QVERIFY(LabelText(&screen, "Label5").isEmpty()); // no verdict while the drill runs

    Click(&screen, "CuteButton4");
    expect(DrillScreen::State::Answering, "ComboBox1 ComboBox10 ComboBox11 CuteButton2 CuteButton1",
           "答えを 大きい位から順に選び、◆をクリックしてね！", 11);
    QCOMPARE(LabelText(&screen, "Label3"), QStringLiteral("問題番号： 2"));
    QCOMPARE(Find<PickList>(&screen, "ComboBox11")->itemIndex(), -1);

    Answer(screen, kWrong);
    Click(&screen, "CuteButton5");
    expect(DrillScreen::State::Stopped, "ComboBox1 CuteButton3 CuteButton6 ComboBox10 ComboBox11 CuteButton2 CuteButton1",
           "おつかれさま！", 19);

    Pick(&screen, "ComboBox1", 1); // the menu leaves the run at any time
    expect(DrillScreen::State::ChooseTime, "ComboBox1 ComboBox2 CuteButton2 CuteButton1", "「時間」を選んでね！", 17);
    QCOMPARE(screen.subTopic(), 2);
    QCOMPARE(Find<PickList>(&screen, "ComboBox2")->itemIndex(), -1);
}

void DrillScreenTest::timeListSetsTheLimit_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("limit");
    QTest::newRow("なし") << 0 << 0;
    QTest::newRow("５ふん") << 1 << 300;
    QTest::newRow("１０ぷん") << 2 << 600;
    QTest::newRow("１５ふん") << 3 << 900;
}

void DrillScreenTest::timeListSetsTheLimit()
{
    QFETCH(int, item);
    QFETCH(int, limit);
    FakeSoundSink sound;
    DrillFixture fx;
    ScriptedRandom random(kSevenPointThreeTimesTwelve);
    TForm5 screen;
    ShowScreen(screen);
    StartDrill(screen, item);
    QCOMPARE(screen.timeLimit(), limit);
    QCOMPARE(screen.countdown()->isActive(), limit > 0);
    QCOMPARE(screen.countdown()->interval(), 1000);
    if (limit == 0) {
        Tick(screen, 3600); // no limit: the drill runs until "ストップ"
        QCOMPARE(screen.state(), DrillScreen::State::Answering);
        QVERIFY(LabelText(&screen, "Label5").isEmpty());
    }
}

void DrillScreenTest::fiveMinutesEndAtTheThreeHundredthTick()
{
    FakeSoundSink sound;
    DrillFixture fx;
    ScriptedRandom random(kSevenPointThreeTimesTwelve);
    TForm5 screen;
    ShowScreen(screen);
    StartDrill(screen, 1);

    Tick(screen, 299);
    QCOMPARE(screen.tickCount(), 299);
    QVERIFY(screen.countdown()->isActive());
    QVERIFY(LabelText(&screen, "Label5").isEmpty());

    QString message;
    AnswerNextBox(QStringLiteral("OkButton"), &message);
    Tick(screen, 1);
    QCOMPARE(message, QStringLiteral("時間だから ドリルを終わるよ！"));
    QVERIFY(!screen.countdown()->isActive());
    QCOMPARE(Results(screen), (QStringList{"問　題： 1", "○の数： 0", "点　数： 0 点", "時　間： 5 分 0 秒"}));
    QVERIFY(LabelText(&screen, "Label3").isEmpty());
    QVERIFY(LabelText(&screen, "Label4").isEmpty());
}

void DrillScreenTest::stopAfterThreeProblemsTwoRight()
{
    FakeSoundSink sound;
    DrillFixture fx;
    ScriptedRandom random(kSevenPointThreeTimesTwelve);
    TForm5 screen;
    ShowScreen(screen);
    StartDrill(screen, 0);
    Answer(screen, kRight);
    Click(&screen, "CuteButton4");
    Answer(screen, kWrong);
    Click(&screen, "CuteButton4");
    Answer(screen, kRight);
    Clock::advanceForTesting(125);
    Click(&screen, "CuteButton5");

    QCOMPARE(Results(screen), (QStringList{"問　題： 3", "○の数： 2", "点　数： 66 点", "時　間： 2 分 5 秒"}));
    const QList<DrillRecord> rows = fx.rows(DrillTable::Dorills);
    QCOMPARE(rows.size(), 3);
    QStringList marks;
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows.at(i).NB, i + 1);
        marks << rows.at(i).HNT;
    }
    QCOMPARE(marks, (QStringList{" ○", " ×", " ○"}));
}

void DrillScreenTest::timeIsMeasuredAcrossMidnight()
{
    FakeSoundSink sound;
    DrillFixture fx;
    ScriptedRandom random(kSevenPointThreeTimesTwelve);
    TForm5 screen;
    ShowScreen(screen);
    SetClock(23, 59, 30);
    StartDrill(screen, 0);
    Answer(screen, kRight);
    Clock::setNowForTesting(QDateTime(QDate(2024, 5, 2), QTime(0, 0, 20)));
    Click(&screen, "CuteButton5");
    QCOMPARE(LabelText(&screen, "Label8"), QStringLiteral("時　間： 0 分 50 秒"));
}

void DrillScreenTest::timeUpWithTheProblemOpen()
{
    FakeSoundSink sound;
    DrillFixture fx;
    ScriptedRandom random(kSevenPointThreeTimesTwelve);
    TForm5 screen;
    ShowScreen(screen);
    StartDrill(screen, 1);
    Answer(screen, kRight);
    Click(&screen, "CuteButton4"); // problem 2 is up and open when the time ends

    AnswerNextBox(QStringLiteral("OkButton"));
    Tick(screen, 300);
    QCOMPARE(LabelText(&screen, "Label5"), QStringLiteral("問　題： 2"));
    QCOMPARE(LabelText(&screen, "Label6"), QStringLiteral("○の数： 1"));
    QCOMPARE(fx.rows(DrillTable::Dorills).size(), 1);
    QCOMPARE(screen.state(), DrillScreen::State::Answering);
    QCOMPARE(EnabledControls(screen), QStringLiteral("ComboBox1 ComboBox10 ComboBox11 CuteButton2 CuteButton1"));

    Answer(screen, kRight); // still answered, recorded and counted
    QCOMPARE(fx.rows(DrillTable::Dorills).size(), 2);
    QCOMPARE(fx.rows(DrillTable::Dorills).last().NB, 2);
    QVERIFY(Find<QWidget>(&screen, "CuteButton4")->isEnabled());
    QVERIFY(Find<QWidget>(&screen, "CuteButton5")->isEnabled());
    QVERIFY(!screen.countdown()->isActive());

    Clock::advanceForTesting(10);
    Click(&screen, "CuteButton5"); // the results again, timed to this moment
    QCOMPARE(Results(screen), (QStringList{"問　題： 2", "○の数： 2", "点　数： 100 点", "時　間： 5 分 10 秒"}));
}

void DrillScreenTest::startAgainClearsTheTableAndRestarts()
{
    FakeSoundSink sound;
    DrillFixture fx;
    ScriptedRandom random(kSevenPointThreeTimesTwelve);
    TForm5 screen;
    ShowScreen(screen);
    StartDrill(screen, 2);
    Answer(screen, kRight);
    Click(&screen, "CuteButton4");
    Answer(screen, kWrong);
    Click(&screen, "CuteButton5");
    QCOMPARE(fx.rows(DrillTable::Dorills).size(), 2);

    Click(&screen, "CuteButton3");
    QCOMPARE(fx.rows(DrillTable::Dorills).size(), 0);
    QCOMPARE(screen.problemNumber(), 1);
    QCOMPARE(screen.rightCount(), 0);
    QCOMPARE(LabelText(&screen, "Label3"), QStringLiteral("問題番号： 1"));
    QCOMPARE(screen.subTopic(), 1);
    QCOMPARE(screen.timeLimit(), 600);
    QVERIFY(screen.countdown()->isActive());
    Answer(screen, kRight);
    QCOMPARE(fx.rows(DrillTable::Dorills).size(), 1);
    QCOMPARE(fx.rows(DrillTable::Dorills).first().NB, 1);
}

void DrillScreenTest::startingADrillRemovesOtherDrillsRows()
{
    FakeSoundSink sound;
    DrillFixture fx;
    ScriptedRandom random(kSevenPointThreeTimesTwelve);
    RemainderDrill division(DrillTable::Dorill);
    ShowScreen(division);
    StartDrill(division, 0);
    Pick(&division, "ComboBox9", 3);
    Pick(&division, "ComboBox11", 0);
    Pick(&division, "ComboBox9", 1);
    Pick(&division, "ComboBox11", 0);
    division.hide();

    TForm5 multiplication;
    ShowScreen(multiplication);
    StartDrill(multiplication, 0);
    Answer(multiplication, kRight);
    Click(&multiplication, "CuteButton4");
    Answer(multiplication, kRight);
    multiplication.hide();
    QCOMPARE(fx.rows(DrillTable::Dorills).size(), 2);

    RemainderDrill fractions(DrillTable::Dorills); // another drill on dorills
    ShowScreen(fractions);
    StartDrill(fractions, 0);
    QCOMPARE(fx.rows(DrillTable::Dorills).size(), 0);
    QCOMPARE(fx.rows(DrillTable::Dorill).size(), 1); // the division drill's table is its own
}

void DrillScreenTest::leavingTheRunEndsItsCountdown_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("もくじへ") << "CuteButton2";
    QTest::newRow("menu") << "ComboBox1";
}

void DrillScreenTest::leavingTheRunEndsItsCountdown()
{
    QFETCH(QString, how);
    FakeSoundSink sound;
    DrillFixture fx;
    ScriptedRandom random(kSevenPointThreeTimesTwelve);
    TForm5 screen;
    ShowScreen(screen);
    StartDrill(screen, 1);
    Tick(screen, 100);
    if (how == QLatin1String("ComboBox1"))
        Pick(&screen, how, 1);
    else
        Click(&screen, how);
    QVERIFY(!screen.countdown()->isActive());
    Tick(screen, 300); // a late tick does nothing: no time-up box
    QVERIFY(LabelText(&screen, "Label5").isEmpty());
    QCOMPARE(screen.isVisible(), how == QLatin1String("ComboBox1"));
}

void DrillScreenTest::resultsGridShowsTheRunReadOnly()
{
    FakeSoundSink sound;
    DrillFixture fx;
    ScriptedRandom random(kSevenPointThreeTimesTwelve);
    TForm5 screen;
    ShowScreen(screen);
    StartDrill(screen, 0);
    Answer(screen, kRight);
    Click(&screen, "CuteButton4");
    Answer(screen, kWrong);
    Click(&screen, "CuteButton4");
    Answer(screen, kRight);
    Click(&screen, "CuteButton5");
    auto* grid = Find<DrillGrid>(&screen, "DBGrid1");
    QVERIFY(grid && grid->isHidden());

    sound.clear();
    Click(&screen, "CuteButton6");
    QVERIFY(grid->isVisible());
    QCOMPARE(grid->geometry(), QRect(230, 112, 437, 401));
    // The results lines step aside while the grid stands over them.
    QVERIFY(Find<QLabel>(&screen, "Label5")->isHidden());
    QCOMPARE(screen.promptText(), QStringLiteral("もう一度「けっか」ボタンをおすと消えるよ！"));
    QVERIFY(sound.played.isEmpty());
    QCOMPARE(GridColumns(*grid),
             (QStringList{"番号 40", "問題 140", "答え（正） 90", "答え（入力） 90", "○× 40"}));
    QCOMPARE(grid->palette().color(QPalette::Base), Palette::Cream);
    QAbstractItemModel* model = grid->model();
    QCOMPARE(model->rowCount(), 3);
    for (int row = 0; row < 3; ++row)
        QCOMPARE(model->index(row, 0).data().toInt(), row + 1);
    QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral(" 7.3 x 12"));
    QCOMPARE(model->index(1, 4).data().toString(), QStringLiteral(" ×"));

    // The child cannot change a recorded answer.
    const QModelIndex mark = model->index(1, 4);
    QVERIFY(!(model->flags(mark) & Qt::ItemIsEditable));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(mark).center());
    QTest::keyClick(grid, Qt::Key_F2);
    QCOMPARE(grid->viewport()->findChild<QLineEdit*>(), nullptr);
    QCOMPARE(fx.rows(DrillTable::Dorills).at(1).HNT, QStringLiteral(" ×"));

    Click(&screen, "CuteButton6");
    QVERIFY(grid->isHidden());
    QVERIFY(!Find<QLabel>(&screen, "Label5")->isHidden());
    QCOMPARE(LabelText(&screen, "Label5"), QStringLiteral("問　題： 3"));
    QCOMPARE(screen.promptText(), QStringLiteral("おつかれさま！"));

    Click(&screen, "CuteButton6");
    screen.hide();
    screen.FormCreate(); // shown again: the grid starts hidden, the first press shows it
    QVERIFY(grid->isHidden());
}

void DrillScreenTest::remainderDrillUsesItsOwnTableAndTexts()
{
    FakeSoundSink sound;
    DrillFixture fx;
    RemainderDrill screen(DrillTable::Dorill);
    screen.FormCreate();
    QCOMPARE(sound.last(), 17);
    ShowScreen(screen);
    Pick(&screen, "ComboBox1", 0);
    QCOMPARE(Find<PickList>(&screen, "ComboBox2")->items(), (QStringList{"　なし", "　５分", "１０分", "１５分"}));
    Pick(&screen, "ComboBox2", 1);
    Click(&screen, "CuteButton3");
    QCOMPARE(screen.promptText(), QStringLiteral("商を選んで、「◆」をおしてね！"));
    QCOMPARE(LabelText(&screen, "Label3"), QStringLiteral("問題番号：1"));

    Pick(&screen, "ComboBox9", 3);
    Pick(&screen, "ComboBox11", 0); // the quotient: nothing recorded yet
    QCOMPARE(screen.state(), DrillScreen::State::Answering);
    QCOMPARE(fx.rows(DrillTable::Dorill).size(), 0);
    Pick(&screen, "ComboBox9", 2);
    Pick(&screen, "ComboBox11", 0); // the remainder: judged and recorded
    QCOMPARE(fx.rows(DrillTable::Dorill),
             (QList<DrillRecord>{{1, "　7 ÷ 2", "3", "3", " ×", "1", "2"}}));
    QCOMPARE(screen.rightCount(), 0);

    Click(&screen, "CuteButton5");
    Click(&screen, "CuteButton6");
    QCOMPARE(GridColumns(*screen.grid()),
             (QStringList{"番号 40", "問題 140", "答え（正） 90", "あまり（正） 90", "答え（入） 90", "あまり（入） 90",
                          "○× 40"}));
    QCOMPARE(screen.grid()->y(), 112);

    Click(&screen, "CuteButton3");
    QString message;
    AnswerNextBox(QStringLiteral("OkButton"), &message);
    Tick(screen, 300);
    QCOMPARE(message, QStringLiteral("時間だから、ドリルを終わるよ！"));
}

void DrillScreenTest::problemIsRecordedOnce()
{
    FakeSoundSink sound;
    DrillFixture fx;
    RemainderDrill screen(DrillTable::Dorill);
    ShowScreen(screen);
    StartDrill(screen, 0);
    Pick(&screen, "ComboBox9", 3);
    Pick(&screen, "ComboBox11", 0);
    Pick(&screen, "ComboBox9", 1);
    Pick(&screen, "ComboBox11", 0);
    QCOMPARE(screen.rightCount(), 1);
    sound.clear();

    screen.judgeAgain();
    QCOMPARE(fx.rows(DrillTable::Dorill).size(), 1);
    QCOMPARE(screen.rightCount(), 1);
    QVERIFY(sound.played.isEmpty());

    Click(&screen, "CuteButton5");
    screen.judgeAgain(); // after "ストップ" too
    QCOMPARE(fx.rows(DrillTable::Dorill).size(), 1);
    QCOMPARE(LabelText(&screen, "Label6"), QStringLiteral("○の数： 1"));
}

void DrillScreenTest::brokenFileIsToldOnceAtStart()
{
    FakeSoundSink sound;
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QVERIFY(QDir().mkdir(QStringLiteral("kyozai")));
    {
        QFile broken(QStringLiteral("kyozai/kyozai.db"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(QByteArray(4096, 'x'));
    }
    {
        TDataModule1 data;
        ScriptedRandom random(kSevenPointThreeTimesTwelve);
        TForm5 screen;
        ShowScreen(screen);
        QString notice;
        AnswerNextBox(QStringLiteral("OkButton"), &notice);
        StartDrill(screen, 0);
        QVERIFY2(notice.contains(QStringLiteral("作りなおしたよ")), qPrintable(notice));
        QCOMPARE(screen.state(), DrillScreen::State::Answering);
        Answer(screen, kRight);
        Click(&screen, "CuteButton5");
        Click(&screen, "CuteButton3"); // no second box
        Answer(screen, kRight);
        QCOMPARE(ReadRecords(data.databaseFile(), DrillTable::Dorills).size(), 1);
    }
    QDir::setCurrent(previous);
}

void DrillScreenTest::failedWriteIsToldOnceAndDrillGoesOn()
{
    FakeSoundSink sound;
    DrillFixture fx;
    ScriptedRandom random(kSevenPointThreeTimesTwelve);
    TForm5 screen;
    ShowScreen(screen);
    StartDrill(screen, 0);
    Answer(screen, kRight);
    QCOMPARE(fx.rows(DrillTable::Dorills).size(), 1);

    // From now on every write to the file fails, as on a full disk.
    QVERIFY(QSqlQuery(QSqlDatabase::database(fx.data().connectionName()))
                .exec(QStringLiteral("PRAGMA query_only = ON")));
    Click(&screen, "CuteButton4");
    QString notice;
    AnswerNextBox(QStringLiteral("OkButton"), &notice);
    Answer(screen, kWrong);
    QVERIFY2(notice.contains(QStringLiteral("書きこめない")), qPrintable(notice));
    QCOMPARE(screen.state(), DrillScreen::State::Answered);

    Click(&screen, "CuteButton4");
    Answer(screen, kRight); // told once: no second box
    Click(&screen, "CuteButton5");
    QCOMPARE(Results(screen).mid(0, 3), (QStringList{"問　題： 3", "○の数： 2", "点　数： 66 点"}));
    Click(&screen, "CuteButton6");
    QCOMPARE(screen.grid()->model()->rowCount(), 3); // the whole run, kept in memory
    QCOMPARE(fx.rows(DrillTable::Dorills).size(), 1);
}

QTEST_MAIN(DrillScreenTest)
#include "test_drill_screen.moc"
