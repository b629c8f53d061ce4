// The shared face, colours and label helper.
#include "screen_style.h"

#include <QLabel>

QStringList ScreenFontFamilies()
{
    // MotoyaLMaru is the fontconfig name of the rounded face; the longer
    // display name silently falls back to a Latin face.
    return {QStringLiteral("MotoyaLMaru"), QStringLiteral("Noto Sans CJK JP")};
}

QFont ScreenFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(ScreenFontFamilies());
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void SetLabelText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QColor& color,
                  int pixelSize, bool bold, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(ScreenFont(pixelSize, bold));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->move(x, y);
    label->adjustSize();
    return label;
}
