#pragma once

#include <QChar>

#include <functional>

class QObject;

// Event properties: one handler slot per event, empty until someone assigns it, so code can ask
// whether a control already has a handler before installing its own.
using TNotifyEvent = std::function<void(QObject* Sender)>;
// The character arrives by reference: set it to 0 to swallow the key, or to another character to
// deliver that one instead.
using TKeyPressEvent = std::function<void(QObject* Sender, QChar& Key)>;

// The events every focusable control of the layer offers.
struct ControlEvents {
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyPressEvent OnKeyPress;
};
