// TForm16: the percentage drill.
#include "percentage_drill_screen.h"

#include "digit_lists.h"
#include "screen_style.h"

#include <QLabel>

TForm16::TForm16(QWidget* parent)
    : DrillScreen({.className = QStringLiteral("TForm16"),
                   .caption = QStringLiteral("割合 － ドリル"),
                   .size = {955, 708},
                   .promptName = QStringLiteral("Label2"),
                   .imageName = QStringLiteral("Image1"),
                   .blinkInterval = 1000},
                  {.table = DrillTable::Dorills,
                   .menuItems = PercentDrillMenuItems(),
                   .menuHeading = QStringLiteral("            メニュー"),
                   // Four items: the menu stands a little higher and further
                   // right than on the other drills, clear of the time list
                   // below it and of the results grid beside it.
                   .menuAt = {716, 14},
                   .timeAt = {840, 152},
                   .numberAt = {128, 160},
                   .numberPixelSize = 21,
                   .numberPrefix = PercentDrillNumberPrefix(),
                   .problemAt = {128, 216},
                   .problemPixelSize = 27,
                   .resultsAt = {144, 368},
                   .gridRect = QRect(214, 112, 499, 401),
                   .gridColumns = {{QStringLiteral("NB"), QStringLiteral("番号"), 40},
                                   {QStringLiteral("MND"), QStringLiteral("問題"), 200},
                                   {QStringLiteral("KAI"), QStringLiteral("答え（正）"), 90},
                                   {QStringLiteral("KOT"), QStringLiteral("答え（入力）"), 90},
                                   {QStringLiteral("HNT"), QStringLiteral("○×"), 40}},
                   .timeUpMessage = QStringLiteral("時間だから、ドリルを終わるよ！")},
                  parent)
{
    MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("割合のドリル"), Palette::Navy, 27, true, 40, 28);

    // Hundreds, tens and ones, the decimal point, tenths, then "◆".
    point_ = MakeLabel(this, QStringLiteral("Label9"), QString(), Palette::Navy, 14, false, 858, 280);
    lists_ = new DigitLists(this,
                            {{QStringLiteral("ComboBox6"), 784, QStringLiteral("百")},
                             {QStringLiteral("ComboBox5"), 808, QStringLiteral("十")},
                             {QStringLiteral("ComboBox4"), 832, QStringLiteral("一")},
                             {QStringLiteral("ComboBox3"), 880, QStringLiteral("一")}},
                            {QStringLiteral("ComboBox7"), 905, QString()}, 280, {.width = 24});
    setAnswerLists(lists_, point_);
    connect(lists_, &DigitLists::submitted, this, &TForm16::ComboBox7Change);
}

void TForm16::MakeDrillProblem(bool /*starting*/)
{
    // No reseeding: the drill goes on with the program's random sequence.
    problem_ = MakePercentDrillProblem(RandomSource::program(), subTopic());
    showProblemText(problem_.problem.text);
}

void TForm16::ComboBox7Change()
{
    if (!answerOpen())
        return;
    // The lists add up hundreds × 1000 + tens × 100 + ones × 10 + tenths.
    RecordPercentDrillAnswer(lists_->scaledAnswer());
}

void TForm16::RecordPercentDrillAnswer(qint64 entryTenths)
{
    const PercentDrillAnswer answer = JudgePercentDrillAnswer(problem_.problem, entryTenths);
    DrillJudgement judgement;
    judgement.right = answer.right;
    judgement.record.MND = answer.problemText;
    judgement.record.KAI = answer.answerText;
    judgement.record.KOT = answer.enteredText;
    RecordDrillAnswer(judgement);
}
