#pragma once

#include "Eventos.h"
#include "EventosLooKup.h"

#include <QString>

#include <memory>

class TFormBusca;
class Field;

// What the list searches of the lookups share: preparing the statement, reporting an empty list,
// laying out the columns, writing a chosen row back and moving on.
namespace ListaDeBusca {

// Boxes and columns a list search handles at most.
inline constexpr std::size_t kMaximo = 256;
void confereQuantidade(std::size_t quantidade, const QString& oque);

// The statement without its one trailing ";"; an empty statement is a range error.
QString semPontoEVirgulaFinal(QString TextoSqlL);
// " limit 50;" appended unless not wanted or the statement has a limit of its own.
QString comLimite(const QString& TextoSqlL, bool limitar);

// The search window a list search works with, created into its global; however the search ends,
// BotaoAtivo is reset, the window destroyed and its global emptied.
template <typename Janela>
class JanelaDaBusca {
public:
    explicit JanelaDaBusca(Janela*& global) : m_global(global), m_janela(std::make_unique<Janela>())
    {
        m_global = m_janela.get();
        BotaoAtivo = true;
    }
    ~JanelaDaBusca()
    {
        BotaoAtivo = false;
        m_janela.reset();
        m_global = nullptr;
    }
    JanelaDaBusca(const JanelaDaBusca&) = delete;
    JanelaDaBusca& operator=(const JanelaDaBusca&) = delete;

    Janela& operator*() const { return *m_janela; }
    Janela* operator->() const { return m_janela.get(); }

private:
    Janela*& m_global;
    std::unique_ptr<Janela> m_janela;
};

// Puts the statement into the window's query and opens it with the pattern "%".
void preparaConsulta(Query& lista, const QString& TextoSqlL);

// Empties every description box there is.
void limpaDescricoes(const TCaixasDeDescricao& EditDes);

// "Listagem vazia!": the boxes are emptied and the focus goes back to the code box.
void listaVazia(const TCaixasDeCodigo& Codigo, const TCaixasDeDescricao& EditDes);

// One grid column per field from `primeiro` on, titled and sized from Ds or the field; the last
// column fills the grid up to 22 short of its width. `larguraInicial` is what earlier columns take.
void montaColunas(TFormBusca& janela, const DataSource* Ds, int primeiro, int larguraInicial, bool usaTamanho);

// Field `indice` of the list; a position the list does not have is a range error.
Field& campo(const Query& lista, int indice);
QString textoDoCampo(const Query& lista, int indice);
// A code box gets the value as its text, or, data-aware, into its field.
void escreveCodigo(QObject* Caixa, const Value& valor);
bool caixaDeCodigoDados(const QObject* Caixa);

// Writes the current row back: codes and descriptions from the first columns (DispEsqDir) or from
// the last ones.
void escreveEscolha(const Query& lista, const TCaixasDeCodigo& Codigo, const TCaixasDeDescricao& EditDes,
                    bool DispEsqDir);

// Gives the focus back to the first code box when it can take it.
void focaPrimeiroCodigo(const TCaixasDeCodigo& Codigo);
// Moves the focus of the first code box's window on to the next control, as Tab does.
void focaProximo(const TCaixasDeCodigo& Codigo);

}  // namespace ListaDeBusca
