// TForm16 problem half: drill problems and record texts.
#include "percentage_drill_problems.h"

#include "digit_entry.h"

QStringList PercentDrillMenuItems()
{
    return {QStringLiteral("百分率を求める"), QStringLiteral("くらべられる量を求める"),
            QStringLiteral("もとになる量を求める"), QStringLiteral("ミックス")};
}

PercentDrillProblem MakePercentDrillProblem(RandomSource& random, int menuItem)
{
    PercentDrillProblem drill;
    drill.subTopic = menuItem == kPercentDrillMix ? random.rnd(8) / 3 + 1 : menuItem;
    switch (drill.subTopic) {
    case 1:
        drill.problem = MakePercentageProblem(random, kPercentDrillRules);
        break;
    case 2:
        drill.problem = MakeComparedAmountProblem(random, kPercentDrillRules);
        break;
    case 3:
        drill.problem = MakeBaseAmountProblem(random, kPercentDrillRules);
        break;
    default:
        drill.subTopic = 0;
        break;
    }
    return drill;
}

QString PercentDrillNumberPrefix()
{
    // A plain colon, unlike the other drills' "問題番号： ".
    return QStringLiteral("問題番号: ");
}

QString PercentDrillNumberText(int number)
{
    return PercentDrillNumberPrefix() + QString::number(number);
}

PercentDrillAnswer JudgePercentDrillAnswer(const PercentProblem& problem, qint64 entryTenths)
{
    PercentDrillAnswer row;
    row.right = JudgePercentAnswer(problem, entryTenths);
    row.markText = QStringLiteral(" ") + VerdictMark(row.right);

    if (problem.kind == PercentKind::Percentage) {
        // The record reads "人は" without the comma of the screen.
        row.problemText = QString::number(problem.H) + QStringLiteral(" 人は ") + QString::number(problem.classSize)
                          + QStringLiteral(" 人の ? %");
    } else {
        row.problemText = problem.text;
    }

    const QString blank = QStringLiteral(" ");
    row.answerText = blank + FormatDecimal(problem.answer, problem.answerPlaces);
    if (!problem.tenths) {
        row.enteredText = blank + QString::number(entryTenths / 10);
        return row;
    }
    // A percentage in tenths always shows its tenths; grams only when the
    // tenths digit was picked.
    const int enteredPlaces = problem.kind == PercentKind::Percentage || entryTenths % 10 != 0 ? 1 : 0;
    row.enteredText = blank + FormatDecimal(DecimalValue::fromQuotient(entryTenths, 10), enteredPlaces);
    return row;
}
