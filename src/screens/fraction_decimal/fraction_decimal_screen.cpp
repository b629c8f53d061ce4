// TForm17: the division, fraction and decimal screen.
#include "fraction_decimal_screen.h"

#include "cute_button.h"
#include "digit_entry.h"
#include "digit_lists.h"
#include "message_boxes.h"
#include "mode_button.h"
#include "pick_list.h"
#include "screen_style.h"
#include "sound_cue.h"

#include <QFrame>
#include <QLabel>

namespace {
const QString kMenuPrompt = QStringLiteral("「メニュー」を選んでね！");
const QString kNextPrompt = QStringLiteral("「次へ」ボタンで進めてね！");
const QString kDecimalPrompt = QStringLiteral("答を選び、最後に◆をクリックしてね！");
const QString kFractionPrompt = QStringLiteral("整数、分母、分子を選び、最後に◆をクリックしてね！\n0 は とばしていいよ。");
const QString kNoTest = QStringLiteral("このメニューには テストはないよ！");
const QString kDecimalPoint = QStringLiteral("小\n数\n点");

struct Lesson {
    QString text;
    FractionDisplay fraction;
};

const Lesson kLessons[] = {
    {QStringLiteral("整数どうしの わり算は、分数で表すことができるよ。\n"
                    "次のように、わられる数を分子に、わる数を分母に \n"
                    "すればいいよ。"),
     {QStringLiteral("3 ÷ 5 = "), QString(), QStringLiteral("3"), QStringLiteral("5"), QString()}},
    {QStringLiteral("分数を小数で表すには、次のように 分数を \n"
                    "わり算になおして計算すればいいよ。"),
     {QString(), QString(), QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("= 3 ÷ 5 = 0.6")}},
    {QStringLiteral("分数を小数で表す時、わりきれなければ、\n"
                    "次のように 適当な位で四捨五入すればいいよ。\n"
                    "たとえば、小数第二位までの小数で表すには、"),
     {QString(), QString(), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("= 2 ÷ 3 = 0.666‥ = 0.67")}},
    {QStringLiteral("小数を分数で表すには、たとえば 1.025 であれば、\n"
                    "1 と 0.025 に分け、25 を 10 でわると 2.5 、\n"
                    "100 でわると 0.25、1000 でわると 0.025 と\n"
                    "なることから、"),
     {QStringLiteral("1.025 = "), QStringLiteral("1"), QStringLiteral("25"), QStringLiteral("1000"), QString()}},
};

// The headings of ComboBox10 .. ComboBox3 in each layout; ComboBox10 (the
// whole part) is not used by decimals.
const QStringList kDecimalHeadings = {QString(),          QStringLiteral("千"), QStringLiteral("百"),
                                      QStringLiteral("十"), QStringLiteral("一"), QStringLiteral("一"),
                                      QStringLiteral("二"), QStringLiteral("三")};
const QStringList kFractionHeadings = {QStringLiteral("整"), QStringLiteral("分"), QStringLiteral("・"),
                                       QStringLiteral("・"), QStringLiteral("母"), QStringLiteral("分"),
                                       QStringLiteral("・"), QStringLiteral("子")};

constexpr int kFractionPixels = 22;

// A label of fixed width whose text is centred in it (the parts of a fraction).
QLabel* CentredLabel(QWidget* parent, const QString& name, int x, int y, int width, Qt::Alignment vertical)
{
    QLabel* label = MakeLabel(parent, name, QString(), Palette::Navy, kFractionPixels, true, x, y);
    label->setAlignment(Qt::AlignHCenter | vertical);
    label->setGeometry(x, y, width, kFractionPixels + 6);
    return label;
}
} // namespace

TForm17::TForm17(QWidget* parent)
    : TopicScreen({.className = QStringLiteral("TForm17"),
                   .caption = QStringLiteral("分数と小数 － わり算と分数と小数"),
                   .size = {955, 716},
                   .promptName = QStringLiteral("Label3"),
                   .imageName = QStringLiteral("Image1"),
                   .blinkInterval = 1000,
                   .clockPanelLeft = 680},
                  parent)
{
    MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("分数と小数"), Palette::Navy, 27, true, 40, 28);
    MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("わり算と分数と小数"), Palette::Subtitle, 24, true,
              192, 32);

    menu_ = makeMenu({QStringLiteral("わり算を分数に"), QStringLiteral("分数を小数に"),
                          QStringLiteral("分数を小数のがい数に"), QStringLiteral("小数を分数に")},
                     QStringLiteral("    　   メニュー"));
    connect(menu_, &PickList::picked, this, &TForm17::ComboBox1Change);

    text_ = MakeLabel(this, QStringLiteral("Label4"), QString(), Palette::Navy, 21, false, 136, 208);

    // The fraction display: numerator over the bar over denominator, with a
    // whole part to its left and the two sides of the equation around it.
    left_ = MakeLabel(this, QStringLiteral("Label5"), QString(), Palette::Navy, kFractionPixels, true, 136, 330);
    whole_ = CentredLabel(this, QStringLiteral("Label6"), 236, 330, 24, Qt::AlignVCenter);
    numerator_ = CentredLabel(this, QStringLiteral("Label7"), 262, 314, 57, Qt::AlignBottom);
    bar_ = new QFrame(this);
    bar_->setObjectName(QStringLiteral("Shape1"));
    bar_->setGeometry(260, 344, 60, 2);
    bar_->setAutoFillBackground(true);
    QPalette barPalette = bar_->palette();
    barPalette.setColor(QPalette::Window, Palette::Navy);
    bar_->setPalette(barPalette);
    denominator_ = CentredLabel(this, QStringLiteral("Label8"), 258, 348, 65, Qt::AlignTop);
    right_ = MakeLabel(this, QStringLiteral("Label9"), QString(), Palette::Navy, kFractionPixels, true, 330, 330);

    verdict_ = MakeLabel(this, QStringLiteral("Label10"), QString(), Palette::Red, 40, false, 760, 560);
    point_ = MakeLabel(this, QStringLiteral("Label11"), QString(), Palette::Navy, 14, false, 786, 320);

    lists_ = new DigitLists(this,
                            {{QStringLiteral("ComboBox10"), 639, QString()},
                             {QStringLiteral("ComboBox9"), 669, QString()},
                             {QStringLiteral("ComboBox8"), 698, QString()},
                             {QStringLiteral("ComboBox7"), 726, QString()},
                             {QStringLiteral("ComboBox6"), 755, QString()},
                             {QStringLiteral("ComboBox5"), 811, QString()},
                             {QStringLiteral("ComboBox4"), 840, QString()},
                             {QStringLiteral("ComboBox3"), 869, QString()}},
                            {QStringLiteral("ComboBox2"), 896, QString()}, 320, {.width = 26});
    connect(lists_, &DigitLists::digitPicked, this, &TForm17::DigitPicked);
    connect(lists_, &DigitLists::submitted, this, &TForm17::ComboBox2Change);

    next_ = new CuteButton(this, QStringLiteral("CuteButton4"), QStringLiteral("次へ"), QRect(838, 562, 110, 32),
                           Palette::PaleGreen, Palette::Navy);
    mode_ = new ModeButton(this, QStringLiteral("CuteButton3"), QRect(838, 604, 110, 32));
    connect(mode_, &QPushButton::clicked, this, &TForm17::CuteButton3Click);
    connect(next_, &QPushButton::clicked, this, &TForm17::CuteButton4Click);

    ClearConversionScreen();
    next_->setEnabled(false);
    mode_->setEnabled(false);
}

