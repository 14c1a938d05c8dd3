#pragma once

#include <QString>

// The 1-based position in textoAux of the last occurrence of textoProcurado, matches taken one after
// the other without overlapping (AA in AAAA is found at 1 and 3); 0 when it does not occur or when
// textoProcurado is empty. Case-sensitive.
int retornaPosUltimo(const QString& textoProcurado, const QString& textoAux);

// iTexto without its last word (posicao "u") or its first word (any other posicao). A word runs to
// a blank, or to a "(" (last word) or a "," (first word), met outside parentheses, so a function
// call with blanks inside its parentheses goes as one word. The blank, "(" or "," that ends the word
// stays. A text that runs out before its word ends is refused with a range error.
QString ApagaPalavra(const QString& iTexto, const QString& posicao);
