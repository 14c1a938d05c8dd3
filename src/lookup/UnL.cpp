#include "UnL.h"

#include "Eventos.h"
#include "Field.h"
#include "ReescritaSQL.h"

TFormL* FormL = nullptr;

namespace UnL {
int TipoCampo = 0;
}  // namespace UnL

TFormL::TFormL(QWidget* parent) : TFormBusca(QStringLiteral("Buscar"), QSize(674, 449), 90, parent)
{
    OnShow = [this](QObject* Sender) { FormShow(Sender); };
    DBGridB->OnTitleClick = [this](GridColumn& Column) { DBGridBTitleClick(Column); };
    DBGridB->OnDblClick = [this](QObject* Sender) { DBGridBDblClick(Sender); };
    FormCreate(this);
}

void TFormL::FormCreate(QObject*)
{
    Escolheu = false;
    usaDestaque = false;
    buscaNovamenteOnShow = true;
}

int& TFormL::tipoCampo()
{
    return UnL::TipoCampo;
}

// A numeric column takes letters as well; only the multi-select window refuses them there.
bool TFormL::aceitaTecla(QChar Key)
{
    if (tipoCampo() == 1)
        return teclaDeTexto(Key);
    return teclaDeControle(Key) || digitoOuSeparador(Key) || letraAscii(Key);
}

void TFormL::FormShow(QObject*)
{
    if (buscaNovamenteOnShow)
        OnShowDoFormL(DBGridB);
}

void TFormL::DBGridBTitleClick(GridColumn& Column)
{
    // The status bar updated is that of the window held in FormL, as callers create it there.
    OnTitleClickDoDBGridB(Column, FormL ? static_cast<QWidget*>(FormL) : this);
    if (Field* campoDaColuna = Column.fieldIn(&QueryLoc))
        campoDaColuna->focusControl();
}

void TFormL::DBGridBDblClick(QObject*)
{
    if (QueryLoc.isEmpty())
        return;
    Escolheu = true;
    close();
}

void TFormL::TrocaTextoDaSQL(const QString& p_campo)
{
    const QString novaSQL = ReescreveSQL(QueryLoc.sql().text(), p_campo, TVarianteReescrita::Direta, false);
    QueryLoc.close();
    QueryLoc.sql().setText(novaSQL);
}
