#include "GridCanvas.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

GridCanvas::GridCanvas(QPainter& painter, const QWidget& grid, int row)
    : brushColor(grid.palette().color(QPalette::Base)),
      fontColor(grid.palette().color(QPalette::Text)),
      font(grid.font()),
      m_painter(painter),
      m_grid(grid),
      m_row(row)
{
}

void GridCanvas::fillRect(const QRect& rect)
{
    m_painter.fillRect(rect, brushColor);
}

void GridCanvas::drawText(const QRect& rect, const QString& text, Qt::Alignment alignment)
{
    m_painter.save();
    m_painter.setFont(font);
    m_painter.setPen(fontColor);
    const QRect inner = rect.adjusted(2, 0, -2, 0);
    m_painter.drawText(inner, static_cast<int>(alignment | Qt::TextSingleLine),
                       m_painter.fontMetrics().elidedText(text, Qt::ElideNone, inner.width()));
    m_painter.restore();
}

void GridCanvas::textOut(int x, int y, const QString& text)
{
    m_painter.save();
    m_painter.setFont(font);
    m_painter.setPen(fontColor);
    const QFontMetrics metrics(font, m_painter.device());
    m_painter.drawText(QPoint(x, y + metrics.ascent()), text);
    m_painter.restore();
}

void GridCanvas::drawCheckBox(const QRect& rect, bool checked)
{
    QStyleOptionButton option;
    option.initFrom(&m_grid);
    option.rect = rect;
    option.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
    const int side = std::min(
        {rect.width(), rect.height(), m_grid.style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, &m_grid)});
    option.rect = QRect(0, 0, side, side);
    option.rect.moveCenter(rect.center());
    m_grid.style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &m_painter, &m_grid);
}
