// TForm9: the approximate-number screen.
#include "approx_screen.h"

#include "cute_button.h"
#include "digit_entry.h"
#include "digit_lists.h"
#include "mode_button.h"
#include "pick_list.h"
#include "screen_style.h"
#include "sound_cue.h"

#include <QLabel>

namespace {
const QString kMenuPrompt = QStringLiteral("「メニュー」を選んでね！");
const QString kNextPrompt = QStringLiteral("「次へ」ボタンで進めてね！");
const QString kRoundPrompt = QStringLiteral(" の がい数を 大きい位から順に選んでね！");

// The ones list is the last of the five: picking it completes a number.
constexpr int kOnesPlace = 4;

// Where the problem and the working line stand while a problem is up, and
// where they go back to when the screen is cleared.
constexpr int kLabelLeft = 120;
constexpr int kProblemTop = 208;
constexpr int kProblemRestTop = 120;
constexpr int kWorkingTop = 272;
constexpr int kWorkingRestTop = 80;

const QString kSumLesson = QStringLiteral(
    "6457 + 3132 の和を 百の位までの がい数で\n求めるには、\n\n"
    "それぞれの数を 百の位までの がい数にしてから\nたし算をすればいいよ。\n\n"
    "6457 + 3132 ≒ 6500 + 3100\n"
    "            　　  　= 9600");

const QString kDifferenceLesson = QStringLiteral(
    "6457 - 3132 の差を 百の位までの がい数で\n求めるには、\n\n"
    "それぞれの数を 百の位までの がい数にしてから\nひき算をすればいいよ。\n\n"
    "6457 - 3132 ≒ 6500 - 3100\n"
    "            　　  　= 3400");
} // namespace

TForm9::TForm9(QWidget* parent)
    : TopicScreen({.className = QStringLiteral("TForm9"),
                   .caption = QStringLiteral("がい数の計算 － たし算とひき算"),
                   .promptName = QStringLiteral("Label3"),
                   .imageName = QStringLiteral("Image1"),
                   .blinkInterval = 500,
                   .clockPanelLeft = 680},
                  parent)
{
    MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("がい数の計算"), Palette::Navy, 27, true, 40, 28);
    MakeLabel(this, QStringLiteral("Label2"), QString(), Palette::Subtitle, 24, true, 226, 32);

    menu_ = makeMenu({QStringLiteral("たし算"), QStringLiteral("ひき算")},
                     QStringLiteral("メニュー"));
    connect(menu_, &PickList::picked, this, &TForm9::ComboBox1Change);

    lesson_ = MakeLabel(this, QStringLiteral("Label4"), QString(), Palette::Navy, 27, false, kLabelLeft, 160);
    problemText_ =
        MakeLabel(this, QStringLiteral("Label5"), QString(), Palette::Navy, 27, false, kLabelLeft, kProblemRestTop);
    working_ =
        MakeLabel(this, QStringLiteral("Label6"), QString(), Palette::Teal, 27, false, kLabelLeft, kWorkingRestTop);
    verdict_ = MakeLabel(this, QStringLiteral("Label7"), QString(), Palette::Red, 53, false, 744, 536);

    lists_ = new DigitLists(this,
                            {{QStringLiteral("ComboBox6"), 808, QStringLiteral("万")},
                             {QStringLiteral("ComboBox5"), 832, QStringLiteral("千")},
                             {QStringLiteral("ComboBox4"), 856, QStringLiteral("百")},
                             {QStringLiteral("ComboBox3"), 880, QStringLiteral("十")},
                             {QStringLiteral("ComboBox2"), 904, QStringLiteral("一")}},
                            {}, 328, {.width = 24});
    connect(lists_, &DigitLists::digitPicked, this, &TForm9::DigitPicked);

    mode_ = makeModeButton();
    next_ = makeNextButton();
    connect(mode_, &QPushButton::clicked, this, &TForm9::CuteButton3Click);
    connect(next_, &QPushButton::clicked, this, &TForm9::CuteButton4Click);

    ClearApproxScreen();
    mode_->setEnabled(false);
}

