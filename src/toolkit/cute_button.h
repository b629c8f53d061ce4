// CuteButton: a flat push button with a coloured face and a caption.
#pragma once

#include <QPushButton>

class CuteButton : public QPushButton
{
    Q_OBJECT
public:
    CuteButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
               const QColor& face, const QColor& text, int pixelSize = 18);

    void setFaceColor(const QColor& face);
    QColor faceColor() const { return face_; }

private:
    void applyStyle();

    QColor face_;
    QColor text_;
};
