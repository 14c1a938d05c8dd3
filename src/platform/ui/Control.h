#pragma once

#include "Application.h"
#include "Events.h"
#include "KeyChar.h"

#include <QFocusEvent>
#include <QKeyEvent>

// Gives a toolkit widget the layer's event properties: OnEnter and OnExit when the focus moves
// between controls (not when a whole window is activated or left, or a popup opens), and OnKeyPress
// before the widget handles a typed character.
template <typename Widget>
class Control : public Widget, public ControlEvents {
public:
    using Widget::Widget;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        Widget::focusInEvent(event);
        if (movesBetweenControls(event->reason()) && OnEnter)
            Application::guard([&] { OnEnter(this); });
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        Widget::focusOutEvent(event);
        if (movesBetweenControls(event->reason()) && OnExit)
            Application::guard([&] { OnExit(this); });
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        KeyChar::Filtered filtered = KeyChar::run(OnKeyPress, this, *event);
        switch (filtered.outcome) {
            case KeyChar::Outcome::Deliver:
                Widget::keyPressEvent(event);
                break;
            case KeyChar::Outcome::Swallow:
                event->accept();
                break;
            case KeyChar::Outcome::Replace:
                Widget::keyPressEvent(filtered.event.get());
                event->setAccepted(filtered.event->isAccepted());
                break;
        }
    }

private:
    static bool movesBetweenControls(Qt::FocusReason reason)
    {
        return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
    }
};
