// TForm15: "割合" / "百分率", decimal ratios and percentages.
// Study mode shows the lesson of the chosen sub-topic; test mode puts up a
// random problem line with a "?" where the answer belongs, answered place by
// place from hundreds down to thousandths and judged by "◆".
#pragma once

#include "percentage_problems.h"
#include "topic_screen.h"

class CuteButton;
class DigitLists;
class ModeButton;
class PickList;
class QLabel;

class TForm15 : public TopicScreen
{
    Q_OBJECT
public:
    explicit TForm15(QWidget* parent = nullptr);

    void FormCreate() override;

    int subTopic() const { return subTopic_; }
    const PercentProblem& problem() const { return problem_; }

private:
    void ComboBox1Change(int index);
    void CuteButton3Click();
    void CuteButton4Click();
    void DigitPicked();
    void ComboBox8Change();

    void ClearPercentScreen();
    void ShowPercentDigitLists();

    int subTopic_ = 0;
    PercentProblem problem_;

    PickList* menu_ = nullptr;    // ComboBox1
    QLabel* text_ = nullptr;      // Label4: lesson, problem line, answered line
    QLabel* answer_ = nullptr;    // Label6: answer line of sub-topics 2 and 3
    QLabel* verdict_ = nullptr;   // Label5: "○" or "×"
    QLabel* point_ = nullptr;     // Label9: "小数点"
    DigitLists* lists_ = nullptr; // ComboBox7 .. ComboBox2, ComboBox8
    ModeButton* mode_ = nullptr;  // CuteButton3
    CuteButton* next_ = nullptr;  // CuteButton4
};
