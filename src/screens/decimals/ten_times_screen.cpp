// TForm3: the ten-times / one-tenth screen.
#include "ten_times_screen.h"

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
const QString kAnswerPrompt = QStringLiteral("答えは 大きい位から順に選び、\nさいごに「◆」をクリックしてね！");
const QString kDecimalPoint = QStringLiteral("小\n数\n点");

const QString kTimesLesson = QStringLiteral(
    "数の 10倍は、数に 10 を かけることで、\n数の位が１つ上がるよ。\n小数の時は、小数点を１つ右にうつせば\nいいよ。\n\n"
    "   1.25 の 10倍は 12.5\n\n100倍の時は、小数点を２つ右にうつせば\nいいよ。\n\n   3.4 の 100倍は 340");
const QString kTenthLesson = QStringLiteral(
    "数の 1/10 は、数を 10 で わることで、\n数の位が１つ下がるよ。\n小数の時は、小数点を１つ左にうつせば\nいいよ。\n"
    "1/10 は、10分の1の分数だとおもってね。\n\n   3.2 の 1/10は 0.32\n\n1/100の時は、小数点を２つ左にうつせば\nいいよ。\n\n"
    "   23.1 の 1/100は 0.231");
} // namespace

TForm3::TForm3(QWidget* parent)
    : TopicScreen({.className = QStringLiteral("TForm3"),
                   .caption = QStringLiteral("小数 － 10倍、1/10など"),
                   .size = {955, 710},
                   .promptName = QStringLiteral("Label3"),
                   .imageName = QStringLiteral("Image3"),
                   .blinkInterval = 500},
                  parent)
{
    MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("小数"), Palette::Navy, 27, true, 40, 28);
    MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("10倍、1/10など"), Palette::Subtitle, 24, true,
              130, 32);

    menu_ = makeMenu({QStringLiteral("10倍、100倍など"), QStringLiteral("1/10、1/100など")},
                     QStringLiteral("     メニュー"));
    connect(menu_, &PickList::picked, this, &TForm3::ComboBox1Change);

    text_ = MakeLabel(this, QStringLiteral("Label4"), QString(), Palette::Navy, 27, false, 152, 176);
    answer_ = MakeLabel(this, QStringLiteral("Label5"), QString(), Palette::Teal, 27, false, 152, 392);
    verdict_ = MakeLabel(this, QStringLiteral("Label6"), QString(), Palette::Red, 53, false, 752, 536);
    point_ = MakeLabel(this, QStringLiteral("Label7"), QString(), Palette::Navy, 14, false, 789, 280);

    lists_ = new DigitLists(this,
                            {{QStringLiteral("ComboBox7"), 698, QStringLiteral("百")},
                             {QStringLiteral("ComboBox6"), 728, QStringLiteral("十")},
                             {QStringLiteral("ComboBox5"), 757, QStringLiteral("一")},
                             {QStringLiteral("ComboBox4"), 813, QStringLiteral("一")},
                             {QStringLiteral("ComboBox3"), 842, QStringLiteral("二")},
                             {QStringLiteral("ComboBox2"), 871, QStringLiteral("三")}},
                            {QStringLiteral("ComboBox8"), 900, QString()}, 280, {.width = 28});
    connect(lists_, &DigitLists::digitPicked, this, &TForm3::DigitPicked);
    connect(lists_, &DigitLists::submitted, this, &TForm3::ComboBox8Change);

    mode_ = makeModeButton();
    next_ = makeNextButton();
    connect(mode_, &QPushButton::clicked, this, &TForm3::CuteButton3Click);
    connect(next_, &QPushButton::clicked, this, &TForm3::CuteButton4Click);

    // The screen resets once when it is made, and again each time it is shown.
    FormCreate();
}

void TForm3::FormCreate()
{
    mode_->setMode(ModeButton::Study);
    ClearTenTimesScreen();
    // Test mode and "次へ" wait until a sub-topic has been chosen on this
    // screen, so the lists never come up without a problem to answer.
    mode_->setEnabled(subTopic_ != 0);
    next_->setEnabled(subTopic_ != 0);
    setPrompt(kMenuPrompt);
    SoundCue(CueShown);
}

void TForm3::ClearTenTimesScreen()
{
    lists_->clearDigits();
    text_->clear();
    answer_->clear();
    verdict_->clear();
    point_->clear();
    lists_->setVisible(false);
}

void TForm3::ShowTenTimesLists()
{
    lists_->setVisible(true);
    lists_->clearPicks();
    SetLabelText(point_, kDecimalPoint);
}

void TForm3::ComboBox1Change(int index)
{
    ClearTenTimesScreen();
    mode_->setMode(ModeButton::Study);
    next_->setEnabled(false);
    subTopic_ = index + 1;
    mode_->setEnabled(true);
    SetLabelText(text_, subTopic_ == 1 ? kTimesLesson : kTenthLesson);
    setPrompt(kMenuPrompt);
    SoundCue(CueShown);
}

void TForm3::CuteButton3Click()
{
    ClearTenTimesScreen();
    if (mode_->toggle() == ModeButton::Test) {
        next_->setEnabled(true);
        setPrompt(kNextPrompt);
    } else {
        setPrompt(kMenuPrompt);
    }
    SoundCue(CueShown);
}

void TForm3::CuteButton4Click()
{
    if (subTopic_ == 0)
        return;
    ClearTenTimesScreen();
    next_->setEnabled(false);
    RandomSource& random = RandomSource::program();
    random.reseedFromClock();
    problem_ = subTopic_ == 1 ? MakeTimesProblem(random) : MakeTenthProblem(random);
    SetLabelText(text_, problem_.text);
    ShowTenTimesLists();
    setPrompt(kAnswerPrompt);
    SoundCue(CueNewProblem);
}

void TForm3::DigitPicked()
{
    SoundCue(CuePick);
}

void TForm3::ComboBox8Change()
{
    const TenTimesVerdict verdict = JudgeTenTimesAnswer(problem_, lists_->scaledAnswer());
    SetLabelText(answer_, verdict.answerText);
    SetLabelText(verdict_, VerdictMark(verdict.right));
    SoundCue(VerdictCue(verdict.right));
    next_->setEnabled(true);
    setPrompt(kNextPrompt);
}
