#pragma once

#include "EventosLooKup.h"
#include "Events.h"

#include <QColor>
#include <QPointer>
#include <QString>

#include <memory>

class BitBtn;
class Query;
class QWidget;

// Ties a code box, its search button and its description boxes to the SQL of the owning window: a
// change of the code empties the descriptions, the space bar and the button open the search list,
// leaving the box with a new code looks it up (a code not found opens the list). Handlers the
// controls already have when they are bound are kept, and the binding leaves those events alone.
// Destroying the binding takes its handlers off the controls.
class TCriadorLookup {
public:
    // The dataset is not kept: a data-aware code box brings its own.
    TCriadorLookup(QObject* p_EditCodigo, const TCaixasDeDescricao& p_EditDes, BitBtn* p_botaoBusca, Query* p_dataSet,
                   TELookUpSQL p_SQL);
    TCriadorLookup(QObject* p_EditCodigo, const TCaixasDeDescricao& p_EditDes, BitBtn* p_botaoBusca, TELookUpSQL p_SQL);
    ~TCriadorLookup();
    TCriadorLookup(const TCriadorLookup&) = delete;
    TCriadorLookup& operator=(const TCriadorLookup&) = delete;

    TCriadorLookup& criarLookUp() { return *this; }
    void setEditDesAux(const TCaixasDeDescricao& p_editdesaux);
    // The button (Sender a button) opens the list; the code box being left looks its code up.
    bool selecionar(QObject* Sender);
    // Whether the code differs from what it was when the box was entered.
    bool houveAlteracao() const;
    void setDestaque(const QString& p_Campo, const QString& p_CondicaoCampo, const QColor& p_corDeDestaque);
    // The chosen codes quoted for an SQL "in" list: '12','15' (or the one code typed).
    QString obtemValorVarios() const;

    QObject* EditCodigo() const { return fEditCodigo; }
    void setEditCodigo(QObject* codigo) { fEditCodigo = codigo; }
    BitBtn* BotaoBusca() const { return fbotaoBusca; }
    void setBotaoBusca(BitBtn* botao) { fbotaoBusca = botao; }
    QString EditCodigoTexto() const { return getEditCodigoTexto(); }
    bool PermiteSomenteNumeros() const { return fSomenteNumeros; }
    void setPermiteSomenteNumeros(bool on) { fSomenteNumeros = on; }
    bool BuscaUnica() const { return fBuscaUnica; }
    void setBuscaUnica(bool on) { fBuscaUnica = on; }
    bool PermiteMultiSelecao() const { return fPermiteMultiSelecao; }
    void setPermiteMultiSelecao(bool on) { fPermiteMultiSelecao = on; }
    const TLookupDestaque* Destaque() const { return fDestaque.get(); }
    // The code box's text when it was last entered.
    const QString& ConteudoDBEditAntLook() const { return fConteudoDBEditAntLook; }

private:
    void setEditDes(const TCaixasDeDescricao& p_editdes);
    QString getEditCodigoTexto() const;
    void carregaEventosEditCodigo();
    void carregaEventosBotao();
    void retiraEventos();

    void fOnEnterEditCod(QObject* Sender);
    void fOnChangeEditCod(QObject* Sender);
    void fOnExitEditCod(QObject* Sender);
    void fOnKeyPressEditCod(QObject* Sender, QChar& Key);
    void fOnClickBotao(QObject* Sender);

    static bool nadaABuscar(const QString& texto, const TCaixasDeDescricao& Descricao);
    bool OnExitAntLook2(DataSource* Ds, QObject* Codigo, const TCaixasDeDescricao& Descricao, const QString& TextoSql,
                        const QString& TextoSqlL, BitBtn* bbLook, bool DispEsqDir, bool limitar);
    bool OnExitAntLookAvancado(DataSource* Ds, QObject* Codigo, const TCaixasDeDescricao& Descricao,
                               const QString& TextoSql, const QString& TextoSqlL, BitBtn* bbLook, bool DispEsqDir,
                               bool limitar);
    bool OnClickDoBotaoLookFiltrado(const TCaixasDeCodigo& Codigo, const TCaixasDeDescricao& p_EditDes,
                                    QString TextoSqlL);
    // Fills the description boxes from a by-code result that was found.
    static void preencheDescricoes(const Value& valores, const TCaixasDeDescricao& Descricao);

    QObject* fEditCodigo = nullptr;
    TCaixasDeDescricao EditDes;
    TCaixasDeDescricao EditDesAux;
    BitBtn* fbotaoBusca = nullptr;
    Query* fDataSet = nullptr;
    TELookUpSQL fSQL;
    bool fSomenteNumeros = true;
    bool fPermiteMultiSelecao = false;
    bool fBuscaUnica = true;
    std::unique_ptr<TLookupDestaque> fDestaque;
    QString fConteudoDBEditAntLook;
    TNotifyEvent fOnEnterAtual;
    TNotifyEvent fOnChangeAtual;
    TNotifyEvent fOnExitAtual;
    TKeyPressEvent fOnKeyPressAtual;
    TNotifyEvent fOnClickAtual;

    // The controls bound at construction and which of their events this binding took.
    QPointer<QWidget> m_caixaLigada;
    QPointer<BitBtn> m_botaoLigado;
    bool m_ligouEnter = false;
    bool m_ligouChange = false;
    bool m_ligouExit = false;
    bool m_ligouKeyPress = false;
    bool m_ligouClick = false;
};
