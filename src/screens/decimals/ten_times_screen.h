// TForm3: "10倍、1/10など", ten times and one tenth of a decimal number.
// Study mode shows a lesson for the chosen sub-topic; test mode puts up random
// problems answered digit by digit (hundreds down to thousandths) and judged
// by "◆".
#pragma once

#include "ten_times_problems.h"
#include "topic_screen.h"

class CuteButton;
class DigitLists;
class ModeButton;
class PickList;
class QLabel;

class TForm3 : public TopicScreen
{
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    void FormCreate() override;

    int subTopic() const { return subTopic_; }
    const TenTimesProblem& problem() const { return problem_; }

private:
    void ComboBox1Change(int index);
    void CuteButton3Click();
    void CuteButton4Click();
    void DigitPicked();
    void ComboBox8Change();

    void ClearTenTimesScreen();
    void ShowTenTimesLists();

    int subTopic_ = 0;
    TenTimesProblem problem_;

    PickList* menu_ = nullptr;       // ComboBox1
    QLabel* text_ = nullptr;         // Label4: lesson text, then the problem
    QLabel* answer_ = nullptr;       // Label5: the correct answer after judging
    QLabel* verdict_ = nullptr;      // Label6: "○" or "×"
    QLabel* point_ = nullptr;        // Label7: "小数点" between the places
    DigitLists* lists_ = nullptr;    // ComboBox7 .. ComboBox2, ComboBox8
    ModeButton* mode_ = nullptr;     // CuteButton3
    CuteButton* next_ = nullptr;     // CuteButton4
};
