#include "ComboBox.h"

ComboBox::ComboBox(QWidget* parent) : Control<QComboBox>(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::currentTextChanged, this, [this] {
        if (OnChange)
            Application::guard([&] { OnChange(this); });
    });
}
