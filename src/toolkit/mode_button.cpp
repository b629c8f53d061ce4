// ModeButton: study / test mode toggle.
#include "mode_button.h"

#include "screen_style.h"

ModeButton::ModeButton(QWidget* parent, const QString& name, const QRect& geometry)
    : CuteButton(parent, name, QStringLiteral("べんきょう"), geometry, Palette::Green, Qt::white)
{
}

void ModeButton::setMode(Mode mode)
{
    mode_ = mode;
    setText(mode == Study ? QStringLiteral("べんきょう") : QStringLiteral("テスト"));
}

ModeButton::Mode ModeButton::toggle()
{
    setMode(mode_ == Study ? Test : Study);
    return mode_;
}
