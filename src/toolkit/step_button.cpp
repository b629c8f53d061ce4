// StepButton: the step counter and caption of a worked example.
#include "step_button.h"

#include "screen_style.h"

StepButton::StepButton(QWidget* parent, const QString& name, const QRect& geometry)
    : CuteButton(parent, name, Caption(1), geometry, Palette::PaleGreen, Palette::Navy)
{
}

QString StepButton::Caption(int step)
{
    // Full-width digits, as every caption of the program writes them.
    QString number = QString::number(step);
    for (QChar& c : number)
        c = QChar(c.unicode() - u'0' + u'０');
    return QStringLiteral("ステップ") + number;
}

int StepButton::advance()
{
    ++step_;
    setText(Caption(step_ + 1));
    return step_;
}

void StepButton::restart()
{
    step_ = 0;
    setText(Caption(1));
}
