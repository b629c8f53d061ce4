// TForm5: the decimal multiplication drill.
#include "multiplication_drill_screen.h"

#include "digit_lists.h"
#include "screen_style.h"

#include <QLabel>

TForm5::TForm5(QWidget* parent)
    : DrillScreen({.className = QStringLiteral("TForm5"),
                   .caption = QStringLiteral("小数 － かけ算のドリル"),
                   .size = {955, 707},
                   .promptName = QStringLiteral("Label2"),
                   .imageName = QStringLiteral("Image1"),
                   .blinkInterval = 1000},
                  {.table = DrillTable::Dorills,
                   .menuItems = {QStringLiteral("小数 x 整数"), QStringLiteral("小数 x 小数")},
                   .menuHeading = QStringLiteral("  メニュー"),
                   .gridRect = QRect(230, 112, 437, 401),
                   .gridColumns = {{QStringLiteral("NB"), QStringLiteral("番号"), 40},
                                   {QStringLiteral("MND"), QStringLiteral("問題"), 140},
                                   {QStringLiteral("KAI"), QStringLiteral("答え（正）"), 90},
                                   {QStringLiteral("KOT"), QStringLiteral("答え（入力）"), 90},
                                   {QStringLiteral("HNT"), QStringLiteral("○×"), 40}}},
                  parent)
{
    MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("かけ算のドリル"), Palette::Navy, 27, true, 40, 28);

    point_ = MakeLabel(this, QStringLiteral("Label9"), QString(), Palette::Navy, 14, false, 786, 280);
    lists_ = new DigitLists(this,
                            {{QStringLiteral("ComboBox10"), 688, QStringLiteral("千")},
                             {QStringLiteral("ComboBox9"), 712, QStringLiteral("百")},
                             {QStringLiteral("ComboBox8"), 736, QStringLiteral("十")},
                             {QStringLiteral("ComboBox7"), 760, QStringLiteral("一")},
                             {QStringLiteral("ComboBox6"), 808, QStringLiteral("一")},
                             {QStringLiteral("ComboBox5"), 832, QStringLiteral("二")},
                             {QStringLiteral("ComboBox4"), 856, QStringLiteral("三")},
                             {QStringLiteral("ComboBox3"), 880, QStringLiteral("四")}},
                            {QStringLiteral("ComboBox11"), 905, QStringLiteral("　")}, 280, {.width = 24});
    setAnswerLists(lists_, point_);
    connect(lists_, &DigitLists::submitted, this, &TForm5::ComboBox11Change);

    // The screen resets once when it is made, and again each time it is shown.
    FormCreate();
}

void TForm5::MakeDrillProblem(bool /*starting*/)
{
    // Every problem, the first one too, is drawn after reseeding from the clock.
    RandomSource& random = RandomSource::program();
    random.reseedFromClock();
    problem_ = MakeDrillProduct(subTopic(), random);
    showProblemText(problem_.text() + QStringLiteral(" = ?"));
}

void TForm5::ComboBox11Change()
{
    if (!answerOpen())
        return;
    RecordDrillAnswer(JudgeMultiplicationDrill(problem_, lists_->scaledAnswer()));
}
