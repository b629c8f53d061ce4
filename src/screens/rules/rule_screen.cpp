// TForm8: the rules-of-calculation screen.
#include "rule_screen.h"

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

// The ones list is the last of the three: picking it completes a number.
constexpr int kOnesPlace = 2;

const QString kSumLesson = QStringLiteral(
    "たし算だけの式では、次のように順じょをかえても\n答えは同じだよ。\n\n"
    "　□ + ○ = ○ + □\n\n"
    "　　　3 + 4 = 4 + 3\n\n"
    "　□ + ○ + △ = (□ + ○) + △\n"
    "                    = □ + (○ + △)\n"
    "　                 = (□ + △) + ○\n\n"
    "　次のような式に このきまりを使うと かんたんだよ。\n\n"
    "　　　36 + 42 + 58 = 36 + (42 + 58)\n"
    "           　　　 　　   = 36 + 100");

const QString kProductLesson = QStringLiteral(
    "かけ算だけの式では、次のように順じょをかえても\n答えは同じだよ。\n\n"
    "　□ x ○ = ○ x □\n\n"
    "　　　3 x 4 = 4 x 3\n\n"
    "　□ x ○ x △ = (□ x ○) x △\n"
    "                    = □ x (○ x △)\n"
    "　                 = (□ x △) x ○\n\n"
    "　次のような式に このきまりを使うと かんたんだよ。\n\n"
    "　　　36 x 4 x 25 = 36 x (4 x 25)\n"
    "          　　　 　　  = 36 x 100");

const QString kDistributiveLesson = QStringLiteral(
    "かけ算の式では、次のようなきまりがあるよ。\n\n"
    "　(□ + ○) x △ = □ x △ + ○ x △\n\n"
    "　(□ - ○) x △ = □ x △ - ○ x △\n\n"
    "　　　次のような式に このきまりを使うと かんたんだよ。\n\n"
    "　　　　　12 x 6 + 28 x 6 = (12 + 28) x 6\n\n"
    "                　　　　　　      = 40 x 6\n\n"
    "　　　　　101 x 27 = (100 + 1) x 27\n\n"
    "       　　　   　      = 2700 + 27\n\n"
    "　　　　　99 x 27 = (100 - 1) x 27\n\n"
    "       　　　   　      = 2700 - 27");
} // namespace

TForm8::TForm8(QWidget* parent)
    : TopicScreen({.className = QStringLiteral("TForm8"),
                   .caption = QStringLiteral("計算のきまり － きまりとくふう"),
                   .promptName = QStringLiteral("Label3"),
                   .imageName = QStringLiteral("Image1"),
                   .blinkInterval = 1000,
                   .clockPanelLeft = 680},
                  parent)
{
    MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("計算のきまり"), Palette::Navy, 27, true, 40, 28);
    MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("きまり と くふう"), Palette::Subtitle, 24, true,
              226, 32);

    menu_ = makeMenu({QStringLiteral("たし算のきまり"), QStringLiteral("かけ算のきまり（１）"),
                          QStringLiteral("かけ算のきまり（２）")},
                     QStringLiteral("          メニュー"));
    connect(menu_, &PickList::picked, this, &TForm8::ComboBox1Change);

    // The lessons run to nineteen lines, so they use a smaller face than the
    // problems to fit between the title and the prompt.
    lesson_ = MakeLabel(this, QStringLiteral("Label4"), QString(), Palette::Navy, 21, false, 136, 184);
    problemText_ = MakeLabel(this, QStringLiteral("Label5"), QString(), Palette::Navy, 27, false, 136, 216);
    verdict_ = MakeLabel(this, QStringLiteral("Label6"), QString(), Palette::Red, 40, false, 760, 552);

    lists_ = new DigitLists(this,
                            {{QStringLiteral("ComboBox4"), 835, QStringLiteral("百")},
                             {QStringLiteral("ComboBox3"), 867, QStringLiteral("十")},
                             {QStringLiteral("ComboBox2"), 896, QStringLiteral("一")}},
                            {}, 328, {.width = 28});
    connect(lists_, &DigitLists::digitPicked, this, &TForm8::DigitPicked);

    mode_ = makeModeButton();
    next_ = makeNextButton();
    connect(mode_, &QPushButton::clicked, this, &TForm8::CuteButton3Click);
    connect(next_, &QPushButton::clicked, this, &TForm8::CuteButton4Click);

    ClearRuleScreen();
    next_->setVisible(false);
    mode_->setEnabled(false);
}

