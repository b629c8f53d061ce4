// TForm4: "小数 かけ算", written multiplication with decimals.
// Study mode: "次へ" puts up a problem and "ステップ" builds the written
// multiplication on the right one step at a time, each step explained.
// Test mode: the child fills in the rows of the written multiplication where
// the red arrow points (digit lists and "◆"), then picks how many digits
// stand right of the point; the screen judges and completes the problem line.
// "ポイント" shows and hides the key-point memo.
#pragma once

#include "multiplication_problems.h"
#include "topic_screen.h"

class ColumnLabel;
class CuteButton;
class DigitLists;
class ModeButton;
class PickList;
class QFrame;
class QLabel;
class QPlainTextEdit;
class StepButton;

class TForm4 : public TopicScreen
{
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    void FormCreate() override;

    int subTopic() const { return subTopic_; }
    int answerStage() const { return stage_; }
    const MultiplicationProblem& problem() const { return problem_; }

    // The key-point memo's lines, as the memo shows them.
    static QStringList KeyPointLines();

    // Where the red arrow stands for each row to fill in.
    static constexpr int kArrowTops[3] = {294, 328, 370};
    // The answer stage while the number of places is asked.
    static constexpr int kPlacesStage = 9;

private:
    void ComboBox1Change(int index);
    void CuteButton3Click();
    void CuteButton4Click();
    void CuteButton5Click();
    void CuteButton6Click();
    void DigitPicked(int place, int digit); // ComboBox6Change .. ComboBox2Change
    void ComboBox7Change();

    void ClearMultiplicationScreen();
    void ShowMultiplicationLists(bool placesForm);
    void ShowMultiplicationStep(int step);
    void LayOutProblem();
    void PointArrowAt(int row);
    void JudgeMultiplicationAnswer(int places);

    int subTopic_ = 0;
    int stage_ = 0;     // 0, 1, 2: rows entered so far; 9: the places are asked
    qint64 lastRow_ = 0; // the row the child entered last
    MultiplicationProblem problem_;

    PickList* menu_ = nullptr;       // ComboBox1
    QLabel* line_ = nullptr;         // Label4: the problem line
    QLabel* stepText_ = nullptr;     // Label11: what the step does
    ColumnLabel* multiplicand_ = nullptr; // Label5
    ColumnLabel* multiplier_ = nullptr;   // Label6
    QLabel* times_ = nullptr;        // Label10: "x"
    ColumnLabel* rows_[3] = {};      // Label7, Label8, Label9
    QFrame* lines_[2] = {};          // Shape1, Shape2
    QLabel* arrow_ = nullptr;        // Image2
    QLabel* verdict_ = nullptr;      // Label12
    DigitLists* lists_ = nullptr;    // ComboBox6 .. ComboBox2, ComboBox7
    QPlainTextEdit* memo_ = nullptr; // Memo1
    ModeButton* mode_ = nullptr;     // CuteButton3
    CuteButton* next_ = nullptr;     // CuteButton4
    StepButton* step_ = nullptr;     // CuteButton5
};