void TForm17::FormCreate()
{
    ClearConversionScreen();
    mode_->setMode(ModeButton::Study);
    // Test mode waits until a sub-topic has been chosen on this screen.
    mode_->setEnabled(subTopic_ != 0);
    next_->setEnabled(false);
    setPrompt(kMenuPrompt);
    SoundCue(CueShown);
}

void TForm17::showFraction(const FractionDisplay& display)
{
    SetLabelText(left_, display.left);
    whole_->setText(display.whole);
    numerator_->setText(display.numerator);
    denominator_->setText(display.denominator);
    SetLabelText(right_, display.right);
    bar_->show();
}

void TForm17::ClearConversionScreen()
{
    lists_->clearDigits();
    for (QLabel* label : {text_, left_, whole_, numerator_, denominator_, right_, verdict_, point_})
        label->clear();
    lists_->setVisible(false);
    lists_->clearPicks();
    bar_->hide();
}

void TForm17::ShowConversionLists(Layout layout)
{
    const QStringList& headings = layout == Layout::Decimal ? kDecimalHeadings : kFractionHeadings;
    lists_->clearDigits();
    lists_->clearPicks();
    for (int i = 0; i < lists_->placeCount(); ++i)
        lists_->place(i)->setHeading(headings.at(i));
    lists_->setVisible(true);
    // Decimals have no whole part of a mixed number: its list stays hidden
    // and its digit stays 0.
    lists_->place(0)->setVisible(layout == Layout::Fraction);
    SetLabelText(point_, layout == Layout::Decimal ? kDecimalPoint : QString());
}

void TForm17::ComboBox1Change(int index)
{
    ClearConversionScreen();
    subTopic_ = index + 1;
    if (mode_->mode() == ModeButton::Test)
        next_->setEnabled(false);
    mode_->setMode(ModeButton::Study);
    mode_->setEnabled(true);
    SetLabelText(text_, kLessons[index].text);
    showFraction(kLessons[index].fraction);
    setPrompt(kMenuPrompt);
    SoundCue(CueShown);
}

void TForm17::CuteButton3Click()
{
    if (mode_->mode() == ModeButton::Study) {
        if (subTopic_ == 1) {
            ClearConversionScreen();
            SoundCue(CuePick);
            ShowMessage(this, kNoTest);
            return;
        }
        ClearConversionScreen();
        mode_->setMode(ModeButton::Test);
        next_->setEnabled(true);
        setPrompt(kNextPrompt);
    } else {
        ClearConversionScreen();
        mode_->setMode(ModeButton::Study);
        next_->setEnabled(false);
        setPrompt(kMenuPrompt);
    }
    SoundCue(CueShown);
}

void TForm17::CuteButton4Click()
{
    if (subTopic_ < 2)
        return;
    ClearConversionScreen();
    RandomSource& random = RandomSource::program();
    if (subTopic_ == 2) {
        ShowConversionLists(Layout::Decimal);
        random.reseedFromClock();
        problem_ = MakeFractionToDecimalProblem(random);
        setPrompt(kDecimalPrompt);
    } else if (subTopic_ == 3) {
        ShowConversionLists(Layout::Decimal);
        problem_ = MakeRoundedDecimalProblem(random);
        setPrompt(kDecimalPrompt);
        SoundCue(CuePick);
    } else {
        ShowConversionLists(Layout::Fraction);
        problem_ = MakeDecimalToFractionProblem(random);
        setPrompt(kFractionPrompt);
    }
    SetLabelText(text_, problem_.instruction);
    showFraction(problem_.question);
    SoundCue(CueShown);
}

void TForm17::DigitPicked()
{
    SoundCue(CuePick);
}

void TForm17::ComboBox2Change()
{
    const bool right = JudgeConversionAnswer(problem_, lists_->scaledAnswer());
    SetLabelText(verdict_, VerdictMark(right));
    SoundCue(VerdictCue(right));
    showFraction(problem_.solved);
}
