#include "EventosNumero.h"

#include "RangeError.h"

namespace {

constexpr qsizetype kTamanhoMaximo = 256;

}  // namespace

QString ValorSemZerosAEsq(const QString& Conteudo)
{
    if (Conteudo.size() > kTamanhoMaximo)
        throw RangeError(QStringLiteral("O valor informado tem %1 caracteres; para retirar os zeros à esquerda "
                                        "o máximo é de %2 caracteres.")
                             .arg(Conteudo.size())
                             .arg(kTamanhoMaximo));
    if (Conteudo.isEmpty())
        return Conteudo;
    qsizetype primeiro = 0;
    while (primeiro < Conteudo.size() && Conteudo[primeiro] == u'0')
        ++primeiro;
    return primeiro == Conteudo.size() ? QStringLiteral("0") : Conteudo.mid(primeiro);
}