void TForm8::FormCreate()
{
    ClearRuleScreen();
    mode_->setMode(ModeButton::Study);
    // Test mode waits until a sub-topic has been chosen on this screen, so
    // "次へ" always has a kind of problem to make.
    mode_->setEnabled(subTopic_ != 0);
    next_->setVisible(false);
    setPrompt(kMenuPrompt);
    SoundCue(CueShown);
}

void TForm8::ShowLabel(QLabel* label, const QString& text)
{
    SetLabelText(label, text);
    label->show();
}

void TForm8::ClearRuleScreen()
{
    lesson_->clear();
    lesson_->hide();
    problemText_->clear();
    problemText_->hide();
    verdict_->clear();
    lists_->setVisible(false);
    lists_->clearPicks();
    lists_->clearDigits();
    completed_ = 0;
    entered_ = 0;
}

void TForm8::ShowRuleDigitLists()
{
    lists_->setVisible(true);
    lists_->clearPicks();
    lists_->clearDigits();
}

void TForm8::ComboBox1Change(int index)
{
    ClearRuleScreen();
    subTopic_ = index + 1;
    mode_->setMode(ModeButton::Study);
    mode_->setEnabled(true);
    next_->setVisible(false);
    const QString lessons[] = {kSumLesson, kProductLesson, kDistributiveLesson};
    ShowLabel(lesson_, lessons[index]);
    // A test-mode prompt ("２つめの数を選んでね！") no longer applies once
    // the lesson is up.
    setPrompt(kMenuPrompt);
    SoundCue(CueShown);
}

void TForm8::CuteButton3Click()
{
    ClearRuleScreen();
    const bool test = mode_->toggle() == ModeButton::Test;
    next_->setVisible(test);
    setPrompt(test ? kNextPrompt : kMenuPrompt);
    SoundCue(CueShown);
}

void TForm8::CuteButton4Click()
{
    if (subTopic_ == 0)
        return;
    ClearRuleScreen();
    ShowRuleDigitLists();
    RandomSource& random = RandomSource::program();
    switch (subTopic_) {
    case 1:
        // Only the sum problems start from a fresh seed.
        random.reseedFromClock();
        problem_ = MakeSumPairProblem(random);
        break;
    case 2:
        problem_ = MakeProductPairProblem(random);
        break;
    default:
        problem_ = MakeDistributiveProblem(random);
        break;
    }
    ShowLabel(problemText_, problem_.text);
    // The problem's own cue, cut off at once by the cue of "次へ".
    SoundCue(CuePick);
    setPrompt(subTopic_ == 3 ? QStringLiteral("□の数を選んでね！") : QStringLiteral("左の方から１つめの数を選んでね！"));
    SoundCue(CueShown);
}

void TForm8::DigitPicked(int place)
{
    if (place == kOnesPlace)
        ComboBox2Change();
    else
        SoundCue(CuePick);
}

void TForm8::ComboBox2Change()
{
    ++completed_;
    const int needed = problem_.numbersToName();
    if (completed_ > needed) {
        // The answer is complete: a further pick only blinks the prompt.
        setPrompt(promptText());
        return;
    }
    entered_ = PackNextRuleNumber(entered_, int(lists_->scaledAnswer()));
    if (completed_ == needed) {
        ShowRuleVerdict();
        return;
    }
    ShowRuleDigitLists();
    if (problem_.subTopic != 3)
        setPrompt(QStringLiteral("２つめの数を選んでね！"));
    else
        setPrompt(completed_ == 1 ? QStringLiteral("○の数を選んでね！") : QStringLiteral("△の数を選んでね！"));
    SoundCue(CuePick);
}

void TForm8::ShowRuleVerdict()
{
    const RuleVerdict verdict = JudgeRuleAnswer(problem_, entered_);
    ShowLabel(verdict_, VerdictMark(verdict.right));
    SoundCue(VerdictCue(verdict.right));
    ShowLabel(problemText_, verdict.workedLine);
    // The digit lists keep the last picks; the prompt points on to the next
    // problem.
    setPrompt(kNextPrompt);
}
