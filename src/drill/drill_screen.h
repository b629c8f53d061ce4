// DrillScreen: the timed drill that the four drill screens share (the
// multiplication, division, fraction and percentage drills).
//
// The child picks a sub-topic (ComboBox1) and a time limit (ComboBox2),
// presses "スタート" (CuteButton3), answers one problem after another, each
// judged silently and recorded as one row of the drill's record table, goes on
// with "次へ" (CuteButton4), and ends with "ストップ" (CuteButton5) or when the
// time is up. The results lines (Label5 to Label8) then show the problems put
// up, the right answers, the score and the time taken, and "けっか"
// (CuteButton6) shows or hides the results grid (DBGrid1) over the record table.
//
// States and the controls they enable (the menu, "おわる" and "もくじへ" are
// always enabled):
//   ChooseMenu  -                      (the screen is shown)
//   ChooseTime  time list              (a menu pick)
//   Ready       スタート               (a time pick)
//   Answering   answer lists           (スタート, 次へ)
//   Answered    answer lists, 次へ, ストップ   ("◆" recorded the answer)
//   Stopped     answer lists, スタート, けっか  (ストップ)
// The end of the time shows the results without changing the state, so a
// problem left open can still be answered (and is recorded and counted).
//
// What a drill screen supplies:
// - a DrillFrame: its table, menu items, time-list texts, label names and
//   places, grid columns, prompts, time-up message and the cue when shown;
// - its answer lists, through setAnswerLists() (the base shows, enables,
//   disables and clears them, and plays the pick cue for every digit);
// - MakeDrillProblem(starting): draws the next problem and shows it (the base
//   writes the problem number line). "starting" is true at "スタート", so a
//   drill can reseed the random source there only, at every problem, or never;
// - ClearDrillProblem() (optional): empties the drill's own problem widgets
//   (a fraction board, an instruction line) and resets its entry stage;
// - ShowDrillLists() (optional): the base shows, enables and clears the
//   answer lists and writes the decimal point label; a drill adds to it;
// - its "◆" handler, which judges the entry and hands the judgement to
//   RecordDrillAnswer(). A drill whose answer has two parts (the division
//   drill's quotient, then remainder) simply returns from its handler after
//   the first part; RecordDrillAnswer() records only once per problem.
#pragma once

#include "drill_record.h"
#include "drill_grid.h"
#include "pick_list.h"
#include "sound_cue.h"
#include "topic_screen.h"

#include <QDateTime>

class CuteButton;
class DigitLists;
class QLabel;
class QTimer;

class DrillScreen : public TopicScreen
{
    Q_OBJECT
public:
    enum class State { ChooseMenu, ChooseTime, Ready, Answering, Answered, Stopped };

    struct DrillFrame {
        DrillTable table = DrillTable::Dorills;

        // Sub-topic menu (ComboBox1).
        QStringList menuItems;
        QString menuHeading = QStringLiteral("  メニュー");
        QPoint menuAt{700, 24};
        PickList::Look menuLook = MenuLook();

        // Time list (ComboBox2): four items for no limit, 5, 10 and 15 minutes.
        QStringList timeItems = {QStringLiteral("　　なし"), QStringLiteral("　５ふん"), QStringLiteral("１０ぷん"),
                                 QStringLiteral("１５ふん")};
        QPoint timeAt{812, 124};
        PickList::Look timeLook{.width = 108, .rowHeight = 24, .pixelSize = 18, .editHeight = 28};

        // Problem number line, and the problem line (no name: the drill shows
        // its problem in widgets of its own).
        QString numberName = QStringLiteral("Label3");
        QPoint numberAt{176, 144};
        int numberPixelSize = 27;
        QString numberPrefix = QStringLiteral("問題番号： ");
        QString problemName = QStringLiteral("Label4");
        QPoint problemAt{176, 200};
        int problemPixelSize = 40;

        // Results lines Label5 to Label8: the first one's place, then one
        // under the other.
        QPoint resultsAt{192, 352};
        int resultsStep = 32;

