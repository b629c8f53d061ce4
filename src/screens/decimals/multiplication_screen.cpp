// TForm4: the decimal multiplication walkthrough screen.
#include "multiplication_screen.h"

#include "column_label.h"
#include "cute_button.h"
#include "digit_entry.h"
#include "digit_lists.h"
#include "key_point_toggle.h"
#include "mode_button.h"
#include "pick_list.h"
#include "screen_style.h"
#include "sound_cue.h"
#include "step_button.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {
const QString kMenuPrompt = QStringLiteral("「メニュー」を選んでね！");
const QString kNextPrompt = QStringLiteral("「次へ」ボタンで進めてね！");
const QString kStepPrompt = QStringLiteral("「ステップ」ボタンで進めてね！");
const QString kRowPrompt = QStringLiteral("赤い矢印のところの答えを選び、\n最後に「◆」を クリックしてね！");
const QString kPlacesPrompt = QStringLiteral("小数点の右の けた数を選んでね！");
const QString kMemoShownPrompt = QStringLiteral("もう一度「ポイント」ボタンを おせば 消えるよ！");
constexpr int kMemoTop = 128;

// The written multiplication stands right-aligned in digit columns of this
// width; the second row stands one column further left.
constexpr int kColumn = 20;
constexpr int kRightEdge = 728;
constexpr int kColumns = 7;
constexpr int kRowFont = 26;
constexpr int kArrowLeft = 576;

// Step texts. The closing step (placing the point) reads the same for one-
// and two-digit multipliers.
const QString kStep1 = QStringLiteral("【ステップ１】\n\n　もんだいを 右図のように書く。");
const QString kStep2 = QStringLiteral("【ステップ２】\n\n　かけられる数に かける数の一の位\n　の数を かけた数を 線の下に書く。 ");
const QString kStep3Tens = QStringLiteral("【ステップ３】\n\n　かけられる数に かける数の十の位\n　の数を かけた数を その下に書き、\n　その下に線をひく。 ");
const QString kStep4 = QStringLiteral("【ステップ４】\n\n　線の上の２行の数を たして 線の下に\n　書く。 ");
const QString kPointStepBody = QStringLiteral("\n\n　かけられる数と かける数の 小数点\n　の右の けた数を たした けた数に\n　なるように 小数点をうつ。終わり。 ");

QFrame* MakeLine(QWidget* parent, const QString& name, int top)
{
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, Palette::Navy);
    line->setPalette(palette);
    line->setGeometry(600, top, 145, 2);
    return line;
}
} // namespace

QStringList TForm4::KeyPointLines()
{
    // Each line with its count of leading ideographic spaces; the formula
    // lines are indented so that their "=" signs stand under one another.
    const struct {
        int indent;
        const char16_t* text;
    } lines[] = {
        {0, u""},
        {1, u"【小数のかけ算のポイント】"},
        {0, u""},
        {1, u"・0.4 x 3 の計算"},
        {2, u"0.4 x 3    = (0.1 x 4) x 3"},
        {8, u"= 0.1 x (4 x 3)"},
        {8, u"= 0.1 x 12"},
        {8, u"= 1.2"},
        {0, u""},
        {1, u"・0.04 x 0.3 の計算"},
        {2, u"0.04 x 0.3 = (0.01 x 4) x (0.1 x 3)"},
        {8, u"= (0.01 x 0.1) x (4 x 3)"},
        {8, u"= 0.001 x 12"},
        {8, u"= 0.012"},
        {0, u""},
        {1, u"・上の計算から分かるように、小数のかけ算のかんたんな"},
        {2, u"方法は、次のようにすればいいよ。"},
        {0, u""},
        {3, u"小数点が ないものとして かけ算をする。"},
        {3, u"その答えの小数点は、かけられる数と かける数の 小数点"},
        {3, u"の右にある けた数を たした けた数に なるように うつ。"},
        {3, u"小数点が もとの数の左に はみだす時は、一の位まで 0 を"},
        {3, u"書きたす。"},
        {0, u""},
        {3, u"0.4 x 3 = 12 x 0.1 = 1.2　（小数点の右は１けた）"},
        {3, u"0.04 x 0.3 =  12 x 0.001 = 0.012　（小数点の右は３けた）"},
        {0, u""},
        {2, u"かけられる数や かける数が、小数第二位や 第三位のある"},
        {2, u"かけ算でも 同じようにすればいいよ。"},
    };
    QStringList result;
    for (const auto& line : lines)
        result << QString(line.indent, QChar(u'　')) + QString::fromUtf16(line.text);
    return result;
}

