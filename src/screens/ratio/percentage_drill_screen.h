// TForm16: "割合のドリル", the timed drill of percentages.
// The child picks a kind of problem (a percentage of people, a compared
// amount or a base amount in grams, or "ミックス" of the three) and a time
// limit, then answers one problem after another, hundreds down to tenths,
// each recorded by "◆" in the table dorills without a verdict on screen. The
// problems come from the percentage screen's generators and go on with the
// program's random sequence, never reseeded here. The drill run itself (time,
// start, next, stop, results, grid) is DrillScreen's.
#pragma once

#include "drill_screen.h"
#include "percentage_drill_problems.h"

class DigitLists;
class QLabel;

class TForm16 : public DrillScreen
{
    Q_OBJECT
public:
    explicit TForm16(QWidget* parent = nullptr);

    // The problem put up last, with the kind it was drawn as (under
    // "ミックス" the kind changes from problem to problem).
    const PercentDrillProblem& problem() const { return problem_; }

protected:
    void MakeDrillProblem(bool starting) override;

private:
    // "◆": the entry in tenths goes to RecordPercentDrillAnswer.
    void ComboBox7Change();
    // Judges the entry and appends its record row.
    void RecordPercentDrillAnswer(qint64 entryTenths);

    PercentDrillProblem problem_;
    DigitLists* lists_ = nullptr; // ComboBox6 .. ComboBox3, ComboBox7
    QLabel* point_ = nullptr;     // Label9
};
