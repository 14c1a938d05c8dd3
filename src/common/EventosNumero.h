#pragma once

#include <QString>

// A code as typed, without its leading zeros: empty stays empty, all zeros give "0". Only "0" is
// stripped, so a leading blank keeps the text as it is. Texts longer than 256 characters are refused
// with a range error.
QString ValorSemZerosAEsq(const QString& Conteudo);
