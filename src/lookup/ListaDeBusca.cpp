#include "ListaDeBusca.h"

#include "DBEdit.h"
#include "DBGrid.h"
#include "DatasetError.h"
#include "Edit.h"
#include "Eventos.h"
#include "Field.h"
#include "Form.h"
#include "Query.h"
#include "RangeError.h"
#include "TFormBusca.h"
#include "UnMens.h"

namespace ListaDeBusca {

namespace {

// Pixels per character of a column's display width.
constexpr int kPixelsPorCaractere = 7;
// What the last column leaves free at the grid's right edge.
constexpr int kFolgaDaGrade = 22;

QWidget* primeiroCodigo(const TCaixasDeCodigo& Codigo)
{
    return Codigo.empty() ? nullptr : dynamic_cast<QWidget*>(Codigo.front());
}

int larguraDaColuna(const DataSource* Ds, const Field& campo, bool usaTamanho)
{
    if (const int largura = BuscaDisplayWidth(Ds, campo.fieldName()); largura > 0)
        return largura * kPixelsPorCaractere;
    if (usaTamanho && campo.size() > 0 && campo.size() < 30)
        return campo.size() * kPixelsPorCaractere;
    return RetornaWidthDefault(campo.dataType()) * kPixelsPorCaractere;
}

}  // namespace

void limpaDescricoes(const TCaixasDeDescricao& EditDes)
{
    for (QLineEdit* descricao : EditDes)
        if (descricao)
            descricao->clear();
}

void confereQuantidade(std::size_t quantidade, const QString& oque)
{
    if (quantidade > kMaximo)
        throw RangeError(
            QStringLiteral("São %1 %2; a busca trabalha com no máximo %3.").arg(quantidade).arg(oque).arg(kMaximo));
}

QString semPontoEVirgulaFinal(QString TextoSqlL)
{
    if (TextoSqlL.isEmpty())
        throw RangeError(QStringLiteral("A busca não tem instrução SQL."));
    if (TextoSqlL.endsWith(u';'))
        TextoSqlL.chop(1);
    return TextoSqlL;
}

QString comLimite(const QString& TextoSqlL, bool limitar)
{
    if (!limitar || TextoSqlL.contains(QStringLiteral(" limit ")))
        return TextoSqlL;
    return TextoSqlL + QStringLiteral(" limit 50;");
}

void preparaConsulta(Query& lista, const QString& TextoSqlL)
{
    lista.close();
    lista.sql().clear();
    lista.sql().add(TextoSqlL);
    lista.param(0).setText(QStringLiteral("%"));
}

void listaVazia(const TCaixasDeCodigo& Codigo, const TCaixasDeDescricao& EditDes)
{
    Mensagem(QStringLiteral("Listagem vazia!"), Informacao);
    QObject* primeiro = Codigo.empty() ? nullptr : Codigo.front();
    if (dynamic_cast<Edit*>(primeiro)) {
        for (QObject* caixa : Codigo)
            if (auto* edit = dynamic_cast<QLineEdit*>(caixa))
                edit->clear();
        limpaDescricoes(EditDes);
        if (QWidget* widget = primeiroCodigo(Codigo); widget->isVisible())
            widget->setFocus();
    } else if (auto* dados = dynamic_cast<DBEdit*>(primeiro)) {
        for (QObject* caixa : Codigo)
            escreveCodigo(caixa, Value::null());
        limpaDescricoes(EditDes);
        if (Field* campoDoCodigo = dados->field())
            campoDoCodigo->focusControl();
    }
}

void montaColunas(TFormBusca& janela, const DataSource* Ds, int primeiro, int larguraInicial, bool usaTamanho)
{
    Query& lista = janela.QueryLoc;
    confereQuantidade(static_cast<std::size_t>(lista.fieldCount()), QStringLiteral("colunas na lista"));
    // The grid has its real width only once the window's docking has been applied.
    janela.aligned().activate();
    janela.Panel1->aligned().activate();
    const int larguraDaGrade = janela.DBGridB->width();
    const int ultimo = lista.fieldCount() - 1;
    int total = larguraInicial;
    for (int i = primeiro; i <= ultimo; ++i) {
        const Field& campoDaLista = lista.field(i);
        int largura = larguraDaColuna(Ds, campoDaLista, usaTamanho);
        if (i == ultimo && largura + total < larguraDaGrade - kFolgaDaGrade)
            largura = larguraDaGrade - kFolgaDaGrade - total;
        janela.DBGridB->addColumn(campoDaLista.fieldName(), BuscaDisplayLabel(Ds, campoDaLista.fieldName()), largura);
        total += largura;
    }
}

Field& campo(const Query& lista, int indice)
{
    if (indice < 0 || indice >= lista.fieldCount())
        throw RangeError(
            QStringLiteral("A lista tem %1 colunas; não há a coluna %2.").arg(lista.fieldCount()).arg(indice + 1));
    return lista.field(indice);
}

QString textoDoCampo(const Query& lista, int indice)
{
    return FormataValorEmString(campo(lista, indice).value());
}

bool caixaDeCodigoDados(const QObject* Caixa)
{
    return dynamic_cast<const DBEdit*>(Caixa) != nullptr;
}

void escreveCodigo(QObject* Caixa, const Value& valor)
{
    if (auto* dados = dynamic_cast<DBEdit*>(Caixa)) {
        Field* campoDoCodigo = dados->field();
        if (!campoDoCodigo)
            throw DatasetError(QStringLiteral("O campo \"%1\" do código não está disponível.").arg(dados->dataField()));
        if (valor.isNull() || valor.isEmpty())
            campoDoCodigo->clear();
        else
            campoDoCodigo->setAsString(FormataValorEmString(valor));
    } else if (auto* edit = dynamic_cast<QLineEdit*>(Caixa)) {
        edit->setText(FormataValorEmString(valor));
    }
}

void escreveEscolha(const Query& lista, const TCaixasDeCodigo& Codigo, const TCaixasDeDescricao& EditDes,
                    bool DispEsqDir)
{
    confereQuantidade(Codigo.size(), QStringLiteral("caixas de código"));
    confereQuantidade(EditDes.size(), QStringLiteral("caixas de descrição"));
    const int n = static_cast<int>(Codigo.size());
    const int m = static_cast<int>(EditDes.size());
    const int F = lista.fieldCount();
    if (!Codigo.empty() && Codigo.front())
        for (int i = 0; i < n; ++i)
            escreveCodigo(Codigo[static_cast<std::size_t>(i)], campo(lista, DispEsqDir ? i : F - n - 1 + i).value());
    if (!EditDes.empty() && EditDes.front())
        for (int i = 0; i < m; ++i)
            if (QLineEdit* descricao = EditDes[static_cast<std::size_t>(i)])
                descricao->setText(textoDoCampo(lista, DispEsqDir ? n + i : F - m + i));
}

void focaPrimeiroCodigo(const TCaixasDeCodigo& Codigo)
{
    if (QWidget* widget = primeiroCodigo(Codigo); widget && widget->isVisible())
        widget->setFocus();
}

void focaProximo(const TCaixasDeCodigo& Codigo)
{
    QWidget* widget = primeiroCodigo(Codigo);
    if (auto* dono = widget ? dynamic_cast<Form*>(widget->window()) : nullptr)
        dono->selectNext();
}

}  // namespace ListaDeBusca
