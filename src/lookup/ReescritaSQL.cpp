#include "ReescritaSQL.h"

#include "EventosString.h"
#include "Exception.h"
#include "RangeError.h"

namespace {

const QString kLike = QStringLiteral("LIKE");
const QString kOrderBy = QStringLiteral("ORDER BY");
const QString kDesc = QStringLiteral(" DESC ");

[[noreturn]] void recusa(const QString& motivo)
{
    throw Exception(QStringLiteral("A instrução da busca não pode ser reescrita para outra coluna: ") + motivo);
}

// ApagaPalavra on a piece of the statement; a piece it cannot cut means the statement is not of the
// form the rewrite expects, which the user is told in those words rather than as an index error.
QString apagaPalavraDaInstrucao(const QString& texto, const QString& posicao, const QString& motivo)
{
    try {
        return ApagaPalavra(texto, posicao);
    } catch (const RangeError&) {
        recusa(motivo);
    }
}

int ocorrenciasSemSobrepor(const QString& procurado, const QString& texto)
{
    int vezes = 0;
    for (qsizetype achado = texto.indexOf(procurado); achado >= 0;
         achado = texto.indexOf(procurado, achado + procurado.size()))
        ++vezes;
    return vezes;
}

// From "ORDER BY" up to, not including, the statement's last character (its final line feed).
QString caudaDaOrdem(const QString& TextoAux)
{
    const int posOrdem = retornaPosUltimo(kOrderBy, TextoAux);
    if (posOrdem == 0)
        return {};
    return TextoAux.mid(posOrdem - 1, TextoAux.size() - posOrdem);
}

}  // namespace

QString MaiusculasCompletas(const QString& texto)
{
    return texto.toUpper();
}

QString MaiusculasAscii(const QString& texto)
{
    QString resultado = texto;
    for (QChar& c : resultado)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return resultado;
}

QString TrataOrdem(const QString& TextoAux, TVarianteReescrita variante, bool decrescente)
{
    const QString cauda = caudaDaOrdem(TextoAux);
    switch (variante) {
        case TVarianteReescrita::TrocaDeColuna:
            if (cauda.contains(kDesc))
                return {};
            break;
        case TVarianteReescrita::CliqueNoTitulo:
            if (ocorrenciasSemSobrepor(kDesc, cauda) >= 2)
                return {};
            break;
        case TVarianteReescrita::Direta:
            return {};
    }
    return decrescente ? kDesc : QString();
}

QString RetornaCampo(const QString& TextoAux, const QString& Texto, TVarianteReescrita variante)
{
    const QString nome = variante == TVarianteReescrita::Direta ? MaiusculasAscii(Texto) : Texto;
    const qsizetype alias = TextoAux.indexOf(QStringLiteral(" AS ") + nome);
    if (alias < 0)
        return Texto;
    qsizetype fim = alias;
    while (fim > 0 && TextoAux[fim - 1] == u' ')
        --fim;
    // Backwards to the blank or comma that starts the expression, skipping those inside parentheses.
    qsizetype inicio = fim;
    int abertos = 0;
    int fechados = 0;
    while (inicio > 0) {
        const QChar anterior = TextoAux[inicio - 1];
        if ((anterior == u' ' || anterior == u',') && abertos == fechados)
            break;
        if (anterior == u'(')
            ++abertos;
        else if (anterior == u')')
            ++fechados;
        --inicio;
    }
    return TextoAux.mid(inicio, fim - inicio);
}

QString ApagaUpper(const QString& S1)
{
    QString resultado = S1;
    const qsizetype upper = resultado.indexOf(QStringLiteral("UPPER("));
    if (upper >= 0)
        resultado.remove(upper, 6);
    return resultado;
}

QString ReescreveSQL(const QString& textoSQL, const QString& Texto, TVarianteReescrita variante, bool decrescente)
{
    const QString TextoAux = MaiusculasCompletas(textoSQL);
    const int posLike = retornaPosUltimo(kLike, TextoAux);
    const int posOrdem = retornaPosUltimo(kOrderBy, TextoAux);
    if (posLike == 0)
        recusa(QStringLiteral("ela não tem a condição LIKE."));
    if (posOrdem < posLike)
        recusa(QStringLiteral("ela não tem ORDER BY depois da condição LIKE."));

    const QString Ordem = TrataOrdem(TextoAux, variante, decrescente);
    const QString TextoColuna = RetornaCampo(TextoAux, Texto, variante);
    if (TextoColuna.isEmpty())
        recusa(QStringLiteral("nenhuma coluna foi indicada."));

    const int L =
        variante == TVarianteReescrita::TrocaDeColuna ? static_cast<int>(TextoAux.indexOf(kLike)) + 1 : posLike;
    const QString semOperando = apagaPalavraDaInstrucao(TextoAux.left(std::max(0, L - 2)), QStringLiteral("u"),
                                                        QStringLiteral("não há, antes de LIKE, uma coluna a buscar."));
    const QString S1 = ApagaUpper(semOperando);
    const QString S2 = TextoAux.mid(posLike - 1, posOrdem + 8 - posLike);
    const QString naoOrdena = QStringLiteral("a ordenação depois de ORDER BY não fecha seus parênteses.");
    QString S3 = apagaPalavraDaInstrucao(TextoAux.mid(posOrdem + 8), QStringLiteral("p"), naoOrdena);
    if (variante != TVarianteReescrita::TrocaDeColuna && retornaPosUltimo(QStringLiteral("DESC"), S3) > 0)
        S3 = apagaPalavraDaInstrucao(S3, QStringLiteral("p"), naoOrdena);

    return S1 + QStringLiteral("UPPER(cast(") + TextoColuna + QStringLiteral(" as varchar(254))) ") + S2 +
           QStringLiteral(" ") + TextoColuna + Ordem + S3;
}

int TipoCampoDoTipo(FieldType tipo, int atual)
{
    switch (tipo) {
        case FieldType::ftString:
        case FieldType::ftFixedChar:
        case FieldType::ftWideString:
        case FieldType::ftMemo:
        case FieldType::ftFmtMemo:
        case FieldType::ftBlob:
            return 1;
        case FieldType::ftSmallint:
        case FieldType::ftInteger:
        case FieldType::ftWord:
        case FieldType::ftFloat:
        case FieldType::ftCurrency:
        case FieldType::ftBytes:
        case FieldType::ftAutoInc:
        case FieldType::ftLargeint:
            return 0;
        default:
            return atual;
    }
}
