#include "TCriadorLookup.h"

#include "BitBtn.h"
#include "ConversionError.h"
#include "Conversions.h"
#include "DBEdit.h"
#include "DBGrid.h"
#include "Edit.h"
#include "Eventos.h"
#include "EventosNumero.h"
#include "Exception.h"
#include "Field.h"
#include "ListaDeBusca.h"
#include "Query.h"
#include "RangeError.h"
#include "UnL.h"

using namespace ListaDeBusca;

namespace {

// The texts by which an empty value shows once made text: such a by-code result is "not found".
// A result of several columns is judged by its first value.
bool naoEncontradoNaLinha(const QString& primeiro)
{
    static const QStringList marcadores{QString(), QStringLiteral("0"), QStringLiteral("0,00"), QStringLiteral("00:00"),
                                        QStringLiteral("01/01/1500 00:00:00")};
    return marcadores.contains(primeiro);
}

bool naoEncontradoNoValor(const QString& valor)
{
    static const QStringList marcadores{QString(),
                                        QStringLiteral("0"),
                                        QStringLiteral("0,00"),
                                        QStringLiteral("01/01/1500"),
                                        QStringLiteral("00:00"),
                                        QStringLiteral("01/01/1500 00:00")};
    return marcadores.contains(valor);
}

// The two kinds of code box and the events a binding takes on them.
struct EventosDaCaixa {
    QWidget* widget;
    ControlEvents* eventos;
    TNotifyEvent* onChange;
};

EventosDaCaixa eventosDaCaixa(QObject* caixa)
{
    if (auto* dados = dynamic_cast<DBEdit*>(caixa))
        return {dados, dados, &dados->OnChange};
    if (auto* edit = dynamic_cast<Edit*>(caixa))
        return {edit, edit, &edit->OnChange};
    throw Exception(QStringLiteral("Conversão de tipo inválida: a caixa de código da busca não é uma caixa de texto."));
}

// Takes over an event unless the control already handles it; then its handler is remembered.
template <typename Handler>
bool assume(Handler& doControle, Handler& atual, Handler proprio)
{
    if (doControle) {
        atual = doControle;
        return false;
    }
    doControle = std::move(proprio);
    return true;
}

// A typed code as the 32-bit integer the by-code statement is given.
std::int32_t codigoInteiro(const QString& texto)
{
    try {
        return Conversions::strToInt(texto);
    } catch (const ConversionError&) {
        throw ConversionError(QStringLiteral("O código \"%1\" não é um número inteiro válido.").arg(texto));
    }
}

// The user left the code box towards its search button.
bool saiuParaOBotao(QObject* Codigo, BitBtn* bbLook)
{
    auto* widget = dynamic_cast<QWidget*>(Codigo);
    return widget && bbLook && widget->window()->focusWidget() == bbLook;
}

}  // namespace

TCriadorLookup::TCriadorLookup(QObject* p_EditCodigo, const TCaixasDeDescricao& p_EditDes, BitBtn* p_botaoBusca, Query*,
                               TELookUpSQL p_SQL)
{
    fEditCodigo = p_EditCodigo;
    setEditDes(p_EditDes);
    fbotaoBusca = p_botaoBusca;
    if (auto* dados = dynamic_cast<DBEdit*>(p_EditCodigo))
        fDataSet = dados->dataSet();
    fSQL = std::move(p_SQL);
    carregaEventosEditCodigo();
    carregaEventosBotao();
}

TCriadorLookup::TCriadorLookup(QObject* p_EditCodigo, const TCaixasDeDescricao& p_EditDes, BitBtn* p_botaoBusca,
                               TELookUpSQL p_SQL)
    : TCriadorLookup(p_EditCodigo, p_EditDes, p_botaoBusca, nullptr, std::move(p_SQL))
{
}

TCriadorLookup::~TCriadorLookup()
{
    retiraEventos();
}

void TCriadorLookup::setEditDes(const TCaixasDeDescricao& p_editdes)
{
    if (p_editdes.empty())
        throw RangeError(QStringLiteral("A busca precisa de ao menos uma caixa de descrição."));
    EditDes = p_editdes;
}

void TCriadorLookup::setEditDesAux(const TCaixasDeDescricao& p_editdesaux)
{
    if (p_editdesaux.empty())
        throw RangeError(QStringLiteral("A lista de caixas de descrição auxiliares está vazia."));
    EditDesAux = p_editdesaux;
}