TForm4::TForm4(QWidget* parent)
    : TopicScreen({.className = QStringLiteral("TForm4"),
                   .caption = QStringLiteral("小数 － かけ算"),
                   .promptName = QStringLiteral("Label3"),
                   .imageName = QStringLiteral("Image1"),
                   .blinkInterval = 500},
                  parent)
{
    MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("小数"), Palette::Navy, 27, true, 40, 28);
    MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("かけ算"), Palette::Subtitle, 24, true, 130, 32);

    menu_ = makeMenu({QStringLiteral("小数 x 整数"), QStringLiteral("小数 x 小数")},
                     QStringLiteral("  メニュー"));
    connect(menu_, &PickList::picked, this, &TForm4::ComboBox1Change);

    line_ = MakeLabel(this, QStringLiteral("Label4"), QString(), Palette::Navy, 40, false, 104, 184);
    stepText_ = MakeLabel(this, QStringLiteral("Label11"), QString(), Palette::Navy, 24, false, 104, 296);

    // The written multiplication, right-aligned in digit columns.
    multiplicand_ = new ColumnLabel(this, QStringLiteral("Label5"), kRightEdge, 216, kColumns, kColumn, kRowFont,
                                    Palette::Navy);
    multiplier_ = new ColumnLabel(this, QStringLiteral("Label6"), kRightEdge, 248, kColumns, kColumn, kRowFont,
                                  Palette::Navy);
    times_ = MakeLabel(this, QStringLiteral("Label10"), QString(), Palette::Navy, kRowFont, false, 616, 248);
    rows_[0] = new ColumnLabel(this, QStringLiteral("Label7"), kRightEdge, 288, kColumns, kColumn, kRowFont,
                               Palette::Navy);
    rows_[1] = new ColumnLabel(this, QStringLiteral("Label8"), kRightEdge - kColumn, 320, kColumns - 1, kColumn,
                               kRowFont, Palette::Navy);
    rows_[2] = new ColumnLabel(this, QStringLiteral("Label9"), kRightEdge, 364, kColumns, kColumn, kRowFont,
                               Palette::Navy);
    lines_[0] = MakeLine(this, QStringLiteral("Shape1"), 280);
    lines_[1] = MakeLine(this, QStringLiteral("Shape2"), 352);

    arrow_ = new QLabel(this);
    arrow_->setObjectName(QStringLiteral("Image2"));
    arrow_->setPixmap(QPixmap(QStringLiteral(":/pictures/red_arrow.png")));
    arrow_->setGeometry(kArrowLeft, kArrowTops[0], 20, 11);

    verdict_ = MakeLabel(this, QStringLiteral("Label12"), QString(), Palette::Red, 53, false, 752, 536);

    lists_ = new DigitLists(this,
                            {{QStringLiteral("ComboBox6"), 784, QStringLiteral("万")},
                             {QStringLiteral("ComboBox5"), 808, QStringLiteral("千")},
                             {QStringLiteral("ComboBox4"), 832, QStringLiteral("百")},
                             {QStringLiteral("ComboBox3"), 856, QStringLiteral("十")},
                             {QStringLiteral("ComboBox2"), 880, QStringLiteral("一")}},
                            {QStringLiteral("ComboBox7"), 904, QString()}, 184, {.width = 24});
    connect(lists_, &DigitLists::digitPicked, this, &TForm4::DigitPicked);
    connect(lists_, &DigitLists::submitted, this, &TForm4::ComboBox7Change);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    memo_->setFont(ScreenFont(16));
    memo_->setStyleSheet(QStringLiteral("QPlainTextEdit { background: %1; color: %2; border: 2px solid %2; }")
                             .arg(Palette::Cream.name(), Palette::Navy.name()));
    memo_->setPlainText(KeyPointLines().join(QLatin1Char('\n')));
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_->document()->setDocumentMargin(2);
    memo_->setGeometry(104, kMemoTop, 648, 472);

    const int top = bottomRowTop();
    mode_ = makeModeButton();
    next_ = makeNextButton();
    step_ = new StepButton(this, QStringLiteral("CuteButton5"), QRect(583, top - 46, 110, 34));
    auto* point = new CuteButton(this, QStringLiteral("CuteButton6"), QStringLiteral("ポイント"),
                                 QRect(461, top - 46, 110, 34), Palette::Subtitle, Qt::white);
    connect(mode_, &QPushButton::clicked, this, &TForm4::CuteButton3Click);
    connect(next_, &QPushButton::clicked, this, &TForm4::CuteButton4Click);
    connect(step_, &QPushButton::clicked, this, &TForm4::CuteButton5Click);
    connect(point, &QPushButton::clicked, this, &TForm4::CuteButton6Click);

    // The screen resets once when it is made, and again each time it is shown.
    FormCreate();
}

