#include "UnExcecaoDataSet.h"

#include "Field.h"

TExcecaoDataSet::TExcecaoDataSet(const QString& msg, Field* p_campo, bool setFocus) : Exception(msg), fcampo(p_campo)
{
    if (setFocus && p_campo)
        p_campo->focusControl();
}
