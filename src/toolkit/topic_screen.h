// TopicScreen: what every screen of the program has in common.
// A fixed window centred on the desktop with the screen background and face,
// the prompt line with its picture and blink, the status-bar clock, and the
// buttons "おわる" (CuteButton1) and "もくじへ" (CuteButton2). The window's
// close box acts as "もくじへ". showModally() resets the screen (FormCreate)
// and then shows it modally in front of the contents screen.
#pragma once

#include <QDialog>

class CuteButton;
class ModeButton;
class PickList;
class PromptBlinker;
class QLabel;
class QStatusBar;
class ScreenClock;

class TopicScreen : public QDialog
{
    Q_OBJECT
public:
    struct Frame {
        QString className;         // the screen's objectName ("TForm3")
        QString caption;           // the window caption
        QSize size{955, 716};
        QString promptName = QStringLiteral("Label3");
        QString imageName = QStringLiteral("Image1");
        int blinkInterval = 500;   // the wait before the screen's first blink
        int clockPanelLeft = 600;  // width of the empty first status panel
        bool topicButtons = true;  // "おわる" and "もくじへ" (not on the contents screen)
    };

    TopicScreen(const Frame& frame, QWidget* parent = nullptr);

    // Resets the screen for showing, then shows it modally until it closes.
    int showModally();

    // The reset each screen runs every time it is shown.
    virtual void FormCreate() = 0;

    // Sets the prompt line and blinks it once.
    void setPrompt(const QString& text);
    QString promptText() const;

    // The y of the bottom row of buttons, above the status bar.
    int bottomRowTop() const;

    // The parts most lesson screens share, each at its usual place: the
    // sub-topic menu "ComboBox1" at the top right, and in the bottom row the
    // mode button "CuteButton3" and "次へ" "CuteButton4".
    PickList* makeMenu(const QStringList& items, const QString& heading);
    ModeButton* makeModeButton();
    CuteButton* makeNextButton();

    QLabel* promptLabel() const { return prompt_; }
    QLabel* promptImage() const { return image_; }
    PromptBlinker* blinker() const { return blinker_; }
    ScreenClock* clock() const { return clock_; }
    QStatusBar* statusBar() const { return statusBar_; }

protected:
    // Runs whenever the screen closes ("もくじへ", the close box, Esc), before
    // control goes back to the contents screen.
    virtual void screenClosing() {}

    void done(int result) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* prompt_ = nullptr;
    QLabel* image_ = nullptr;
    PromptBlinker* blinker_ = nullptr;
    ScreenClock* clock_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
};
