// TForm2: "小数のしくみ", decimal place values.
// Study mode pages through two lesson texts with "次へ"; test mode puts up a
// number to take apart into tens, ones, tenths and hundredths, or counts to
// put together into a number. The child picks the four digits from four
// lists; the pick in the last list (hundredths) judges at once.
#pragma once

#include "lesson_pages.h"
#include "place_value_problems.h"
#include "topic_screen.h"

#include <array>

class CuteButton;
class ModeButton;
class PickList;
class QLabel;

class TForm2 : public TopicScreen
{
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    void FormCreate() override;

    const PlaceValueProblem& problem() const { return problem_; }
    int lessonPage() const { return pages_.page(); }

private:
    void CuteButton3Click();
    void CuteButton4Click();
    void DigitPicked(int place, int digit); // ComboBox4Change .. ComboBox2Change
    void ComboBox1Change(int digit);

    void ClearPlaceValueScreen();
    void ShowPlaceValueLists();
    void JudgePlaceValueAnswer();

    LessonPages pages_;
    PlaceValueProblem problem_;
    std::array<int, 4> digits_{}; // tens, ones, tenths, hundredths as picked

    QLabel* text_ = nullptr;    // Label3: lesson page or problem
    QLabel* answer_ = nullptr;  // Label4: the answer after judging
    QLabel* verdict_ = nullptr; // Label5: "○" or "×"
    QLabel* point_ = nullptr;   // Label6: "小数点" in the compose form
    std::array<PickList*, 4> lists_{}; // ComboBox4, ComboBox3, ComboBox2, ComboBox1
    ModeButton* mode_ = nullptr; // CuteButton3
    CuteButton* next_ = nullptr; // CuteButton4
};
