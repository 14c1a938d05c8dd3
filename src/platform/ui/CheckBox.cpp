#include "CheckBox.h"

CheckBox::CheckBox(QWidget* parent) : Control<QCheckBox>(parent)
{
    connect(this, &QCheckBox::toggled, this, [this] {
        if (OnClick)
            Application::guard([&] { OnClick(this); });
    });
}
