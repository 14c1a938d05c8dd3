#include "InputQuery.h"

#include "ActiveWindowRestorer.h"

#include <QApplication>
#include <QInputDialog>

bool InputQuery(const QString& caption, const QString& prompt, QString& value)
{
    const ActiveWindowRestorer activation;
    bool ok = false;
    const QString typed =
        QInputDialog::getText(QApplication::activeWindow(), caption, prompt, QLineEdit::Normal, value, &ok);
    if (ok)
        value = typed;
    return ok;
}
