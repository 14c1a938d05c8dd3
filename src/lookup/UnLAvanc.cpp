#include "UnLAvanc.h"

#include "Eventos.h"
#include "Field.h"

TFormLAvanc* FormLAvanc = nullptr;

namespace UnLAvanc {
int TipoCampo = 0;
bool Escolheu = false;
}  // namespace UnLAvanc

namespace {

const QString kMarcado = QStringLiteral("X");
const QString kFiltroDosMarcados = QStringLiteral(" check = 'X' ");

}  // namespace

TFormLAvanc::TFormLAvanc(QWidget* parent) : TFormBusca(QStringLiteral("Busca"), QSize(734, 448), 200, parent)
{
    QFont titulos = DBGridB->horizontalHeader()->font();
    titulos.setBold(true);
    DBGridB->setTitleFont(titulos);
    OnShow = [this](QObject* Sender) { FormShow(Sender); };
    DBGridB->OnTitleClick = [this](GridColumn& Column) { DBGridBTitleClick(Column); };
    DBGridB->OnDblClick = [this](QObject* Sender) { DBGridBDblClick(Sender); };
    FormCreate(this);
}

void TFormLAvanc::FormCreate(QObject*)
{
    UnLAvanc::Escolheu = false;
    usaDestaque = false;
}

int& TFormLAvanc::colunaLembrada()
{
    return ColAntDBGridBL;
}

int& TFormLAvanc::tipoCampo()
{
    return UnLAvanc::TipoCampo;
}

bool TFormLAvanc::escolheu() const
{
    return UnLAvanc::Escolheu;
}

// Numeric columns take no letters here.
bool TFormLAvanc::aceitaTecla(QChar Key)
{
    if (tipoCampo() == 1)
        return teclaDeTexto(Key);
    return teclaDeControle(Key) || digitoOuSeparador(Key);
}

bool TFormLAvanc::teclaPropria(QChar& Key)
{
    if (Key != u' ' || DBGridB->selectedIndex() != 0)
        return false;
    Key = QChar();
    marcar();
    return true;
}

// Sorted by the remembered column (never the tick column), descending, with the tick column current.
void TFormLAvanc::FormShow(QObject*)
{
    if (DBGridB->columnCount() > 1) {
        if (ColAntDBGridBL >= DBGridB->columnCount() || ColAntDBGridBL == 0)
            ColAntDBGridBL = 1;
        DBGridBTitleClick(DBGridB->column(ColAntDBGridBL));
    }
    DBGridB->setSelectedIndex(0);
}

void TFormLAvanc::DBGridBTitleClick(GridColumn& Column)
{
    const Field* campoDaColuna = Column.fieldIn(&QueryLoc);
    const bool colunaDeMarcacao = campoDaColuna ? campoDaColuna->index() == 0 : Column.index() == 0;
    if (colunaDeMarcacao)
        marcarTodos(Column);
    else
        OnTitleClickDoDBGridB(Column, FormLAvanc ? static_cast<QWidget*>(FormLAvanc) : this);
    if (Field* focado = Column.fieldIn(&QueryLoc))
        focado->focusControl();
}

void TFormLAvanc::DBGridBDblClick(QObject*)
{
    marcar();
}

void TFormLAvanc::marcaLinha(const QString& marca)
{
    QueryLoc.edit();
    Field& check = QueryLoc.fieldByName(QStringLiteral("check"));
    // A computed column may come read-only.
    check.setReadOnly(false);
    check.setAsString(marca);
    QueryLoc.post();
}

void TFormLAvanc::marcar()
{
    if (QueryLoc.isEmpty())
        return;
    const bool marcado = QueryLoc.fieldByName(QStringLiteral("check")).asString() == kMarcado;
    marcaLinha(marcado ? QString() : kMarcado);
}

void TFormLAvanc::marcarTodos(GridColumn& Column)
{
    const QString marca = Column.title() == kMarcado ? QString() : kMarcado;
    DBGridB->setColumnTitle(Column.index(), marca);
    QueryLoc.first();
    while (!QueryLoc.eof()) {
        marcaLinha(marca);
        QueryLoc.next();
    }
    QueryLoc.first();
}

// Enter chooses the ticked rows; with none ticked, the current row is ticked and chosen.
void TFormLAvanc::escolhe()
{
    if (QueryLoc.isEmpty())
        return;
    {
        ControlsDisabled suspenso(QueryLoc);
        const int linhaAtual = QueryLoc.recNo();
        QueryLoc.setFiltered(false);
        QueryLoc.setFilter(kFiltroDosMarcados);
        QueryLoc.setFiltered(true);
        if (QueryLoc.isEmpty()) {
            QueryLoc.setFiltered(false);
            QueryLoc.setRecNo(linhaAtual);
            marcaLinha(kMarcado);
            QueryLoc.setFilter(kFiltroDosMarcados);
            QueryLoc.setFiltered(true);
        }
        UnLAvanc::Escolheu = true;
        QueryLoc.setFiltered(false);
    }
    close();
}
