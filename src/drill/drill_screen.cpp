// DrillScreen: the timed drill mechanics of the four drill screens.
#include "drill_screen.h"

#include "cute_button.h"
#include "data_module.h"
#include "digit_lists.h"
#include "message_boxes.h"
#include "program_clock.h"
#include "screen_style.h"

#include <QLabel>
#include <QSqlQueryModel>
#include <QTimer>

namespace {
const QString kMenuPrompt = QStringLiteral("「メニュー」を選んでね！");
const QString kTimePrompt = QStringLiteral("「時間」を選んでね！");
const QString kReadyPrompt = QStringLiteral("「スタート」ボタンをおしてね！");
const QString kAnsweredPrompt = QStringLiteral("「次へ」ボタンで進めてね！");
const QString kStoppedPrompt = QStringLiteral("おつかれさま！");
const QString kGridPrompt = QStringLiteral("もう一度「けっか」ボタンをおすと消えるよ！");
const QString kTimeHeading = QStringLiteral("    時間");
const QString kDecimalPoint = QStringLiteral("小\n数\n点");
constexpr int kGridShownTop = 112;
constexpr int kSecondsPerDay = 86400;

} // namespace

DrillScreen::DrillScreen(const TopicScreen::Frame& frame, const DrillFrame& drill, QWidget* parent)
    : TopicScreen(frame, parent)
    , drill_(drill)
{
    menu_ = new PickList(this, QStringLiteral("ComboBox1"), drill_.menuItems, drill_.menuHeading, drill_.menuAt,
                         drill_.menuLook);
    time_ = new PickList(this, QStringLiteral("ComboBox2"), drill_.timeItems, kTimeHeading, drill_.timeAt,
                         drill_.timeLook);
    connect(menu_, &PickList::picked, this, &DrillScreen::ComboBox1Change);
    connect(time_, &PickList::picked, this, &DrillScreen::ComboBox2Change);

    number_ = MakeLabel(this, drill_.numberName, QString(), Palette::Navy, drill_.numberPixelSize, true,
                        drill_.numberAt.x(), drill_.numberAt.y());
    if (!drill_.problemName.isEmpty())
        problem_ = MakeLabel(this, drill_.problemName, QString(), Palette::Navy, drill_.problemPixelSize, false,
                             drill_.problemAt.x(), drill_.problemAt.y());
    for (int i = 0; i < 4; ++i)
        resultLines_[i] = MakeLabel(this, QStringLiteral("Label%1").arg(5 + i), QString(), Palette::Navy, 19, true,
                                    drill_.resultsAt.x(), drill_.resultsAt.y() + i * drill_.resultsStep);

    // Two rows of buttons at the bottom right: the drill's four above
    // "もくじへ" and "おわる".
    const int top = bottomRowTop() - 50;
    const int right = width() - 128;
    struct DrillButton {
        CuteButton** button;
        const char* name;
        QString caption;
        QColor face;
        void (DrillScreen::*handler)();
    };
    const DrillButton buttons[] = {
        {&start_, "CuteButton3", QStringLiteral("スタート"), Palette::SkyBlue, &DrillScreen::CuteButton3Click},
        {&next_, "CuteButton4", QStringLiteral("次へ"), Palette::PaleGreen, &DrillScreen::CuteButton4Click},
        {&stop_, "CuteButton5", QStringLiteral("ストップ"), Palette::PaleGreen, &DrillScreen::CuteButton5Click},
        {&results_, "CuteButton6", QStringLiteral("けっか"), Palette::PaleGreen, &DrillScreen::CuteButton6Click},
    };
    for (int i = 0; i < 4; ++i) {
        const DrillButton& b = buttons[i];
        *b.button = new CuteButton(this, QLatin1String(b.name), b.caption, QRect(right - (3 - i) * 122, top, 110, 34),
                                   b.face, Palette::Navy);
        connect(*b.button, &QPushButton::clicked, this, b.handler);
    }

    grid_ = new DrillGrid(this, QStringLiteral("DBGrid1"), drill_.gridRect, drill_.gridColumns);

    timer3_ = new QTimer(this);
    timer3_->setObjectName(QStringLiteral("Timer3"));
    timer3_->setInterval(1000);
    connect(timer3_, &QTimer::timeout, this, &DrillScreen::Timer3Timer);
}

void DrillScreen::setAnswerLists(DigitLists* lists, QLabel* point)
{
    lists_ = lists;
    point_ = point;
    connect(lists_, &DigitLists::digitPicked, this, &DrillScreen::DigitPicked);
    lists_->setVisible(false);
    lists_->setEnabled(false);
}

void DrillScreen::setState(State state)
{
    state_ = state;
    time_->setEnabled(state == State::ChooseTime);
    start_->setEnabled(state == State::Ready || state == State::Stopped);
    next_->setEnabled(state == State::Answered);
    stop_->setEnabled(state == State::Answered);
    results_->setEnabled(state == State::Stopped);
    if (lists_)
        lists_->setEnabled(state == State::Answering || state == State::Answered || state == State::Stopped);
}

void DrillScreen::ClearDrillScreen()
{
    number_->clear();
    if (problem_)
        problem_->clear();
    for (QLabel* line : resultLines_)
        line->clear();
    if (lists_) {
        lists_->clearDigits();
        lists_->setVisible(false);
    }
    if (point_)
        point_->clear();
    showGrid(false);
    ClearDrillProblem();
}

void DrillScreen::ShowDrillLists()
{
    if (!lists_)
        return;
    lists_->clearDigits();
    lists_->clearPicks();
    lists_->setVisible(true);
    if (point_)
        SetLabelText(point_, kDecimalPoint);
}

