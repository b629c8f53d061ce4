// TForm5: "かけ算のドリル", the timed drill of decimal multiplication.
// The child picks "小数 x 整数" or "小数 x 小数" and a time limit, then
// answers products one after another, thousands down to the fourth decimal
// place, each recorded by "◆" in the table dorills without a verdict on
// screen. The drill run itself (time, start, next, stop, results, grid) is
// DrillScreen's.
#pragma once

#include "drill_screen.h"
#include "multiplication_drill_problems.h"

class DigitLists;
class QLabel;

class TForm5 : public DrillScreen
{
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    const DrillProduct& problem() const { return problem_; }

protected:
    void MakeDrillProblem(bool starting) override;

private:
    void ComboBox11Change();

    DrillProduct problem_;
    DigitLists* lists_ = nullptr; // ComboBox10 .. ComboBox3, ComboBox11
    QLabel* point_ = nullptr;     // Label9
};
