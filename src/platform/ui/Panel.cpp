#include "Panel.h"

#include <QPainter>

Panel::Panel(QWidget* parent) : QFrame(parent), m_layout(new AlignLayout(this))
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
}

void Panel::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void Panel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_caption.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter, m_caption);
}
