// ColumnLabel: numbers of a written calculation, one digit per column.
#include "column_label.h"

#include "screen_style.h"

#include <QPainter>

ColumnLabel::ColumnLabel(QWidget* parent, const QString& name, int right, int top, int columns,
                         int columnWidth, int pixelSize, const QColor& color)
    : QLabel(parent)
    , columnWidth_(columnWidth)
{
    setObjectName(name);
    setFont(ScreenFont(pixelSize));
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, color);
    setPalette(palette);
    const int width = columns * columnWidth;
    setGeometry(right - width, top, width, fontMetrics().height());
}

int ColumnLabel::ColumnCount(const QString& text)
{
    return int(text.size() - text.count(QLatin1Char('.')));
}

void ColumnLabel::paintEvent(QPaintEvent*)
{
    const QString content = text();
    const int columns = ColumnCount(content);
    if (columns == 0)
        return;
    const int column = std::min(columnWidth_, width() / columns);
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));

    // The point is a round dot on the baseline, centred on the line between
    // two columns, large enough for a child to see at once.
    const int baseline = fontMetrics().ascent();
    const qreal dot = std::max(2.0, font().pixelSize() / 12.0);
    painter.setRenderHint(QPainter::Antialiasing);
    int index = 0; // the column of the next digit, counted from the left
    const int left = width() - columns * column;
    for (const QChar c : content) {
        if (c == QLatin1Char('.')) {
            const QPointF centre(left + index * column, baseline - dot);
            painter.setBrush(painter.pen().color());
            painter.drawEllipse(centre, dot, dot);
            continue;
        }
        painter.drawText(QRect(left + index * column, 0, column, height()), Qt::AlignHCenter | Qt::AlignTop, QString(c));
        ++index;
    }
}
