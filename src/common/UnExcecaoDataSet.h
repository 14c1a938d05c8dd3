#pragma once

#include "Exception.h"

class Field;

// An error in a dataset's value: it knows the field and can give the focus to the control that
// shows it, if there is one.
class TExcecaoDataSet : public Exception {
public:
    TExcecaoDataSet(const QString& msg, Field* p_campo, bool setFocus);

    Field* Campo() const { return fcampo; }

private:
    Field* fcampo;
};
