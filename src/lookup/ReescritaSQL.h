#pragma once

#include "FieldType.h"

#include <QString>

// The search windows never parse their statement: to search or sort by another column they rewrite
// its text. The LIKE operand becomes an upper-cased text form of the column and the first ORDER BY
// item becomes the column, with or without " DESC ". The typed text never enters the statement; it
// is always the statement's first parameter.
//
// The statement must hold a condition "expression LIKE :0" (any case) followed by an ORDER BY whose
// first item is the current sort column; trailing text (" limit 50;") may follow. The whole statement
// comes out upper-cased except for the added "cast" and "as varchar", so literals compared in it
// must already be upper case.

// Where the rewrite is asked for; the three differ in small, deliberate ways.
enum class TVarianteReescrita {
    // The user starts typing in another column: keeps the current direction, query left closed.
    TrocaDeColuna,
    // A column title is clicked: ascending, or descending when it is the remembered column.
    CliqueNoTitulo,
    // A caller points the search at a column before the window shows: always ascending, and the
    // column name is matched against the aliases by its ASCII letters only.
    Direta,
};

// Every letter upper-cased by the full case mapping, accented letters included.
QString MaiusculasCompletas(const QString& texto);
// Only the letters a to z upper-cased.
QString MaiusculasAscii(const QString& texto);

// The direction suffix, "" or " DESC ", for the upper-cased statement. `decrescente` is the window's
// Decrescente for a column change and "this is the remembered column" for a title click.
QString TrataOrdem(const QString& TextoAux, TVarianteReescrita variante, bool decrescente);
// The text to search and sort by: the aliased expression when `Texto` is an alias of the select
// list (" AS " + name, first occurrence), otherwise `Texto` itself.
QString RetornaCampo(const QString& TextoAux, const QString& Texto, TVarianteReescrita variante);
// S1 without the first "UPPER(" it holds.
QString ApagaUpper(const QString& S1);

// The statement `textoSQL` (as read: every line followed by CR LF) rewritten to search and sort by
// `Texto`: the field name upper-cased for a column change or a title click, the caller's name or
// alias as given for the direct variant. A statement the rewrite cannot work on (no LIKE, no ORDER BY
// after it, nothing before LIKE, an order list whose parentheses do not close) is refused with an
// Exception whose message says why.
QString ReescreveSQL(const QString& textoSQL, const QString& Texto, TVarianteReescrita variante, bool decrescente);

// The key filter's field kind for a column's field type: 1 text, 0 numeric; other types leave
// `atual` as it was.
int TipoCampoDoTipo(FieldType tipo, int atual);
