// TForm17: "分数と小数" / "わり算と分数と小数", a division written as a
// fraction, fractions as decimals (exact or rounded to hundredths) and
// decimals as fractions. Study mode shows a lesson with a worked fraction;
// test mode (not for the first sub-topic) puts up random problems answered on
// one set of eight digit lists, read either as a decimal or as a mixed number.
#pragma once

#include "fraction_decimal_problems.h"
#include "topic_screen.h"

class CuteButton;
class DigitLists;
class ModeButton;
class PickList;
class QFrame;
class QLabel;

class TForm17 : public TopicScreen
{
    Q_OBJECT
public:
    enum class Layout { Decimal, Fraction };

    explicit TForm17(QWidget* parent = nullptr);

    void FormCreate() override;

    int subTopic() const { return subTopic_; }
    const ConversionProblem& problem() const { return problem_; }

private:
    void ComboBox1Change(int index);
    void CuteButton3Click();
    void CuteButton4Click();
    void DigitPicked();
    void ComboBox2Change();

    void ClearConversionScreen();
    void ShowConversionLists(Layout layout);
    void showFraction(const FractionDisplay& display);

    int subTopic_ = 0;
    ConversionProblem problem_;

    PickList* menu_ = nullptr;       // ComboBox1
    QLabel* text_ = nullptr;         // Label4: lesson or instruction
    QLabel* left_ = nullptr;         // Label5
    QLabel* whole_ = nullptr;        // Label6
    QLabel* numerator_ = nullptr;    // Label7
    QLabel* denominator_ = nullptr;  // Label8
    QLabel* right_ = nullptr;        // Label9
    QFrame* bar_ = nullptr;          // Shape1: the fraction bar
    QLabel* verdict_ = nullptr;      // Label10
    QLabel* point_ = nullptr;        // Label11: "小数点" in the decimal layout
    DigitLists* lists_ = nullptr;    // ComboBox10 .. ComboBox3, ComboBox2
    ModeButton* mode_ = nullptr;     // CuteButton3
    CuteButton* next_ = nullptr;     // CuteButton4
};
