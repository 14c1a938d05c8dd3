#pragma once

#include "TLookupDestaque.h"
#include "Value.h"

#include <QChar>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class BitBtn;
class DataSource;
class QLineEdit;
class QObject;
class Query;

// The SQL a window gives its lookup: event 1, the statement that reads the descriptions of one code
// (parameter :0, the code); event 2, the statement behind the search list (parameter :0, a LIKE
// pattern), its columns the code, the descriptions in box order, then anything else to show.
using TELookUpSQL = std::function<QString(QObject* Objeto, std::uint8_t Evento)>;

// Code boxes are plain (Edit) or data-aware (DBEdit) edit boxes; description boxes are any edit box.
using TCaixasDeCodigo = std::vector<QObject*>;
using TCaixasDeDescricao = std::vector<QLineEdit*>;

// What a multi-selection of several rows writes into the code box.
inline const QString kVarios = QStringLiteral("VÁRIOS");

// The description texts of the code box entered last, kept while the code may still go back to
// what it was.
extern std::vector<QString> ConteudoEditDes;

// acao "r" keeps the description texts, "p" puts the kept texts back and forgets them, "l" (and any
// action while no code was entered) empties the kept texts.
void TratarConteudodoEditDes(const TCaixasDeDescricao& EditDes, QChar acao);

// The list searches: fill a search window from TextoSqlL, let the user choose, and write the chosen
// row into the code and description boxes. True when a row was chosen.
bool OnClickDoBotaoLook(DataSource* Ds, const TCaixasDeCodigo& Codigo, const TCaixasDeDescricao& EditDes,
                        QString TextoSqlL, bool Proximo, bool DispEsqDir, bool limitar);
// As OnClickDoBotaoLook, with rows highlighted by `Destaque` (when given); true only when the choice
// changed a code.
bool OnClickDoBotaoLook2(DataSource* Ds, const TCaixasDeCodigo& Codigo, const TCaixasDeDescricao& EditDes,
                         QString TextoSqlL, bool Proximo, bool DispEsqDir, bool limitar,
                         const TLookupDestaque* Destaque);
// Several rows may be ticked: more than one code writes "VÁRIOS" into the code box and the codes,
// separated by ",", into the first description box.
bool OnClickDoBotaoLookAvancado(DataSource* Ds, const TCaixasDeCodigo& Codigo, const TCaixasDeDescricao& EditDes,
                                QString TextoSqlL, bool Proximo, bool DispEsqDir, bool limitar);

// The space bar in a code box opens the search list (unless the box cannot be changed); the space
// itself never reaches the box.
void OnKeyPressDoDBEditLook(QObject* Sender, QChar& Key, Query* DataSet, BitBtn* bb);
// A new code makes the descriptions stale. A data-aware box that merely shows its stored value
// (another record) keeps them.
void OnChangeLookUp(QObject* Sender, const TCaixasDeDescricao& EditDes);
void OnEnterLookUp(QObject* Sender, const TCaixasDeDescricao& EditDes);

// The text of a code box; empty for anything that is not a plain or data-aware edit box.
QString TextoDaCaixaDeCodigo(const QObject* Caixa);
