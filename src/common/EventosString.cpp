#include "EventosString.h"

#include "RangeError.h"

namespace {

constexpr QChar kBranco(u' ');

// The parentheses removed so far; a word may only end where as many have been opened as closed.
struct Parenteses {
    int ParentesesA = 0;
    int ParentesesF = 0;

    bool balanceados() const { return ParentesesA == ParentesesF; }
    void conta(QChar removido)
    {
        if (removido == u'(')
            ++ParentesesA;
        else if (removido == u')')
            ++ParentesesF;
    }
};

QString apagaUltimaPalavra(const QString& texto)
{
    qsizetype fim = texto.size();
    while (fim > 0 && texto[fim - 1] == kBranco)
        --fim;
    if (fim == 0)
        throw RangeError(QStringLiteral("Não há palavra a apagar: o texto está vazio ou só tem espaços."));
    Parenteses parenteses;
    for (;;) {
        if (fim == 0)
            throw RangeError(
                QStringLiteral("Não foi possível apagar a última palavra: não há espaço nem \"(\" antes dela."));
        const QChar ultimo = texto[fim - 1];
        if ((ultimo == kBranco || ultimo == u'(') && parenteses.balanceados())
            return texto.left(fim);
        parenteses.conta(ultimo);
        --fim;
    }
}

QString apagaPrimeiraPalavra(const QString& texto)
{
    if (texto.isEmpty())
        return texto;
    qsizetype inicio = 0;
    while (inicio < texto.size() && texto[inicio] == kBranco)
        ++inicio;
    if (inicio == texto.size())
        throw RangeError(QStringLiteral("Não há palavra a apagar: o texto só tem espaços."));
    Parenteses parenteses;
    for (;;) {
        const bool acabou = inicio == texto.size();
        if (parenteses.balanceados() && (acabou || texto[inicio] == kBranco || texto[inicio] == u','))
            return texto.mid(inicio);
        if (acabou)
            throw RangeError(
                QStringLiteral("Não foi possível apagar a primeira palavra: os parênteses dela não se fecham."));
        parenteses.conta(texto[inicio]);
        ++inicio;
    }
}

}  // namespace

int retornaPosUltimo(const QString& textoProcurado, const QString& textoAux)
{
    if (textoProcurado.isEmpty())
        return 0;
    qsizetype ultimo = -1;
    for (qsizetype achado = textoAux.indexOf(textoProcurado); achado >= 0;
         achado = textoAux.indexOf(textoProcurado, achado + textoProcurado.size()))
        ultimo = achado;
    return static_cast<int>(ultimo + 1);
}

QString ApagaPalavra(const QString& iTexto, const QString& posicao)
{
    return posicao == u"u" ? apagaUltimaPalavra(iTexto) : apagaPrimeiraPalavra(iTexto);
}
