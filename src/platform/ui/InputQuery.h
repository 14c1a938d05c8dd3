#pragma once

#include <QString>

// Asks for one line of text in a small modal dialog with OK and Cancel. Returns whether OK was
// pressed; only then is `value` replaced by what was typed (it starts as the dialog's text).
bool InputQuery(const QString& caption, const QString& prompt, QString& value);
