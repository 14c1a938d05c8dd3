// The main window's invoice list: selecting the client's groupable invoices and ticking them.
#include "UnPrincipal.h"

#include "Conversions.h"
#include "Eventos.h"
#include "InputQuery.h"
#include "UnDM.h"
#include "UnExcecaoEdit.h"
#include "UnValidacoesEditUtil.h"

#include <QRegularExpression>
#include <QScopeGuard>

#include <optional>

namespace {

// The row count a tick-all pass divides the progress bar by.
int linhas = 0;

const QColor kCorMarcada(166, 202, 240);
const QString kCampoAtivo = QStringLiteral("ativo");
const QString kMarcaTodas = QStringLiteral("X");

// A client code is a plain decimal number within 32 bits (leading zeros allowed); anything else
// is no code at all, so it can never widen or bend the selection.
std::optional<std::int32_t> codigoDoCliente(const QString& texto)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(texto).hasMatch())
        return std::nullopt;
    bool ok = false;
    const std::int32_t codigo = texto.toInt(&ok);
    return ok ? std::optional(codigo) : std::nullopt;
}

bool marcadaNaLinha(const Query& nf, int row)
{
    const Value ativo = nf.fieldByName(kCampoAtivo).valueAt(row);
    return !ativo.isNull() && ativo.toInt() == 1;
}

}  // namespace

void TFormPrincipal::bb_selecionarClick(QObject*)
{
    const QString mensagem = QStringLiteral("Informe o cliente.");
    Validar::notNullEMaiorQueZero(EditCli, mensagem, true);
    const std::optional<std::int32_t> codigo = codigoDoCliente(EditCli->text());
    if (!codigo || *codigo <= 0)
        throw TExcecaoEdit(mensagem, EditCli, true);
    Selecionar();
}

void TFormPrincipal::Selecionar()
{
    Query& nf = DM->FDQueryNF;
    nf.close();
    nf.sql().clear();
    nf.sql().add(QStringLiteral("select "));
    nf.sql().add(QStringLiteral("0 as ativo, parcod, pardes, cast(nfobs as Character Varying(254)) as nfobs,"));
    nf.sql().add(QStringLiteral(" * "));
    nf.sql().add(QStringLiteral("from nf "));
    nf.sql().add(QStringLiteral("join par on parcod = nfparcod "));
    nf.sql().add(QStringLiteral("join opnf on nfopnfcod = opnfcod and opnfsta = 'G'"));

    // The period and the client continue the join condition; their values travel as parameters.
    QString colunaDaData;
    if (!CBQQData->isChecked()) {
        if (cbData->itemIndex() == 0)
            colunaDaData = QStringLiteral("nfdtemi");
        else if (cbData->itemIndex() == 1)
            colunaDaData = QStringLiteral("nfdtsai");
    }
    int marcador = 0;
    if (!colunaDaData.isEmpty()) {
        nf.sql().add(QStringLiteral("and date(%1) between :0 and :1").arg(colunaDaData));
        marcador = 2;
    }
    const std::int32_t cliente = codigoDoCliente(EditCli->text()).value_or(0);
    if (cliente > 0)
        nf.sql().add(QStringLiteral("and nfparcod=:%1").arg(marcador));

    if (!colunaDaData.isEmpty()) {
        nf.param(0).setDate(DTPDe->value().date());
        nf.param(1).setDate(DTPAte->value().date());
    }
    if (cliente > 0)
        nf.param(marcador).setInteger(cliente);
    fClienteDaLista = 0;
    nf.open();
    fClienteDaLista = cliente;
}

void TFormPrincipal::DBGrid1DblClick(QObject*)
{
    Query* nf = DBGrid1->dataSet();
    if (!nf || nf->isEmpty())
        return;
    // Left in edit mode: the tick is posted when the list next leaves the row.
    nf->edit();
    Field& ativo = nf->fieldByName(kCampoAtivo);
    ativo.setAsInteger(ativo.asInteger() == 1 ? 0 : 1);
}

void TFormPrincipal::DBGrid1DrawColumnCell(DBGrid* Sender, GridCanvas& Canvas, const QRect& Rect, int,
                                           GridColumn& Column, GridDrawStates)
{
    const Query* nf = Sender->dataSet();
    if (!nf || nf->isEmpty())
        return;
    const QColor OriginalColor = Canvas.brushColor;
    const bool Check = marcadaNaLinha(*nf, Canvas.row());
    Canvas.brushColor = Check ? kCorMarcada : OriginalColor;
    // The selection's white text would vanish on the light blue of a ticked row.
    if (Check)
        Canvas.fontColor = Sender->palette().color(QPalette::Text);
    Canvas.fillRect(Rect);
    if (Column.fieldName() == kCampoAtivo)
        Canvas.drawCheckBox(Rect.adjusted(1, 1, -1, -1), Check);
    else
        Sender->defaultDrawColumnCell(Canvas, Rect, Column);
}

void TFormPrincipal::DBGrid1TitleClick(GridColumn& Column)
{
    if (Column.index() == 0)
        marcarTodas(Column);
    else
        buscarDocumento(Column);
}

// Ticks every row, or unticks every row when the last pass ticked them; the first column's title
// tells which.
void TFormPrincipal::marcarTodas(GridColumn& Column)
{
    Query& nf = *DBGrid1->dataSet();
    linhas = DM->FDQueryNF.recordCount();
    ProgressBar1->setPosition(0);
    ProgressBar1->show();
    const auto esconder = qScopeGuard([this] { ProgressBar1->hide(); });
    nf.first();
    const bool marcar = Column.title() != kMarcaTodas;
    DBGrid1->setColumnTitle(Column.index(), marcar ? kMarcaTodas : QString());
    const int Check = marcar ? 1 : 0;
    Field& ativo = nf.fieldByName(Column.fieldName());
    while (!nf.eof()) {
        ProgressBar1->stepBy(Conversions::roundToInt(100.0 / linhas));
        nf.edit();
        ativo.setAsInteger(Check);
        nf.post();
        nf.next();
    }
    nf.first();
}

void TFormPrincipal::buscarDocumento(GridColumn& Column)
{
    Query& nf = *DBGrid1->dataSet();
    const Field* campo = Column.fieldIn(&nf);
    if (!campo)
        return;
    QString valor;
    const bool ClicouOk =
        InputQuery(QStringLiteral("Busca de Documentos"),
                   QStringLiteral("Informe (o/a) ") + campo->displayLabel() + QStringLiteral("."), valor);
    if (!ClicouOk)
        return;
    if (!nf.locate(campo->fieldName(), Value(valor.toUpper()), LocateOptions{true, true}))
        Mensagem(QStringLiteral("Documento não encontrado."), Informacao);
}

bool TFormPrincipal::haNotaMarcada() const
{
    const Query& nf = DM->FDQueryNF;
    if (!nf.active())
        return false;
    for (int row = 0; row < nf.recordCount(); ++row)
        if (marcadaNaLinha(nf, row))
            return true;
    return false;
}