void TForm9::FormCreate()
{
    ClearApproxScreen();
    // Each showing starts in study mode; test mode waits until a sub-topic
    // has been chosen on this screen.
    mode_->setMode(ModeButton::Study);
    mode_->setEnabled(subTopic_ != 0);
    setPrompt(kMenuPrompt);
    SoundCue(CueShown);
}

void TForm9::ClearApproxScreen()
{
    lists_->clearDigits();
    problemText_->move(kLabelLeft, kProblemRestTop);
    working_->move(kLabelLeft, kWorkingRestTop);
    lesson_->clear();
    problemText_->clear();
    working_->clear();
    verdict_->clear();
    lists_->setVisible(false);
    next_->setEnabled(false);
    problemOpen_ = false;
}

void TForm9::ShowApproxDigitLists()
{
    lists_->clearDigits();
    lists_->setVisible(true);
    lists_->clearPicks();
}

void TForm9::ComboBox1Change(int index)
{
    ClearApproxScreen();
    subTopic_ = index + 1;
    mode_->setMode(ModeButton::Study);
    mode_->setEnabled(true);
    SetLabelText(lesson_, subTopic_ == 1 ? kSumLesson : kDifferenceLesson);
    SoundCue(CueShown);
    setPrompt(kMenuPrompt);
}

void TForm9::CuteButton3Click()
{
    ClearApproxScreen();
    if (mode_->toggle() == ModeButton::Test) {
        next_->setEnabled(true);
        ShowApproxDigitLists();
        setPrompt(kNextPrompt);
    } else {
        setPrompt(kMenuPrompt);
    }
    SoundCue(CueShown);
}

void TForm9::CuteButton4Click()
{
    if (subTopic_ == 0)
        return;
    ClearApproxScreen();
    working_->move(kLabelLeft, kWorkingTop);
    completed_ = 0;
    RandomSource& random = RandomSource::program();
    random.reseedFromClock();
    problem_ = subTopic_ == 1 ? MakeApproxSumProblem(random) : MakeApproxDifferenceProblem(random);
    SetLabelText(lesson_, problem_.instruction);
    problemText_->move(kLabelLeft, kProblemTop);
    SetLabelText(problemText_, problem_.text());
    ShowApproxDigitLists();
    problemOpen_ = true;
    setPrompt(QString::number(problem_.x) + kRoundPrompt);
    SoundCue(CueNewProblem);
}

void TForm9::DigitPicked(int place)
{
    if (!problemOpen_) {
        // The lists are up in test mode before the first "次へ": there is no
        // problem to answer yet, so the pick is taken back and the prompt
        // points to "次へ" again.
        lists_->clearPicks();
        lists_->clearDigits();
        setPrompt(promptText());
        return;
    }
    if (place == kOnesPlace)
        ComboBox2Change();
    else
        SoundCue(CuePick);
}

void TForm9::ComboBox2Change()
{
    ++completed_;
    const int number = int(lists_->scaledAnswer());
    switch (completed_) {
    case 1:
        first_ = number;
        SetLabelText(working_, ApproxWorkingLine(problem_, first_));
        ShowApproxDigitLists();
        SoundCue(CuePick);
        setPrompt(QString::number(problem_.y) + kRoundPrompt);
        SoundCue(CueShown);
        break;
    case 2:
        second_ = number;
        SetLabelText(working_, ApproxWorkingLine(problem_, first_, second_));
        ShowApproxDigitLists();
        SoundCue(CuePick);
        setPrompt(problem_.difference ? QStringLiteral("２つのがい数の差を 大きい位から順に選んでね！")
                                      : QStringLiteral("２つのがい数の和を 大きい位から順に選んでね！"));
        SoundCue(CueShown);
        break;
    case 3:
        SetLabelText(problemText_, problem_.solvedText());
        SetLabelText(working_, ApproxWorkingLine(problem_, first_, second_, number));
        ShowApproxVerdict(number);
        next_->setEnabled(true);
        setPrompt(kNextPrompt);
        break;
    default:
        // The problem has been judged: a further pick only blinks the prompt.
        setPrompt(promptText());
        SoundCue(CueShown);
        break;
    }
}

void TForm9::ShowApproxVerdict(int result)
{
    const bool right = JudgeApproxAnswer(problem_, result);
    SetLabelText(verdict_, VerdictMark(right));
    SoundCue(VerdictCue(right));
}
