#pragma once

#include <QChar>

// The text filter of every character typed in the program's windows: accented letters become the
// plain capital, lower-case letters are upper-cased, and what the host system cannot store or search
// for (the apostrophe, "^", "`", "~", other accented letters, anything above Latin-1) is refused by
// clearing the key.
void OnKeyPressDosTextos(QChar& Key);
