#include "EventosForm.h"

#include "DBGrid.h"
#include "EventosKey.h"
#include "Form.h"
#include "Memo.h"

#include <QApplication>

#include <typeinfo>

namespace {

constexpr QChar kEnter(u'\r');

// The control that has the focus inside the window: the application's focus while the window is
// active, otherwise the control the window would give the focus back to.
QWidget* controleComFoco(Form& form)
{
    QWidget* focado = QApplication::focusWidget();
    if (!focado || focado->window() != &form)
        focado = form.focusWidget();
    return focado == &form ? nullptr : focado;
}

// Only these exact classes keep their Enter; a class derived from them moves on like any other box.
bool guardaOEnter(const QWidget& controle)
{
    const std::type_info& classe = typeid(controle);
    return classe == typeid(Memo) || classe == typeid(DBGrid);
}

}  // namespace

void OnKeyPressDoForm(QObject* Sender, QChar& Key)
{
    OnKeyPressDosTextos(Key);
    if (Key != kEnter)
        return;
    auto* form = dynamic_cast<Form*>(Sender);
    if (!form)
        return;
    const QWidget* controle = controleComFoco(*form);
    if (!controle || guardaOEnter(*controle))
        return;
    form->selectNext();
    Key = QChar();
}
