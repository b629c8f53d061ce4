// ModeButton: the green button that names the screen's current mode,
// "べんきょう" (study) or "テスト" (test). The mode is kept by the button
// itself, so the caption and the mode can never disagree.
#pragma once

#include "cute_button.h"

class ModeButton : public CuteButton
{
    Q_OBJECT
public:
    enum Mode { Study = 1, Test = 2 };

    ModeButton(QWidget* parent, const QString& name, const QRect& geometry);

    Mode mode() const { return mode_; }
    void setMode(Mode mode);

    // Switches to the other mode and returns the new one.
    Mode toggle();

private:
    Mode mode_ = Study;
};
