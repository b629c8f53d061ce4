// TForm9: "がい数の計算", approximate sums and differences.
// Study mode shows a worked example for "たし算" or "ひき算"; test mode puts up
// X + Y ≒ ? or X - Y ≒ ? with the place to round to. The child enters the
// rounded X, the rounded Y and their sum or difference, each from the highest
// place down; the ones list completes a number, and only the third number is
// judged.
#pragma once

#include "approx_problems.h"
#include "topic_screen.h"

class CuteButton;
class DigitLists;
class ModeButton;
class PickList;
class QLabel;

class TForm9 : public TopicScreen
{
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

    void FormCreate() override;

    int subTopic() const { return subTopic_; }
    const ApproxProblem& problem() const { return problem_; }

private:
    void ComboBox1Change(int index);
    void CuteButton3Click();
    void CuteButton4Click();
    void DigitPicked(int place);
    void ComboBox2Change();

    void ClearApproxScreen();
    void ShowApproxDigitLists();
    void ShowApproxVerdict(int result);

    int subTopic_ = 0;
    ApproxProblem problem_;
    bool problemOpen_ = false; // "次へ" has put up a problem since the lists were last cleared
    int completed_ = 0;        // numbers entered for this problem
    int first_ = 0;            // the rounded X the child gave
    int second_ = 0;           // the rounded Y the child gave

    PickList* menu_ = nullptr;      // ComboBox1
    QLabel* lesson_ = nullptr;      // Label4: lesson, or the problem's instruction
    QLabel* problemText_ = nullptr; // Label5
    QLabel* working_ = nullptr;     // Label6: the child's numbers
    QLabel* verdict_ = nullptr;     // Label7
    DigitLists* lists_ = nullptr;   // ComboBox6 (ten-thousands) .. ComboBox2 (ones)
    ModeButton* mode_ = nullptr;    // CuteButton3
    CuteButton* next_ = nullptr;    // CuteButton4
};
