#include "EventosLooKup.h"

#include "BitBtn.h"
#include "DBEdit.h"
#include "Edit.h"
#include "Eventos.h"
#include "EventosNumero.h"
#include "Exception.h"
#include "Field.h"
#include "ListaDeBusca.h"
#include "Query.h"
#include "RangeError.h"
#include "UnL.h"
#include "UnLAvanc.h"

#include <QScopeGuard>

std::vector<QString> ConteudoEditDes;

using namespace ListaDeBusca;

namespace {

QStringList textosDosCodigos(const TCaixasDeCodigo& Codigo)
{
    QStringList textos;
    for (const QObject* caixa : Codigo)
        textos << TextoDaCaixaDeCodigo(caixa);
    return textos;
}

// The search window of one code: the shared road of OnClickDoBotaoLook and OnClickDoBotaoLook2.
// `peloCodigoMudado`: the result tells whether the choice changed a code.
bool buscaNaLista(DataSource* Ds, const TCaixasDeCodigo& Codigo, const TCaixasDeDescricao& EditDes, QString TextoSqlL,
                  bool Proximo, bool DispEsqDir, bool limitar, const TLookupDestaque* Destaque, bool peloCodigoMudado)
{
    JanelaDaBusca<TFormL> janela(FormL);
    if (Destaque) {
        janela->campo = Destaque->fCampo;
        janela->condicaoCampo = Destaque->fCondicaoCampo;
        janela->corDeDestaque = Destaque->fCorDeDestaque;
        janela->usaDestaque = true;
    }
    TextoSqlL = semPontoEVirgulaFinal(std::move(TextoSqlL));
    Query& lista = *janela->DsLoc.dataSet();
    preparaConsulta(lista, comLimite(TextoSqlL, limitar));
    sql_OpenQuery(janela->QueryLoc);
    if (lista.isEmpty()) {
        listaVazia(Codigo, EditDes);
        return false;
    }
    montaColunas(*janela, Ds, 0, 0, true);
    janela->showModal();
    if (!lista.active()) {
        focaPrimeiroCodigo(Codigo);
        return false;
    }
    const QStringList antes = textosDosCodigos(Codigo);
    escreveEscolha(lista, Codigo, EditDes, DispEsqDir);
    NaoPassouOnEnter = true;
    if (Proximo)
        focaProximo(Codigo);
    return !peloCodigoMudado || textosDosCodigos(Codigo) != antes;
}

// The value of a field in the current row; none when no row is left.
Value valorAtual(const Query& lista, int indice)
{
    Field& escolhido = campo(lista, indice);
    return lista.isEmpty() ? Value::null() : escolhido.value();
}

// Writes the ticked rows of the multi-select list back into the boxes.
void escreveMarcados(Query& lista, const TCaixasDeCodigo& Codigo, const TCaixasDeDescricao& EditDes)
{
    confereQuantidade(Codigo.size(), QStringLiteral("caixas de código"));
    confereQuantidade(EditDes.size(), QStringLiteral("caixas de descrição"));
    const int n = static_cast<int>(Codigo.size());
    QString escolhidos;
    for (int i = 1; i <= n; ++i)
        for (lista.first(); !lista.eof(); lista.next())
            escolhidos += textoDoCampo(lista, i) + u',';
    escolhidos.chop(1);

    QObject* primeiroCodigo = Codigo.empty() ? nullptr : Codigo.front();
    QLineEdit* primeiraDescricao = EditDes.empty() ? nullptr : EditDes.front();
    if (escolhidos.contains(u',')) {
        if (primeiroCodigo)
            escreveCodigo(primeiroCodigo, Value(kVarios));
        if (primeiraDescricao)
            primeiraDescricao->setText(escolhidos);
        return;
    }
    if (primeiroCodigo)
        escreveCodigo(primeiroCodigo, valorAtual(lista, 1));
    if (primeiraDescricao)
        for (int i = 0; i < static_cast<int>(EditDes.size()); ++i)
            if (QLineEdit* descricao = EditDes[static_cast<std::size_t>(i)])
                descricao->setText(FormataValorEmString(valorAtual(lista, n + 1 + i)));
}

}  // namespace

QString TextoDaCaixaDeCodigo(const QObject* Caixa)
{
    if (const auto* dados = dynamic_cast<const DBEdit*>(Caixa))
        return dados->text();
    if (const auto* edit = dynamic_cast<const Edit*>(Caixa))
        return edit->text();
    return QString();
}

void TratarConteudodoEditDes(const TCaixasDeDescricao& EditDes, QChar acao)
{
    confereQuantidade(EditDes.size(), QStringLiteral("caixas de descrição"));
    if (ConteudoDBEditAntLook.isEmpty())
        acao = u'l';
    if (ConteudoEditDes.size() != EditDes.size())
        ConteudoEditDes.resize(EditDes.size());
    if (acao == u'l') {
        for (QString& texto : ConteudoEditDes)
            texto.clear();
    } else if (acao == u'r') {
        for (std::size_t i = 0; i < EditDes.size(); ++i)
            ConteudoEditDes[i] = EditDes[i] ? EditDes[i]->text() : QString();
    } else if (acao == u'p') {
        for (std::size_t i = 0; i < EditDes.size(); ++i)
            if (EditDes[i])
                EditDes[i]->setText(ConteudoEditDes[i]);
        ConteudoEditDes.clear();
    }
}

