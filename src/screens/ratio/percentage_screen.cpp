// TForm15: the percentage screen.
#include "percentage_screen.h"

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
const QString kAnswerPrompt = QStringLiteral("答えは 大きい位から順に選んで、さいごに\n◆をクリックしてね！");
const QString kDecimalPoint = QStringLiteral("小\n数\n点");

const QString kLessons[] = {
    QStringLiteral(
        "割合とは、くらべられる量が もとになる量の\n"
        "どれだけにあたるかを表す数だよ。\n"
        "\n"
        "もとになる量を 1 とみた時の割合は小数で表し、\n"
        "もとになる量を 100 とみた時の割合は百分率で\n"
        "％（パーセント）をつけて表すよ。\n"
        "\n"
        "たとえば、小数での割合 0.235 は 百分率では \n"
        "23.5% になるよ。\n"
        "このように、小数を百分率で表すには百倍し、\n"
        "百分率を小数で表すには百でわればいいよ。"),
    QStringLiteral(
        "割合を小数で求めるには、次の計算をすればいいよ。\n"
        "　「くらべられる量 ÷ もとになる量」\n"
        "\n"
        "割合を百分率で求めるには、次の計算をすればいいよ。\n"
        "　「くらべられる量 ÷ もとになる量 x 100」\n"
        "\n"
        "たとえば、40 人のクラスで、女子が18 人の時、\n"
        "女子の割合は、 \n"
        "\n"
        "　小数では：　　　18 ÷ 40 = 0.45\n"
        "　百分率では：　　18 ÷ 40 x 100 = 45% "),
    QStringLiteral(
        "割合を求める式は、\n"
        "\n"
        "　「割合(小数) = くらべられる量 ÷ もとになる量」\n"
        "\n"
        "かけ算とわり算の関係から、くらべられる量や\n"
        "もとになる量を求めるには、次の式で計算すればいいよ。\n"
        "\n"
        "  「くらべられる量 = もとになる量 x 割合(小数)」\n"
        "\n"
        "  「もとになる量 = くらべられる量 ÷ 割合(小数)」\n"
        "\n"
        "たとえば、200 人の 45 ％は 何人かを求めるには、\n"
        "\n"
        "　　200 x (45 ÷ 100) = 90　　答え： 90 人\n"
        "\n"
        "90 人は 何人の 45 % かを求めるには、\n"
        "\n"
        "　　90 ÷ (45 ÷ 100) = 200    答え： 200 人"),
};
} // namespace

TForm15::TForm15(QWidget* parent)
    : TopicScreen({.className = QStringLiteral("TForm15"),
                   .caption = QStringLiteral("割合 － 百分率"),
                   .size = {955, 716},
                   .promptName = QStringLiteral("Label3"),
                   .imageName = QStringLiteral("Image3"),
                   .blinkInterval = 500},
                  parent)
{
    MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("割合"), Palette::Navy, 27, true, 40, 28);
    MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("百分率"), Palette::Subtitle, 24, true, 120, 32);

    menu_ = makeMenu({QStringLiteral("割合の表し方"), QStringLiteral("百分率の求め方"),
                          QStringLiteral("百分率から求める")},
                     QStringLiteral("       メニュー"));
    connect(menu_, &PickList::picked, this, &TForm15::ComboBox1Change);

    text_ = MakeLabel(this, QStringLiteral("Label4"), QString(), Palette::Navy, 21, true, 136, 192);
    answer_ = MakeLabel(this, QStringLiteral("Label6"), QString(), Palette::Teal, 21, true, 116, 272);
    verdict_ = MakeLabel(this, QStringLiteral("Label5"), QString(), Palette::Red, 53, false, 752, 556);
    point_ = MakeLabel(this, QStringLiteral("Label9"), QString(), Palette::Navy, 14, false, 810, 328);

    lists_ = new DigitLists(this,
                            {{QStringLiteral("ComboBox7"), 736, QStringLiteral("百")},
                             {QStringLiteral("ComboBox6"), 760, QStringLiteral("十")},
                             {QStringLiteral("ComboBox5"), 784, QStringLiteral("一")},
                             {QStringLiteral("ComboBox4"), 832, QStringLiteral("一")},
                             {QStringLiteral("ComboBox3"), 856, QStringLiteral("二")},
                             {QStringLiteral("ComboBox2"), 880, QStringLiteral("三")}},
                            {QStringLiteral("ComboBox8"), 904, QString()}, 328, {.width = 24});
    connect(lists_, &DigitLists::digitPicked, this, &TForm15::DigitPicked);
    connect(lists_, &DigitLists::submitted, this, &TForm15::ComboBox8Change);

    mode_ = makeModeButton();
    next_ = makeNextButton();
    connect(mode_, &QPushButton::clicked, this, &TForm15::CuteButton3Click);
    connect(next_, &QPushButton::clicked, this, &TForm15::CuteButton4Click);

    ClearPercentScreen();
    next_->setEnabled(false);
    mode_->setEnabled(false);
}

void TForm15::FormCreate()
{
    mode_->setMode(ModeButton::Study);
    // Test mode waits until a sub-topic has been chosen on this screen, so
    // "次へ" never puts up lists without a problem.
    mode_->setEnabled(subTopic_ != 0);
    ClearPercentScreen();
    next_->setEnabled(false);
    setPrompt(kMenuPrompt);
    SoundCue(CueShown);
}

void TForm15::ClearPercentScreen()
{
    lists_->clearDigits();
    promptLabel()->clear();
    text_->clear();
    verdict_->clear();
    answer_->clear();
    point_->clear();
    lists_->setVisible(false);
}

void TForm15::ShowPercentDigitLists()
{
    lists_->setVisible(true);
    lists_->clearPicks();
    SetLabelText(point_, kDecimalPoint);
}

void TForm15::ComboBox1Change(int index)
{
    ClearPercentScreen();
    mode_->setMode(ModeButton::Study);
    mode_->setEnabled(true);
    subTopic_ = index + 1;
    SetLabelText(text_, kLessons[index]);
    setPrompt(kMenuPrompt);
    SoundCue(CueShown);
}

void TForm15::CuteButton3Click()
{
    ClearPercentScreen();
    if (mode_->toggle() == ModeButton::Test) {
        next_->setEnabled(true);
        setPrompt(kNextPrompt);
    } else {
        setPrompt(kMenuPrompt);
    }
    SoundCue(CueShown);
}

void TForm15::CuteButton4Click()
{
    if (subTopic_ == 0)
        return;
    ClearPercentScreen();
    next_->setEnabled(false);
    RandomSource& random = RandomSource::program();
    random.reseedFromClock();
    problem_ = MakePercentScreenProblem(random, subTopic_);
    SetLabelText(text_, problem_.text);
    ShowPercentDigitLists();
    setPrompt(kAnswerPrompt);
    SoundCue(CueNewProblem);
}

void TForm15::DigitPicked()
{
    SoundCue(CuePick);
}

void TForm15::ComboBox8Change()
{
    const bool right = JudgePercentAnswer(problem_, lists_->scaledAnswer());
    SetLabelText(verdict_, VerdictMark(right));
    SoundCue(VerdictCue(right));
    // A ratio written the other way replaces its problem line; an amount or a
    // percentage gets its answer line under the problem.
    const bool notation = problem_.kind == PercentKind::DecimalToPercent || problem_.kind == PercentKind::PercentToDecimal;
    SetLabelText(notation ? text_ : answer_, problem_.answerLine);
    next_->setEnabled(true);
    setPrompt(kNextPrompt);
}
