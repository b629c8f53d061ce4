// TForm1: the contents screen ("もくじ"), the program's main window.
// It lists the seven chapters and opens the topic screens modally, holds the
// Help menu, "おわる" and the clock, and switches sound on one second after
// it appears with the start-up chime.
#pragma once

#include "topic_screen.h"

#include <array>

class CuteButton;
class HelpWindow;
class QMenuBar;
class QTimer;

class TForm1 : public TopicScreen
{
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    void FormCreate() override;

    // Connects topic button n (3 to 18) to its screen and enables it. A button
    // without a screen stays visible and disabled.
    void setTopicScreen(int buttonNumber, TopicScreen* screen);

    CuteButton* topicButton(int buttonNumber) const;
    QTimer* soundTimer() const { return timer3_; }
    HelpWindow* helpWindow() const { return help_; }

    // The help document beside the program.
    static QString HelpFileName();

public slots:
    void Timer3Timer();
    void utorial1Click();
    void About1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<CuteButton*, 16> buttons_{};
    std::array<TopicScreen*, 16> screens_{};
    QTimer* timer3_ = nullptr;
    QMenuBar* menu_ = nullptr;
    HelpWindow* help_ = nullptr;
};
