// The focus colours and the digit filter of input boxes.
#include "Eventos.h"

#include "Colors.h"
#include "DBEdit.h"
#include "DBGrid.h"
#include "DateTimePicker.h"
#include "Edit.h"
#include "Memo.h"

namespace {

const QColor kFocusBackground(0, 128, 192);

// The boxes that take the focus colours; other controls keep their own look.
bool isInputBox(QObject* control)
{
    return dynamic_cast<DBEdit*>(control) || dynamic_cast<Edit*>(control) || dynamic_cast<Memo*>(control) ||
           dynamic_cast<DateTimePicker*>(control);
}

void paint(QWidget& box, const QColor& background, const QColor& text, bool bold)
{
    setBackgroundColor(box, background);
    setTextColor(box, text);
    QFont font = box.font();
    font.setBold(bold);
    box.setFont(font);
}

}  // namespace

void OnEnterDoDBEdit(QObject* Sender)
{
    if (isInputBox(Sender))
        paint(*qobject_cast<QWidget*>(Sender), kFocusBackground, Qt::white, true);
}

void OnEnterDoDBEdit(GridColumn& Sender)
{
    Sender.setColor(kFocusBackground);
    Sender.setFontColor(Qt::white);
    Sender.setFontBold(true);
}

void OnExitDoDBEdit(QObject* Sender)
{
    if (!isInputBox(Sender))
        return;
    auto* box = qobject_cast<QWidget*>(Sender);
    const bool plainEdit = dynamic_cast<Edit*>(Sender) != nullptr;
    if (plainEdit && !box->isEnabled())
        return;
    paint(*box, Qt::white, Qt::black, false);
}

void OnKeyPressDosNumeros(QChar& Key)
{
    const bool allowed = Key == u'\b' || Key == u'\r' || Key == u',' || (Key >= u'0' && Key <= u'9');
    if (!allowed)
        Key = QChar();
}
