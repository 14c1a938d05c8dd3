#pragma once

#include "Control.h"

#include <QCheckBox>

class CheckBox : public Control<QCheckBox> {
public:
    explicit CheckBox(QWidget* parent = nullptr);

    TNotifyEvent OnClick;

    void setCaption(const QString& caption) { setText(caption); }
};
