#include "AlignLayout.h"

#include <QWidget>

AlignLayout::AlignLayout(QWidget* parent) : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

AlignLayout::~AlignLayout()
{
    for (const Entry& entry : m_entries)
        delete entry.item;
}

void AlignLayout::addAligned(QWidget* widget, Align side, QMargins margins)
{
    addChildWidget(widget);
    m_entries.append({new QWidgetItem(widget), side, margins});
    invalidate();
}

void AlignLayout::addItem(QLayoutItem* item)
{
    m_entries.append({item, Align::Client, {}});
}

QLayoutItem* AlignLayout::itemAt(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries[index].item : nullptr;
}

QLayoutItem* AlignLayout::takeAt(int index)
{
    if (index < 0 || index >= m_entries.size())
        return nullptr;
    return m_entries.takeAt(index).item;
}

int AlignLayout::count() const
{
    return static_cast<int>(m_entries.size());
}

QSize AlignLayout::sizeHint() const
{
    return minimumSize();
}

QSize AlignLayout::minimumSize() const
{
    return {0, 0};
}

void AlignLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    QRect free = contentsRect();
    for (const Entry& entry : m_entries) {
        QWidget* widget = entry.item->widget();
        if (!widget || widget->isHidden())
            continue;
        const QMargins& m = entry.margins;
        const int height = widget->height() + m.top() + m.bottom();
        const int width = widget->width() + m.left() + m.right();
        QRect band;
        switch (entry.side) {
            case Align::Top:
                band = QRect(free.left(), free.top(), free.width(), height);
                free.setTop(free.top() + height);
                break;
            case Align::Bottom:
                band = QRect(free.left(), free.bottom() + 1 - height, free.width(), height);
                free.setBottom(free.bottom() - height);
                break;
            case Align::Left:
                band = QRect(free.left(), free.top(), width, free.height());
                free.setLeft(free.left() + width);
                break;
            case Align::Right:
                band = QRect(free.right() + 1 - width, free.top(), width, free.height());
                free.setRight(free.right() - width);
                break;
            case Align::Client:
                band = free;
                break;
        }
        widget->setGeometry(band.marginsRemoved(m));
    }
}
