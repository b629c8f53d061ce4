// ColumnLabel: a number written in fixed digit columns, right-aligned, as in a
// written calculation. Every digit takes one column; a decimal point takes
// none and is drawn in the gap between two columns, so "87.6" stands in the
// same columns as "876" and the rows of a calculation line up by place.
// When a text has more digits than the label has columns, the columns narrow
// so the number stays inside the label.
// The text is the plain text of a QLabel, so anything that reads the label
// reads "87.6".
#pragma once

#include <QColor>
#include <QLabel>

class ColumnLabel : public QLabel
{
    Q_OBJECT
public:
    // The label's right edge is at `right`; it has room for `columns` columns
    // of `columnWidth` pixels.
    ColumnLabel(QWidget* parent, const QString& name, int right, int top, int columns, int columnWidth,
                int pixelSize, const QColor& color);

    int columnWidth() const { return columnWidth_; }

    // The number of columns the text takes (its characters other than ".").
    static int ColumnCount(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int columnWidth_;
};
