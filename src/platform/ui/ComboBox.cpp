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

int ComboBox::itemIndex() const
{
    const QString typed = currentText();
    if (currentIndex() >= 0 && itemText(currentIndex()) == typed)
        return currentIndex();
    return findText(typed, Qt::MatchFixedString);
}
