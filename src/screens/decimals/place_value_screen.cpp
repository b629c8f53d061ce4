// TForm2: the decimal place-value screen.
#include "place_value_screen.h"

#include "cute_button.h"
#include "digit_entry.h"
#include "mode_button.h"
#include "pick_list.h"
#include "screen_style.h"
#include "sound_cue.h"

#include <QLabel>

namespace {
const QString kNextPrompt = QStringLiteral("「次へ」ボタンで進めてね！");
const QString kComposePrompt = QStringLiteral("大きい位から順に選んでね！");
const QString kDecomposePrompt = QStringLiteral("10、1、0.1、0.01 の数を じゅんに選んでね！");
const QString kDecimalPoint = QStringLiteral("小\n数\n点");

const QStringList kLessons = {
    QStringLiteral("32.58 は、\n30 + 2 + 0.5 + 0.08 に 分けてみると、\n10 が 3つ、 1 が 2つ、 0.1 が 5つ、 \n"
                   "0.01 が 8つ 集まった数に なるので、\n次のように 表すことができるよ。\n"
                   "10 x 3 + 1 x 2 + 0.1 x 5 + 0.01 x 8"),
    QStringLiteral("10 が 4つ、 1 が 7つ、 0.1 が 3つ、 \n0.01 が 6つ 集まった数は、\n"
                   "10 x 4 + 1 x 7 + 0.1 x 3 + 0.01 x 6 から、\n40 + 7 + 0.3 + 0.06 を計算すれば、\n"
                   "47.36 に なるよ。"),
};

// The lists from tens to hundredths: their names, and in each form their
// headings and left edges. The tenths and hundredths lists stay put; in the
// compose form the other two move left to leave room for the decimal point.
const QString kListNames[4] = {QStringLiteral("ComboBox4"), QStringLiteral("ComboBox3"), QStringLiteral("ComboBox2"),
                               QStringLiteral("ComboBox1")};
const QString kDecomposeHeadings[4] = {QStringLiteral(" 10"), QStringLiteral("  1"), QStringLiteral(" 0.1"),
                                       QStringLiteral("0.01")};
const QString kComposeHeadings[4] = {QStringLiteral("  十"), QStringLiteral("  一"), QStringLiteral("第一"),
                                     QStringLiteral("第二")};
constexpr int kDecomposeLeft[4] = {726, 776, 825, 872};
constexpr int kComposeLeft[4] = {703, 753, 825, 872};
constexpr int kListTop = 280;
// The lists stand 47 to 50 pixels apart; 46 keeps a small gap between them.
constexpr PickList::Look kListLook{.width = 46, .rowHeight = 22, .pixelSize = 18, .editHeight = 26};

// This screen's items carry two blanks before the digit.
QStringList PlaceDigitItems()
{
    QStringList items = DigitItems();
    for (QString& item : items)
        item.prepend(QStringLiteral("  "));
    return items;
}
} // namespace

TForm2::TForm2(QWidget* parent)
    : TopicScreen({.className = QStringLiteral("TForm2"),
                   .caption = QStringLiteral("小数 － 小数のしくみ"),
                   .promptName = QStringLiteral("Label2"),
                   .imageName = QStringLiteral("Image1"),
                   .blinkInterval = 1000},
                  parent)
    , pages_(kLessons)
{
    MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("小数のしくみ"), Palette::Navy, 27, true, 40, 28);
    text_ = MakeLabel(this, QStringLiteral("Label3"), QString(), Palette::Navy, 24, false, 125, 185);
    answer_ = MakeLabel(this, QStringLiteral("Label4"), QString(), Palette::Navy, 24, false, 125, 297);
    point_ = MakeLabel(this, QStringLiteral("Label6"), QString(), Palette::Navy, 16, false, 804, kListTop);
    verdict_ = MakeLabel(this, QStringLiteral("Label5"), QString(), Palette::Red, 53, false, 752, 548);

    const QStringList items = PlaceDigitItems();
    for (int i = 0; i < 4; ++i) {
        lists_[i] = new PickList(this, kListNames[i], items, kDecomposeHeadings[i], QPoint(kDecomposeLeft[i], kListTop),
                                 kListLook);
        if (i < 3)
            connect(lists_[i], &PickList::picked, this, [this, i](int digit) { DigitPicked(i, digit); });
    }
    connect(lists_[3], &PickList::picked, this, &TForm2::ComboBox1Change);

    mode_ = makeModeButton();
    next_ = makeNextButton();
    connect(mode_, &QPushButton::clicked, this, &TForm2::CuteButton3Click);
    connect(next_, &QPushButton::clicked, this, &TForm2::CuteButton4Click);

    // Until it is first shown the screen stands empty; FormCreate runs on each showing.
    ClearPlaceValueScreen();
}

void TForm2::FormCreate()
{
    ClearPlaceValueScreen();
    pages_.restart();
    mode_->setMode(ModeButton::Study);
    next_->setEnabled(true);
    setPrompt(kNextPrompt);
    SoundCue(CueShown);
}

void TForm2::ClearPlaceValueScreen()
{
    digits_.fill(0);
    text_->clear();
    answer_->clear();
    verdict_->clear();
    point_->clear();
    for (PickList* list : lists_)
        list->hide();
}

void TForm2::ShowPlaceValueLists()
{
    const bool compose = problem_.form == PlaceValueForm::Compose;
    for (int i = 0; i < 4; ++i) {
        PickList* list = lists_[i];
        list->setHeading(compose ? kComposeHeadings[i] : kDecomposeHeadings[i]);
        list->clearPick();
        list->move(compose ? kComposeLeft[i] : kDecomposeLeft[i], kListTop);
        list->show();
    }
    SetLabelText(point_, compose ? kDecimalPoint : QString());
}

void TForm2::CuteButton3Click()
{
    ClearPlaceValueScreen();
    if (mode_->toggle() == ModeButton::Test)
        next_->setEnabled(true);
    else
        pages_.restart();
    setPrompt(kNextPrompt);
    SoundCue(CueShown);
}

void TForm2::CuteButton4Click()
{
    ClearPlaceValueScreen();
    if (mode_->mode() == ModeButton::Study) {
        text_->setText(pages_.next());
        setPrompt(kNextPrompt);
    } else {
        RandomSource& random = RandomSource::program();
        random.reseedFromClock();
        problem_ = MakePlaceValueProblem(random);
        text_->setText(problem_.text);
        ShowPlaceValueLists();
        setPrompt(problem_.form == PlaceValueForm::Compose ? kComposePrompt : kDecomposePrompt);
    }
    text_->adjustSize();
    SoundCue(CueShown);
}

void TForm2::DigitPicked(int place, int digit)
{
    digits_[place] = digit;
    // This screen sounds its digit picks with the lighter "pipo" cue.
    SoundCue(CueNewProblem);
}

void TForm2::ComboBox1Change(int digit)
{
    digits_[3] = digit;
    JudgePlaceValueAnswer();
}

void TForm2::JudgePlaceValueAnswer()
{
    const PlaceValueVerdict verdict = ::JudgePlaceValueAnswer(problem_, AssembleScaledAnswer(digits_));
    SetLabelText(verdict_, VerdictMark(verdict.right));
    SoundCue(VerdictCue(verdict.right));
    SetLabelText(answer_, verdict.answerText);
    next_->setEnabled(true);
    setPrompt(kNextPrompt);
}