        // Results grid: its place before it is shown (it moves to top 112) and columns.
        QRect gridRect;
        QList<DrillColumn> gridColumns;

        QString startPrompt = QStringLiteral("答えを 大きい位から順に選んでね！");
        QString nextPrompt = QStringLiteral("答えを 大きい位から順に選び、◆をクリックしてね！");
        QString timeUpMessage = QStringLiteral("時間だから ドリルを終わるよ！");
        int shownCue = CueShown;
    };

    DrillScreen(const TopicScreen::Frame& frame, const DrillFrame& drill, QWidget* parent = nullptr);

    // Resets the screen to the choice of a sub-topic (each time it is shown).
    void FormCreate() final;

    // The handlers, public so that tools and tests can drive them.
    void ComboBox1Change(int index);
    void ComboBox2Change(int index);
    void CuteButton3Click();
    void CuteButton4Click();
    void CuteButton5Click();
    void CuteButton6Click();
    // One countdown tick: the whole seconds since "スタート" (by the program's
    // clock) are the tick count; at the limit the drill's time is up.
    void Timer3Timer();

    State state() const { return state_; }
    int subTopic() const { return subTopic_; }
    int timeLimit() const { return timeLimit_; }
    int tickCount() const { return ticks_; }
    int problemNumber() const { return problemNumber_; }
    int rightCount() const { return rightCount_; }
    DrillTable table() const { return drill_.table; }
    QTimer* countdown() const { return timer3_; }
    DrillGrid* grid() const { return grid_; }

    // The time-limit seconds of each item of the time list.
    static constexpr int kTimeLimits[4] = {0, 300, 600, 900};

protected:
    // Hooks of the drill screens (see the top of this file).
    virtual void MakeDrillProblem(bool starting) = 0;
    virtual void ClearDrillProblem() {}
    virtual void ShowDrillLists();

    // The drill's answer lists and the label that shows the decimal point
    // between them (nullptr when the answer has no point).
    void setAnswerLists(DigitLists* lists, QLabel* point = nullptr);
    DigitLists* answerLists() const { return lists_; }

    // The problem line (nullptr when the drill has none).
    QLabel* problemLabel() const { return problem_; }
    void showProblemText(const QString& text);

    // True while the current problem waits for its answer.
    bool answerOpen() const { return state_ == State::Answering; }

    // Counts and records the judged answer of the current problem, once: a
    // problem already recorded records nothing more.
    void RecordDrillAnswer(const DrillJudgement& judgement);

    void screenClosing() override;

private:
    void ClearDrillScreen();
    void setState(State state);
    void PutUpProblem(bool starting);
    void ShowDrillResults();
    void ShowTableNotice();
    void showGrid(bool shown);
    void DigitPicked();
    int SecondsSinceStart() const;

    DrillFrame drill_;
    State state_ = State::ChooseMenu;
    int subTopic_ = 0;
    int timeLimit_ = 0;
    int ticks_ = 0;
    int startTime_ = 0;      // time of day at "スタート", whole seconds
    QDateTime startMoment_;  // the same moment, for the countdown
    int problemNumber_ = 0;
    int rightCount_ = 0;

    PickList* menu_ = nullptr;       // ComboBox1
    PickList* time_ = nullptr;       // ComboBox2
    CuteButton* start_ = nullptr;    // CuteButton3
    CuteButton* next_ = nullptr;     // CuteButton4
    CuteButton* stop_ = nullptr;     // CuteButton5
    CuteButton* results_ = nullptr;  // CuteButton6
    QLabel* number_ = nullptr;       // problem number line
    QLabel* problem_ = nullptr;      // problem line
    QLabel* resultLines_[4] = {};    // Label5 .. Label8
    DrillGrid* grid_ = nullptr;      // DBGrid1
    QTimer* timer3_ = nullptr;       // Timer3
    DigitLists* lists_ = nullptr;
    QLabel* point_ = nullptr;
};
