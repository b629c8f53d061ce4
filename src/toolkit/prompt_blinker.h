// PromptBlinker: the prompt line blinks once each time its text changes.
// After a start the prompt stays up for one interval, disappears for 50 ms,
// comes back, and the timer stops 500 ms later, always leaving it shown.
#pragma once

#include <QObject>

class QLabel;
class QTimer;

class PromptBlinker : public QObject
{
    Q_OBJECT
public:
    // initialInterval sets the wait before the screen's very first blink.
    PromptBlinker(QLabel* prompt, int initialInterval, QObject* parent);

    // Sets the prompt's text and blinks it once. A start while a blink is
    // running begins the count again.
    void start(const QString& text);

    QTimer* timer() const { return timer_; }
    int count() const { return count_; }

public slots:
    // One tick of the blink timer.
    void Timer2Timer();

private:
    QLabel* prompt_;
    QTimer* timer_;
    int count_ = 0;
};
