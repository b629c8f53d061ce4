// PromptBlinker: one short blink of the prompt line.
#include "prompt_blinker.h"

#include "screen_style.h"

#include <QLabel>
#include <QTimer>

PromptBlinker::PromptBlinker(QLabel* prompt, int initialInterval, QObject* parent)
    : QObject(parent)
    , prompt_(prompt)
    , timer_(new QTimer(this))
{
    timer_->setObjectName(QStringLiteral("Timer2"));
    timer_->setInterval(initialInterval);
    connect(timer_, &QTimer::timeout, this, &PromptBlinker::Timer2Timer);
}

void PromptBlinker::start(const QString& text)
{
    SetLabelText(prompt_, text);
    count_ = 0;
    // Switching on a timer that is already on keeps its period running.
    if (!timer_->isActive())
        timer_->start();
}

void PromptBlinker::Timer2Timer()
{
    ++count_;
    if (count_ >= 3) {
        timer_->stop();
        return;
    }
    if (count_ % 2 == 1) {
        prompt_->hide();
        timer_->setInterval(50);
    } else {
        prompt_->show();
        timer_->setInterval(500);
    }
}