void TForm4::FormCreate()
{
    mode_->setMode(ModeButton::Study);
    ClearMultiplicationScreen();
    stage_ = 0;
    // Nothing can be practised before a sub-topic is chosen on this screen:
    // "次へ" and the test mode wait for the menu. A sub-topic chosen at an
    // earlier showing still stands, as the menu still shows it.
    next_->setEnabled(subTopic_ != 0);
    mode_->setEnabled(subTopic_ != 0);
    step_->setEnabled(false);
    setPrompt(kMenuPrompt);
    SoundCue(CueShown);
}

void TForm4::ClearMultiplicationScreen()
{
    lastRow_ = 0;
    lists_->clearDigits();
    step_->restart();
    for (QLabel* label : std::initializer_list<QLabel*>{line_, multiplicand_, multiplier_, rows_[0], rows_[1], rows_[2], times_, stepText_, verdict_})
        label->clear();
    lists_->setVisible(false);
    lines_[0]->hide();
    lines_[1]->hide();
    arrow_->hide();
    memo_->hide();
}

void TForm4::ShowMultiplicationLists(bool placesForm)
{
    PickList* ones = lists_->place(lists_->placeCount() - 1);
    if (placesForm) {
        lists_->setVisible(false);
        ones->setHeading(QStringLiteral("小"));
        ones->clearPick();
        ones->show();
        return;
    }
    ones->setHeading(QStringLiteral("一"));
    lists_->clearPicks();
    lists_->setVisible(true);
}

void TForm4::ComboBox1Change(int index)
{
    ClearMultiplicationScreen();
    subTopic_ = index + 1;
    mode_->setMode(ModeButton::Study);
    mode_->setEnabled(true);
    next_->setEnabled(true);
    step_->setEnabled(false);
    setPrompt(kNextPrompt);
    SoundCue(CueShown);
}

void TForm4::CuteButton3Click()
{
    ClearMultiplicationScreen();
    mode_->toggle();
    next_->setEnabled(subTopic_ != 0);
    step_->setEnabled(false);
    setPrompt(kNextPrompt);
    SoundCue(CueShown);
}

void TForm4::LayOutProblem()
{
    multiplicand_->setText(problem_.multiplicandText());
    multiplier_->setText(problem_.multiplierText());
    SetLabelText(times_, QStringLiteral("x"));
    lines_[0]->show();
}

void TForm4::PointArrowAt(int row)
{
    arrow_->move(kArrowLeft, kArrowTops[row]);
    arrow_->show();
}

