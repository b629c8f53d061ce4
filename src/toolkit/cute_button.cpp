// CuteButton: the coloured flat buttons of every screen.
#include "cute_button.h"

#include "screen_style.h"

CuteButton::CuteButton(QWidget* parent, const QString& name, const QString& caption,
                       const QRect& geometry, const QColor& face, const QColor& text, int pixelSize)
    : QPushButton(caption, parent)
    , face_(face)
    , text_(text)
{
    setObjectName(name);
    setGeometry(geometry);
    setFont(ScreenFont(pixelSize, true));
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    applyStyle();
}

void CuteButton::setFaceColor(const QColor& face)
{
    face_ = face;
    applyStyle();
}

void CuteButton::applyStyle()
{
    // A disabled button keeps its shape but fades, so a child sees it cannot
    // be pressed yet.
    setStyleSheet(QStringLiteral(
                      "QPushButton { background-color: %1; color: %2; border: 1px solid %3;"
                      " border-radius: 6px; padding: 0px; }"
                      "QPushButton:hover { background-color: %4; }"
                      "QPushButton:pressed { background-color: %3; }"
                      "QPushButton:disabled { background-color: %5; color: %6; border-color: %5; }")
                      .arg(face_.name(), text_.name(), face_.darker(130).name(),
                           face_.lighter(110).name(), QColor(0xd8, 0xd8, 0xe0).name(),
                           QColor(0x98, 0x98, 0xa8).name()));
}