void TCriadorLookup::carregaEventosEditCodigo()
{
    EventosDaCaixa caixa = eventosDaCaixa(fEditCodigo);
    m_caixaLigada = caixa.widget;
    m_ligouEnter = assume(caixa.eventos->OnEnter, fOnEnterAtual,
                          TNotifyEvent([this](QObject* Sender) { fOnEnterEditCod(Sender); }));
    m_ligouChange =
        assume(*caixa.onChange, fOnChangeAtual, TNotifyEvent([this](QObject* Sender) { fOnChangeEditCod(Sender); }));
    m_ligouExit =
        assume(caixa.eventos->OnExit, fOnExitAtual, TNotifyEvent([this](QObject* Sender) { fOnExitEditCod(Sender); }));
    m_ligouKeyPress = assume(caixa.eventos->OnKeyPress, fOnKeyPressAtual,
                             TKeyPressEvent([this](QObject* Sender, QChar& Key) { fOnKeyPressEditCod(Sender, Key); }));
}

void TCriadorLookup::carregaEventosBotao()
{
    if (!fbotaoBusca)
        return;
    m_botaoLigado = fbotaoBusca;
    m_ligouClick =
        assume(fbotaoBusca->OnClick, fOnClickAtual, TNotifyEvent([this](QObject* Sender) { fOnClickBotao(Sender); }));
}

// The controls may outlive the binding: they must not call into it afterwards.
void TCriadorLookup::retiraEventos()
{
    if (m_caixaLigada) {
        EventosDaCaixa caixa = eventosDaCaixa(m_caixaLigada.data());
        if (m_ligouEnter)
            caixa.eventos->OnEnter = nullptr;
        if (m_ligouChange)
            *caixa.onChange = nullptr;
        if (m_ligouExit)
            caixa.eventos->OnExit = nullptr;
        if (m_ligouKeyPress)
            caixa.eventos->OnKeyPress = nullptr;
    }
    if (m_botaoLigado && m_ligouClick)
        m_botaoLigado->OnClick = nullptr;
}

QString TCriadorLookup::getEditCodigoTexto() const
{
    return TextoDaCaixaDeCodigo(fEditCodigo);
}

bool TCriadorLookup::houveAlteracao() const
{
    return fConteudoDBEditAntLook != ValorSemZerosAEsq(getEditCodigoTexto());
}

void TCriadorLookup::setDestaque(const QString& p_Campo, const QString& p_CondicaoCampo, const QColor& p_corDeDestaque)
{
    fDestaque = std::make_unique<TLookupDestaque>(TLookupDestaque{p_Campo, p_CondicaoCampo, p_corDeDestaque});
}

QString TCriadorLookup::obtemValorVarios() const
{
    const QString lTextoEditCodigo = getEditCodigoTexto();
    QString lResultado = lTextoEditCodigo;
    if (lTextoEditCodigo == kVarios) {
        if (EditDes.empty() || !EditDes.front())
            throw RangeError(QStringLiteral("A busca não tem caixa de descrição com os códigos escolhidos."));
        lResultado = EditDes.front()->text();
    }
    if (!lResultado.isEmpty())
        lResultado = u'\'' + lResultado.replace(u',', QStringLiteral("','")) + u'\'';
    return lResultado;
}

void TCriadorLookup::fOnEnterEditCod(QObject* Sender)
{
    if (fOnEnterAtual)
        fOnEnterAtual(Sender);
    OnEnterLookUp(Sender, EditDes);
    OnEnterDoDBEdit(Sender);
    fConteudoDBEditAntLook = TextoDaCaixaDeCodigo(fEditCodigo);
}

void TCriadorLookup::fOnChangeEditCod(QObject* Sender)
{
    if (fOnChangeAtual)
        fOnChangeAtual(Sender);
    OnChangeLookUp(Sender, EditDes);
    fConteudoDBEditAntLook.clear();
    if (!EditDesAux.empty())
        OnChangeLookUp(Sender, EditDesAux);
}

// A code that cannot be looked up is not left standing: the box is emptied (and with it the
// descriptions) before the error is shown.
void TCriadorLookup::fOnExitEditCod(QObject* Sender)
{
    try {
        OnExitDoDBEdit(Sender);
        if (!TextoDaCaixaDeCodigo(Sender).isEmpty())
            fOnClickBotao(Sender);
    } catch (...) {
        if (auto* caixa = dynamic_cast<QLineEdit*>(Sender))
            caixa->clear();
        throw;
    }
}

void TCriadorLookup::fOnKeyPressEditCod(QObject* Sender, QChar& Key)
{
    if (fOnKeyPressAtual)
        fOnKeyPressAtual(Sender, Key);
    OnKeyPressDoDBEditLook(Sender, Key, fDataSet, fbotaoBusca);
    if (fSomenteNumeros)
        OnKeyPressDosNumeros(Key);
}