void TForm4::CuteButton4Click()
{
    if (subTopic_ == 0)
        return;
    ClearMultiplicationScreen();
    next_->setEnabled(false);
    RandomSource& random = RandomSource::program();
    random.reseedFromClock();
    problem_ = MakeMultiplicationProblem(subTopic_, random);
    SetLabelText(line_, problem_.text);
    if (mode_->mode() == ModeButton::Study) {
        step_->setEnabled(true);
        setPrompt(kStepPrompt);
    } else {
        stage_ = 0;
        LayOutProblem();
        PointArrowAt(0);
        step_->setEnabled(false);
        ShowMultiplicationLists(false);
        setPrompt(kRowPrompt);
    }
    SoundCue(CueNewProblem);
}

void TForm4::ShowMultiplicationStep(int step)
{
    const bool twoDigits = problem_.twoDigitMultiplier();
    QString text;
    switch (step) {
    case 1:
        LayOutProblem();
        text = kStep1;
        break;
    case 2:
        rows_[0]->setText(QString::number(problem_.onesRow()));
        text = kStep2;
        break;
    case 3:
        if (twoDigits) {
            rows_[1]->setText(QString::number(problem_.tensRow()));
            lines_[1]->show();
            text = kStep3Tens;
        } else {
            rows_[0]->setText(problem_.productText());
            text = QStringLiteral("【ステップ３】") + kPointStepBody;
        }
        break;
    case 4:
        rows_[2]->setText(QString::number(problem_.digitProduct()));
        text = kStep4;
        break;
    default:
        rows_[2]->setText(problem_.productText());
        text = QStringLiteral("【ステップ５】") + kPointStepBody;
        break;
    }
    SetLabelText(stepText_, text);
}

void TForm4::CuteButton5Click()
{
    if (problem_.text.isEmpty())
        return;
    const int step = step_->advance();
    ShowMultiplicationStep(step);
    if (step < problem_.lastStep()) {
        SoundCue(CuePick);
        setPrompt(kStepPrompt);
        return;
    }
    step_->restart();
    next_->setEnabled(true);
    step_->setEnabled(false);
    SoundCue(CueShown);
    setPrompt(kNextPrompt);
}

void TForm4::CuteButton6Click()
{
    KeyPointToggle(this, {memo_, kMemoTop, kMemoShownPrompt, kMenuPrompt});
}

void TForm4::DigitPicked(int place, int digit)
{
    const bool ones = place == lists_->placeCount() - 1;
    if (ones && stage_ == kPlacesStage) {
        JudgeMultiplicationAnswer(digit);
        return;
    }
    SoundCue(CuePick);
}

void TForm4::ComboBox7Change()
{
    if (stage_ > 2)
        return;
    const int entered = stage_;
    ++stage_;
    lastRow_ = lists_->scaledAnswer();
    lists_->clearDigits();
    rows_[entered]->setText(QString::number(lastRow_));

    const bool rowsDone = entered == 2 || (entered == 0 && !problem_.twoDigitMultiplier());
    if (rowsDone) {
        stage_ = kPlacesStage;
        ShowMultiplicationLists(true);
        setPrompt(kPlacesPrompt);
    } else {
        PointArrowAt(entered + 1);
        if (entered == 1)
            lines_[1]->show();
        ShowMultiplicationLists(false);
        setPrompt(kRowPrompt);
    }
    SoundCue(CuePick);
}

void TForm4::JudgeMultiplicationAnswer(int places)
{
    const MultiplicationVerdict verdict = ::JudgeMultiplicationAnswer(problem_, lastRow_, places);
    SetLabelText(verdict_, VerdictMark(verdict.right));
    SoundCue(VerdictCue(verdict.right));
    SetLabelText(line_, verdict.problemLine);
    rows_[problem_.twoDigitMultiplier() ? 2 : 0]->setText(verdict.childText);
    next_->setEnabled(true);
    setPrompt(kNextPrompt);
}
