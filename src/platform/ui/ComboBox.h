#pragma once

#include "Control.h"

#include <QComboBox>

// A combo box whose text the user may also type. OnChange follows every change of that text.
class ComboBox : public Control<QComboBox> {
public:
    explicit ComboBox(QWidget* parent = nullptr);

    TNotifyEvent OnChange;

    QString text() const { return currentText(); }
    void setText(const QString& text) { setEditText(text); }
    // The item the text stands for: -1 once the user typed a text that is none of the items.
    int itemIndex() const;
    void setItemIndex(int index) { setCurrentIndex(index); }
};
