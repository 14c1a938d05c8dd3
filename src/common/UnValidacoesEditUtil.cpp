#include "UnValidacoesEditUtil.h"

#include "Eventos.h"
#include "Exception.h"
#include "UnExcecaoEdit.h"

#include <QLineEdit>
#include <QLocale>

namespace {

QString hintOf(const QLineEdit* edit)
{
    return edit->toolTip();
}

// Bounds read "#,##0.00" under the locale's separators, also when they count characters.
QString bound(double value)
{
    return QLocale().toString(value, 'f', 2);
}

QString chosen(const QString& mens, const QString& standard)
{
    return mens.isEmpty() ? standard : mens;
}

// Below `min` or above `max`: a plain error, which moves no focus.
void checkRange(const QLineEdit* edit, double value, double min, double max, QString& mens)
{
    if (value < min) {
        if (mens.isEmpty())
            mens = QStringLiteral("O valor de: ") + hintOf(edit) + QStringLiteral(" deve ser maior que ") + bound(min);
        throw Exception(mens);
    }
    if (value > max) {
        if (mens.isEmpty())
            mens = QStringLiteral("O valor de: ") + hintOf(edit) + QStringLiteral(" deve ser menor que ") + bound(max);
        throw Exception(mens);
    }
}

}  // namespace

void Validar::notNull(QLineEdit* edit, const QString& mens, bool setarFoco)
{
    if (edit->text().isEmpty())
        throw TExcecaoEdit(chosen(mens, QStringLiteral("Preencha o campo: ") + hintOf(edit)), edit, setarFoco);
    edit->setFocus(Qt::OtherFocusReason);
}

void Validar::maiorQueZero(QLineEdit* edit, const QString& mens, bool setarFoco)
{
    if (!(NumeroSemMascara(edit->text()) > 0))
        throw TExcecaoEdit(
            chosen(mens, QStringLiteral("O campo: ") + hintOf(edit) + QStringLiteral(" deve ser maior que zero")), edit,
            setarFoco);
    edit->setFocus(Qt::OtherFocusReason);
}

void Validar::notNullEMaiorQueZero(QLineEdit* edit, const QString& mens, bool setarFoco)
{
    notNull(edit, mens, setarFoco);
    maiorQueZero(edit, mens, setarFoco);
}

void Validar::intervalo(QLineEdit* edit, double min, double max, QString mens)
{
    checkRange(edit, NumeroSemMascara(edit->text()), min, max, mens);
}

void Validar::tamanho(QLineEdit* edit, double min, double max, QString mens)
{
    checkRange(edit, static_cast<double>(SomenteNumeros(edit->text()).size()), min, max, mens);
}

void Validar::valorBooleano(QLineEdit* edit, const QString& p_nomeCampo)
{
    const QString text = edit->text();
    if (text != QStringLiteral("S") && text != QStringLiteral("N"))
        throw TExcecaoEdit(QStringLiteral("Informe o valor para \"") + p_nomeCampo +
                               QStringLiteral("\", \"S\" para Sim ou \"N\" para Não"),
                           edit, true);
}
