#pragma once

#include "Control.h"

#include <QLineEdit>

// A one-line edit box. OnChange follows every change of its text, typed or set by the program.
class Edit : public Control<QLineEdit> {
public:
    explicit Edit(QWidget* parent = nullptr);

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;

    // A box left out of Tab moves can still be focused by mouse or by the program.
    void setTabStop(bool on) { setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus); }
    bool tabStop() const { return focusPolicy() & Qt::TabFocus; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
