#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

// The colour a control paints its background with, whatever kind of control it is.
inline void setBackgroundColor(QWidget& widget, const QColor& color)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Button, color);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

inline QColor backgroundColor(const QWidget& widget)
{
    return widget.palette().color(widget.backgroundRole() == QPalette::Window ? QPalette::Window : QPalette::Base);
}

inline void setTextColor(QWidget& widget, const QColor& color)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    widget.setPalette(palette);
}

// The system colours the windows are described in.
inline QColor clBtnFace()
{
    return QPalette().color(QPalette::Button);
}
inline QColor clInfoBk()
{
    return QPalette().color(QPalette::ToolTipBase);
}
