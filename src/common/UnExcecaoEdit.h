#pragma once

#include "Exception.h"

class QLineEdit;

// An input error in an edit box: it knows the box that holds the wrong value and can put the focus
// there as it is raised, so the clerk is already in the right place when the error box closes.
class TExcecaoEdit : public Exception {
public:
    TExcecaoEdit(const QString& msg, QLineEdit* p_Edit, bool p_setarFoco);

    QLineEdit* Edit() const { return fEdit; }

private:
    QLineEdit* fEdit;
};