void TCriadorLookup::fOnClickBotao(QObject* Sender)
{
    if (fOnClickAtual) {
        fOnClickAtual(Sender);
        return;
    }
    selecionar(Sender);
}

bool TCriadorLookup::selecionar(QObject* Sender)
{
    if (!fSQL)
        throw Exception(QStringLiteral("A busca não tem quem lhe forneça as instruções SQL."));
    if (dynamic_cast<BitBtn*>(Sender)) {
        const QString listaSql = fSQL(fEditCodigo, 2);
        if (fPermiteMultiSelecao)
            return OnClickDoBotaoLookAvancado(nullptr, {fEditCodigo}, EditDes, listaSql, true, true, false);
        return OnClickDoBotaoLook(nullptr, {fEditCodigo}, EditDes, listaSql, true, true, true);
    }

    OnExitDoDBEdit(Sender);
    const QString texto = TextoDaCaixaDeCodigo(Sender);
    if (texto.isEmpty()) {
        NaoPassouOnEnter = true;
        return false;
    }
    const bool mudou = fConteudoDBEditAntLook != ValorSemZerosAEsq(texto) ||
                       (!EditDes.empty() && EditDes.front() && EditDes.front()->text().isEmpty());
    if (mudou && fBuscaUnica) {
        const QString codigoSql = fSQL(fEditCodigo, 1);
        const QString listaSql = fSQL(fEditCodigo, 2);
        if (fPermiteMultiSelecao)
            return OnExitAntLookAvancado(nullptr, Sender, EditDes, codigoSql, listaSql, fbotaoBusca, true, false);
        return OnExitAntLook2(nullptr, Sender, EditDes, codigoSql, listaSql, fbotaoBusca, true, true);
    }
    if (mudou)
        return OnClickDoBotaoLookFiltrado({Sender}, EditDes, fSQL(fEditCodigo, 2));
    TratarConteudodoEditDes(EditDes, u'p');
    NaoPassouOnEnter = true;
    return false;
}

void TCriadorLookup::preencheDescricoes(const Value& valores, const TCaixasDeDescricao& Descricao)
{
    const std::vector<Value>& elementos = valores.elements();
    for (std::size_t i = 0; i < Descricao.size(); ++i) {
        if (i >= elementos.size())
            throw RangeError(QStringLiteral("A busca pelo código devolve %1 colunas para %2 caixas de descrição.")
                                 .arg(elementos.size())
                                 .arg(Descricao.size()));
        if (Descricao[i])
            Descricao[i]->setText(elementos[i].toString());
    }
}

// Nothing is looked up while a search window is open; an empty code empties the descriptions and
// ends the lookup.
bool TCriadorLookup::nadaABuscar(const QString& texto, const TCaixasDeDescricao& Descricao)
{
    if (BotaoAtivo)
        return true;
    if (!texto.isEmpty())
        return false;
    ListaDeBusca::limpaDescricoes(Descricao);
    NaoPassouOnEnter = true;
    return true;
}

bool TCriadorLookup::OnExitAntLook2(DataSource* Ds, QObject* Codigo, const TCaixasDeDescricao& Descricao,
                                    const QString& TextoSql, const QString& TextoSqlL, BitBtn* bbLook, bool DispEsqDir,
                                    bool limitar)
{
    const QString texto = TextoDaCaixaDeCodigo(Codigo);
    if (nadaABuscar(texto, Descricao))
        return false;
    const Value v = ConverterValoresString(EncontraValor(TextoSql, Value(codigoInteiro(texto))));
    const bool proximo = saiuParaOBotao(Codigo, bbLook);
    if (v.isArray()) {
        if (v.elements().empty() || naoEncontradoNaLinha(v.elements().front().toString()))
            return OnClickDoBotaoLook(Ds, {Codigo}, Descricao, TextoSqlL, proximo, DispEsqDir, limitar);
        preencheDescricoes(v, Descricao);
    } else {
        if (naoEncontradoNoValor(v.toString()))
            return OnClickDoBotaoLook2(Ds, {Codigo}, Descricao, TextoSqlL, proximo, DispEsqDir, limitar,
                                       fDestaque.get());
        if (!Descricao.empty() && Descricao.front())
            Descricao.front()->setText(v.toString());
    }
    NaoPassouOnEnter = true;
    return true;
}

