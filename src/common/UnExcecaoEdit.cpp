#include "UnExcecaoEdit.h"

#include <QLineEdit>

TExcecaoEdit::TExcecaoEdit(const QString& msg, QLineEdit* p_Edit, bool p_setarFoco) : Exception(msg), fEdit(p_Edit)
{
    if (p_setarFoco && p_Edit)
        p_Edit->setFocus(Qt::OtherFocusReason);
}
