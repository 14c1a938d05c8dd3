#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QPainter;
class QStyle;
class QWidget;

// What a grid's cell drawing paints with: the brush colour the grid prepared for the cell (normal or
// selected), the text colour and font, and the row being drawn.
class GridCanvas {
public:
    GridCanvas(QPainter& painter, const QWidget& grid, int row);

    QColor brushColor;
    QColor fontColor;
    QFont font;
    // The dataset row being drawn (counted like the dataset's record numbers).
    int row() const { return m_row; }

    void fillRect(const QRect& rect);
    void drawText(const QRect& rect, const QString& text, Qt::Alignment alignment);
    // The text with its top left corner at (x, y), in the canvas's font and text colour.
    void textOut(int x, int y, const QString& text);
    // The platform's standard check box, ticked or not, fitted into `rect`.
    void drawCheckBox(const QRect& rect, bool checked);

    QPainter& painter() { return m_painter; }

private:
    QPainter& m_painter;
    const QWidget& m_grid;
    int m_row;
};