bool TCriadorLookup::OnExitAntLookAvancado(DataSource* Ds, QObject* Codigo, const TCaixasDeDescricao& Descricao,
                                           const QString& TextoSql, const QString& TextoSqlL, BitBtn* bbLook,
                                           bool DispEsqDir, bool limitar)
{
    const QString texto = TextoDaCaixaDeCodigo(Codigo);
    if (nadaABuscar(texto, Descricao))
        return false;
    const bool proximo = saiuParaOBotao(Codigo, bbLook);
    const QString digitos = SomenteNumeros(texto);
    if (digitos.isEmpty()) {
        // "VÁRIOS" stands for a multi-selection already made.
        if (texto != kVarios)
            OnClickDoBotaoLookAvancado(Ds, {Codigo}, Descricao, TextoSqlL, proximo, DispEsqDir, limitar);
        return true;
    }
    if (auto* caixa = dynamic_cast<QLineEdit*>(Codigo))
        caixa->setText(digitos);
    const Value v = ConverterValoresString(EncontraValor(TextoSql, Value(TextoDaCaixaDeCodigo(Codigo))));
    const bool naoEncontrado = v.isArray()
                                   ? v.elements().empty() || naoEncontradoNaLinha(v.elements().front().toString())
                                   : naoEncontradoNoValor(v.toString());
    if (naoEncontrado)
        return OnClickDoBotaoLook(Ds, {Codigo}, Descricao, TextoSqlL, proximo, DispEsqDir, limitar);
    if (v.isArray())
        preencheDescricoes(v, Descricao);
    else if (!Descricao.empty() && Descricao.front())
        Descricao.front()->setText(v.toString());
    NaoPassouOnEnter = true;
    return true;
}

bool TCriadorLookup::OnClickDoBotaoLookFiltrado(const TCaixasDeCodigo& Codigo, const TCaixasDeDescricao& p_EditDes,
                                                QString TextoSqlL)
{
    const QString valor_parametro = Codigo.empty() ? QString() : TextoDaCaixaDeCodigo(Codigo.front());
    if (valor_parametro.isEmpty() || BotaoAtivo)
        return false;
    JanelaDaBusca<TFormL> janela(FormL);
    TextoSqlL = semPontoEVirgulaFinal(std::move(TextoSqlL));

    // The first expression of the select list, without its alias: the column the typed text filters.
    auto retornaPrimeiroCampo = [&TextoSqlL]() -> QString {
        const qsizetype p = TextoSqlL.indexOf(QStringLiteral("select"));
        if (p < 0)
            return QString();
        QString s = TextoSqlL.mid(p + 6).trimmed();
        const qsizetype virgula = s.indexOf(u',');
        if (virgula < 0)
            return QString();
        s = s.left(virgula).trimmed();
        if (const qsizetype apelido = s.indexOf(QStringLiteral(" as ")); apelido >= 0)
            s = s.left(apelido).trimmed();
        return s;
    };

    Query& lista = *janela->DsLoc.dataSet();
    lista.close();
    lista.sql().clear();
    lista.sql().add(comLimite(TextoSqlL, true));
    janela->TrocaTextoDaSQL(retornaPrimeiroCampo());
    lista.param(0).setText(valor_parametro);
    sql_OpenQuery(janela->QueryLoc);
    if (lista.isEmpty()) {
        lista.close();
        lista.param(0).setText(QStringLiteral("%"));
        lista.open();
    }
    if (lista.isEmpty()) {
        listaVazia(Codigo, p_EditDes);
        return false;
    }
    // The grid's default columns: every field, titled by its label, at its default width.
    for (int i = 0; i < lista.fieldCount(); ++i)
        janela->DBGridB->addColumn(lista.field(i).fieldName(), lista.field(i).displayLabel());
    if (lista.recordCount() > 1) {
        janela->buscaNovamenteOnShow = false;
        janela->showModal();
    }
    if (!lista.active()) {
        focaPrimeiroCodigo(Codigo);
        return false;
    }
    confereQuantidade(Codigo.size(), QStringLiteral("caixas de código"));
    confereQuantidade(p_EditDes.size(), QStringLiteral("caixas de descrição"));
    const int n = static_cast<int>(Codigo.size());
    if (!Codigo.empty() && Codigo.front())
        for (int i = 0; i < n; ++i) {
            QObject* caixa = Codigo[static_cast<std::size_t>(i)];
            // A data-aware code box is written only while its row is being edited.
            auto* dados = dynamic_cast<DBEdit*>(caixa);
            if (dados && !(dados->dataSet() && dados->dataSet()->state() == Query::State::Edit))
                continue;
            escreveCodigo(caixa, campo(lista, i).value());
        }
    if (!p_EditDes.empty() && p_EditDes.front())
        for (int i = 0; i < static_cast<int>(p_EditDes.size()); ++i)
            if (QLineEdit* descricao = p_EditDes[static_cast<std::size_t>(i)])
                descricao->setText(textoDoCampo(lista, n + i));
    NaoPassouOnEnter = true;
    return true;
}
