// TForm8: "計算のきまり", the rules of calculation.
// Study mode shows the lesson of the chosen sub-topic; test mode puts up
// random problems that ask which numbers to compute first (or how to rewrite
// an expression). The child enters each number place by place; the ones list
// completes a number, and the last number brings the verdict and the worked
// line.
#pragma once

#include "rule_problems.h"
#include "topic_screen.h"

class CuteButton;
class DigitLists;
class ModeButton;
class PickList;
class QLabel;

class TForm8 : public TopicScreen
{
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);

    void FormCreate() override;

    int subTopic() const { return subTopic_; }
    const RuleProblem& problem() const { return problem_; }

private:
    void ComboBox1Change(int index);
    void CuteButton3Click();
    void CuteButton4Click();
    void DigitPicked(int place);
    void ComboBox2Change();

    void ClearRuleScreen();
    void ShowRuleDigitLists();
    void ShowRuleVerdict();
    void ShowLabel(QLabel* label, const QString& text);

    int subTopic_ = 0;
    RuleProblem problem_;
    int completed_ = 0;  // numbers entered for this problem
    qint64 entered_ = 0; // the entered numbers packed in base 1000

    PickList* menu_ = nullptr;      // ComboBox1
    QLabel* lesson_ = nullptr;      // Label4
    QLabel* problemText_ = nullptr; // Label5: the problem, after judging the worked line
    QLabel* verdict_ = nullptr;     // Label6
    DigitLists* lists_ = nullptr;   // ComboBox4 (hundreds), ComboBox3, ComboBox2 (ones)
    ModeButton* mode_ = nullptr;    // CuteButton3
    CuteButton* next_ = nullptr;    // CuteButton4
};