bool OnClickDoBotaoLook(DataSource* Ds, const TCaixasDeCodigo& Codigo, const TCaixasDeDescricao& EditDes,
                        QString TextoSqlL, bool Proximo, bool DispEsqDir, bool limitar)
{
    return buscaNaLista(Ds, Codigo, EditDes, std::move(TextoSqlL), Proximo, DispEsqDir, limitar, nullptr, false);
}

bool OnClickDoBotaoLook2(DataSource* Ds, const TCaixasDeCodigo& Codigo, const TCaixasDeDescricao& EditDes,
                         QString TextoSqlL, bool Proximo, bool DispEsqDir, bool limitar,
                         const TLookupDestaque* Destaque)
{
    return buscaNaLista(Ds, Codigo, EditDes, std::move(TextoSqlL), Proximo, DispEsqDir, limitar, Destaque, true);
}

// Ticked rows are written from the first columns whatever DispEsqDir says.
bool OnClickDoBotaoLookAvancado(DataSource* Ds, const TCaixasDeCodigo& Codigo, const TCaixasDeDescricao& EditDes,
                                QString TextoSqlL, bool Proximo, bool, bool limitar)
{
    JanelaDaBusca<TFormLAvanc> janela(FormLAvanc);
    TextoSqlL = semPontoEVirgulaFinal(std::move(TextoSqlL));
    // The tick column goes in front of the select list ("select" and the blank after it dropped).
    const qsizetype posicao = TextoSqlL.indexOf(QStringLiteral("select"));
    const QString textoSemSelect = TextoSqlL.mid(posicao < 0 ? 6 : posicao + 7);
    TextoSqlL = QStringLiteral("select cast('' as varchar(1)) as check, ") + textoSemSelect;

    Query& lista = *janela->DsLoc.dataSet();
    preparaConsulta(lista, comLimite(TextoSqlL, limitar));
    lista.open();
    if (lista.isEmpty()) {
        listaVazia(Codigo, EditDes);
        return false;
    }
    constexpr int kLarguraDaMarca = 20;
    janela->DBGridB->addColumn(campo(lista, 0).fieldName(), QString(), kLarguraDaMarca);
    montaColunas(*janela, Ds, 1, kLarguraDaMarca, false);
    janela->showModal();
    if (!lista.active()) {
        focaPrimeiroCodigo(Codigo);
        return false;
    }
    ControlsDisabled parada(lista);
    lista.setFiltered(false);
    lista.setFilter(QStringLiteral(" check = 'X' "));
    lista.setFiltered(true);
    const auto semFiltro = qScopeGuard([&lista] { lista.setFiltered(false); });
    escreveMarcados(lista, Codigo, EditDes);
    if (Proximo)
        focaProximo(Codigo);
    return true;
}

void OnKeyPressDoDBEditLook(QObject* Sender, QChar& Key, Query* DataSet, BitBtn* bb)
{
    if (Key != u' ')
        return;
    Key = QChar();
    if (const auto* dados = dynamic_cast<const DBEdit*>(Sender)) {
        if (bb && !dados->isReadOnly() && DataSet && DataSet->state() == Query::State::Edit)
            bb->performClick();
    } else if (const auto* edit = dynamic_cast<const QLineEdit*>(Sender)) {
        if (bb && !edit->isReadOnly())
            bb->performClick();
    }
}

void OnChangeLookUp(QObject* Sender, const TCaixasDeDescricao& EditDes)
{
    auto ApagaDes = [&EditDes] {
        if (EditDes.empty())
            throw RangeError(QStringLiteral("A busca não tem caixa de descrição."));
        confereQuantidade(EditDes.size(), QStringLiteral("caixas de descrição"));
        if (!EditDes.front() || EditDes.front()->text().isEmpty())
            return;
        for (QLineEdit* descricao : EditDes)
            if (descricao)
                descricao->clear();
    };
    if (const auto* dados = dynamic_cast<const DBEdit*>(Sender)) {
        const Field* campoDoCodigo = dados->field();
        const QString guardado =
            campoDoCodigo && !campoDoCodigo->dataSet().isEmpty() ? campoDoCodigo->asString() : QString();
        if (ValorSemZerosAEsq(guardado) != ValorSemZerosAEsq(dados->text()))
            ApagaDes();
        return;
    }
    ApagaDes();
}

void OnEnterLookUp(QObject* Sender, const TCaixasDeDescricao& EditDes)
{
    OnExitDoDBEdit(Sender);
    if (!NaoPassouOnEnter)
        return;
    const auto* edit = dynamic_cast<const QLineEdit*>(Sender);
    if (!edit)
        throw Exception(QStringLiteral("A caixa de código da busca não é uma caixa de texto."));
    ConteudoDBEditAntLook = ValorSemZerosAEsq(edit->text());
    if (!EditDes.empty() && EditDes.front())
        TratarConteudodoEditDes(EditDes, ConteudoDBEditAntLook.isEmpty() ? u'l' : u'r');
    NaoPassouOnEnter = false;
}
