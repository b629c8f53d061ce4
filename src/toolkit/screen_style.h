// The look every screen shares: the rounded Japanese face, the colours the
// screens name, and a helper that makes a label in one call.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace Palette {
inline const QColor Navy{0, 0, 128};
inline const QColor Teal{0, 128, 128};
inline const QColor Red{255, 0, 0};
inline const QColor Cream{255, 251, 240};
inline const QColor SkyBlue{166, 202, 240};
inline const QColor PaleGreen{189, 232, 215};
inline const QColor Green{0, 128, 0};
inline const QColor ScreenBackground{234, 234, 255};
inline const QColor StatusBar{208, 208, 255};
inline const QColor Subtitle{202, 55, 78};
} // namespace Palette

// The rounded Gothic face at a pixel size; the families after the first stand
// in when it is not installed.
QFont ScreenFont(int pixelSize, bool bold = false);

// The family names asked for, in order of preference.
QStringList ScreenFontFamilies();

// Writes a label's text and fits the label to it.
void SetLabelText(QLabel* label, const QString& text);

// A label at (x, y) that sizes itself to its text. Multi-line texts use "\n".
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QColor& color,
                  int pixelSize, bool bold, int x, int y);
