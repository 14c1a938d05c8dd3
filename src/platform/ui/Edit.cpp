#include "Edit.h"

#include <QMouseEvent>

Edit::Edit(QWidget* parent) : Control<QLineEdit>(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (OnChange)
            Application::guard([&] { OnChange(this); });
    });
}

void Edit::mouseReleaseEvent(QMouseEvent* event)
{
    Control<QLineEdit>::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && OnClick)
        Application::guard([&] { OnClick(this); });
}
