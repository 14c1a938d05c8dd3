#pragma once

#include "FieldType.h"
#include "UnMens.h"
#include "Value.h"

#include <QString>

#include <cstdint>

class Connection;
class DataSource;
class DBGrid;
class GridColumn;
class QObject;
class Query;

// The login context: who is working and for which company. Set once at start-up from the command
// line and read everywhere after.
extern std::int32_t EmpresaLogada;
extern std::int32_t FuncionarioLogado;
extern QString UsuarioLogado;

// The connection the one-row look-ups run on; the data module sets it when it is created.
extern Connection* ConexaoDoPrograma;
// The column a search grid was last sorted by, replayed when the next search window shows.
extern int ColAntDBGridBL;

// What the lookups of code boxes share. NaoPassouOnEnter: the last lookup has ended and the next
// entry into a code box saves the description texts. BotaoAtivo: a search list window is open, so
// leaving a code box looks nothing up. ConteudoDBEditAntLook: the code, without leading zeros, at
// the last saving entry.
extern bool NaoPassouOnEnter;
extern bool BotaoAtivo;
extern QString ConteudoDBEditAntLook;

// Opens a query unless it is open already, under the wait cursor. A failure is raised again with
// the reason and the whole statement, so the error box tells what could not be read.
bool sql_OpenQuery(Query& Query);
// The first row of a statement: one column's value, or an array of the row's values. A NULL (or no
// row at all) gives the column kind's empty value; see ValorPadraoDoNulo.
Value EncontraValor(const QString& TextoSql, const Value& Parametro = Value());
Value ConverterValoresString(const Value& Dados);
QString FormataValorEmString(const Value& valor);
bool ValorNull(const Value& valor);
// A typed number with its mask dropped: only ",", "-" and digits count, the comma being the decimal
// separator; 0 when nothing is left or it does not read as a number.
double NumeroSemMascara(const QString& Valor);
QString SomenteNumeros(const QString& Documento);
QString BuscaDisplayLabel(const DataSource* Ds, const QString& campo);
int BuscaDisplayWidth(const DataSource* Ds, const QString& campo);
int RetornaWidthDefault(FieldType TipoDoCampo);
// Sorts a search grid again by the column it was last sorted by.
void OnShowDoFormL(DBGrid* DBGridB);

// How look-ups and search grids treat a field type.
enum class CategoriaCampo { Texto, Numero, Booleano, Data, Hora, DataHora, Outro };
CategoriaCampo categoriaDoCampo(FieldType type);
// What a NULL of that category reads as; Empty for "other", which gets no value.
Value ValorPadraoDoNulo(FieldType type);

// The focus colours of input boxes: a box being typed in stands out.
void OnEnterDoDBEdit(QObject* Sender);
void OnEnterDoDBEdit(GridColumn& Sender);
void OnExitDoDBEdit(QObject* Sender);
// Code boxes take digits, the comma, Backspace and Enter; anything else is swallowed.
void OnKeyPressDosNumeros(QChar& Key);
