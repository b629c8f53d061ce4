// StepButton: the "ステップ" button of a worked example that is built up one
// step at a time. It counts the steps shown so far, and its caption names the
// step the next press will show ("ステップ１", "ステップ２", ...).
#pragma once

#include "cute_button.h"

class StepButton : public CuteButton
{
    Q_OBJECT
public:
    StepButton(QWidget* parent, const QString& name, const QRect& geometry);

    // Steps shown so far; 0 before the first.
    int step() const { return step_; }

    // Counts one more step and names the one after it in the caption.
    // Returns the step to show now.
    int advance();

    // Back to the start: no step shown, caption "ステップ１".
    void restart();

    // The caption that names step n ("ステップ３"), with a full-width digit.
    static QString Caption(int step);

private:
    int step_ = 0;
};
