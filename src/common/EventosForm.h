#pragma once

#include <QChar>

class QObject;

// The key-preview handler of a window (Sender is the window): every character passes the text
// filter, and Enter moves the focus to the next control, as Tab does, except in a multi-line text
// box or a data grid, which keep their own Enter.
void OnKeyPressDoForm(QObject* Sender, QChar& Key);