void DrillScreen::showProblemText(const QString& text)
{
    if (problem_)
        SetLabelText(problem_, text);
}

void DrillScreen::PutUpProblem(bool starting)
{
    MakeDrillProblem(starting);
    SetLabelText(number_, drill_.numberPrefix + QString::number(problemNumber_));
    ShowDrillLists();
}

void DrillScreen::FormCreate()
{
    // A countdown never outlives the run it belongs to.
    timer3_->stop();
    ClearDrillScreen();
    setState(State::ChooseMenu);
    setPrompt(kMenuPrompt);
    SoundCue(drill_.shownCue);
}

void DrillScreen::ComboBox1Change(int index)
{
    // Choosing another sub-topic leaves the run: its countdown ends with it,
    // so no time-up box comes up later for a drill the child has left.
    timer3_->stop();
    ClearDrillScreen();
    subTopic_ = index + 1;
    setState(State::ChooseTime);
    time_->clearPick();
    setPrompt(kTimePrompt);
    SoundCue(CuePick);
}

void DrillScreen::ComboBox2Change(int index)
{
    ClearDrillScreen();
    timeLimit_ = index >= 0 && index < 4 ? kTimeLimits[index] : 0;
    setState(State::Ready);
    setPrompt(kReadyPrompt);
    SoundCue(CuePick);
}

void DrillScreen::CuteButton3Click()
{
    ClearDrillScreen();
    // The table is cleared before the clock starts, so a message about the
    // records is read before the drill's time begins.
    if (TDataModule1* data = DataModule1()) {
        data->ClearTable(drill_.table);
        grid_->bindTo(data->dataSource(drill_.table));
    }
    ShowTableNotice();

    problemNumber_ = 1;
    startTime_ = Clock::secondsOfDay();
    startMoment_ = Clock::now();
    rightCount_ = 0;
    PutUpProblem(true);
    setState(State::Answering);
    SoundCue(CueShown);
    if (timeLimit_ > 0) {
        ticks_ = 0;
        timer3_->start();
    }
    setPrompt(drill_.startPrompt);
    SoundCue(CueNewProblem);
}

void DrillScreen::CuteButton4Click()
{
    ClearDrillScreen();
    ++problemNumber_;
    PutUpProblem(false);
    setState(State::Answering);
    SoundCue(CueNewProblem);
    setPrompt(drill_.nextPrompt);
}

void DrillScreen::RecordDrillAnswer(const DrillJudgement& judgement)
{
    if (state_ != State::Answering)
        return;
    if (judgement.right)
        ++rightCount_;
    DrillRecord record = judgement.record;
    record.NB = problemNumber_;
    record.HNT = DrillMark(judgement.right);
    if (TDataModule1* data = DataModule1())
        data->AppendRecord(drill_.table, record);
    setState(State::Answered);
    setPrompt(kAnsweredPrompt);
    SoundCue(CueShown);
    ShowTableNotice();
}

void DrillScreen::CuteButton5Click()
{
    ShowDrillResults();
    setState(State::Stopped);
    setPrompt(kStoppedPrompt);
    SoundCue(CueStopped);
}

void DrillScreen::CuteButton6Click()
{
    if (grid_->isHidden()) {
        grid_->move(grid_->x(), kGridShownTop);
        showGrid(true);
        timer3_->stop();
        setPrompt(kGridPrompt);
    } else {
        showGrid(false);
        setPrompt(kStoppedPrompt);
    }
}

void DrillScreen::showGrid(bool shown)
{
    // The grid stands over the results lines; they step aside while it is up,
    // so no half-covered line peeks out beside it.
    grid_->setVisible(shown);
    if (shown)
        grid_->raise();
    for (QLabel* line : resultLines_)
        line->setVisible(!shown);
}

void DrillScreen::Timer3Timer()
{
    if (!timer3_->isActive())
        return;
    // Counting the clock's seconds rather than the timer's ticks keeps the
    // limit exact even when a tick comes late.
    const qint64 elapsedMs = startMoment_.msecsTo(Clock::now());
    ticks_ = int((elapsedMs + 500) / 1000);
    if (ticks_ < timeLimit_)
        return;
    timer3_->stop();
    ShowMessage(this, drill_.timeUpMessage);
    ShowDrillResults();
}

int DrillScreen::SecondsSinceStart() const
{
    int elapsed = Clock::secondsOfDay() - startTime_;
    // A drill that runs past midnight: the time of day has started again.
    if (elapsed < 0)
        elapsed += kSecondsPerDay;
    return elapsed;
}

void DrillScreen::ShowDrillResults()
{
    number_->clear();
    if (problem_)
        problem_->clear();
    const int score = problemNumber_ > 0 ? rightCount_ * 100 / problemNumber_ : 0;
    const int elapsed = SecondsSinceStart();
    SetLabelText(resultLines_[0], QStringLiteral("問　題： %1").arg(problemNumber_));
    SetLabelText(resultLines_[1], QStringLiteral("○の数： %1").arg(rightCount_));
    SetLabelText(resultLines_[2], QStringLiteral("点　数： %1 点").arg(score));
    SetLabelText(resultLines_[3], QStringLiteral("時　間： %1 分 %2 秒").arg(elapsed / 60).arg(elapsed % 60));
    timer3_->stop();
}

void DrillScreen::ShowTableNotice()
{
    TDataModule1* data = DataModule1();
    if (!data)
        return;
    const QString notice = data->takeNotice();
    if (!notice.isEmpty())
        ShowWarning(this, notice);
}

void DrillScreen::DigitPicked()
{
    SoundCue(CuePick);
}

void DrillScreen::screenClosing()
{
    // "もくじへ" ends a running countdown: its time-up box must not come up
    // later in front of another screen.
    timer3_->stop();
}
