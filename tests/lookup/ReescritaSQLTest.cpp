#include "QStringPrinter.h"
#include "Exception.h"
#include "ReescritaSQL.h"
#include "SqlLines.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using V = TVarianteReescrita;

// The client search statement, as the client lookup hands it to the search window.
const QString kCliente = QStringLiteral(
    "select parcod as Código, pardes as Descrição, parfan as Fantasia, parcnpjcpf as CNPJ from par where "
    "cast(pardes as varchar(254)) like :0 and parsit = 'A' order by pardes");
const QString kCabeca = QStringLiteral(
    "SELECT PARCOD AS CÓDIGO, PARDES AS DESCRIÇÃO, PARFAN AS FANTASIA, PARCNPJCPF AS CNPJ FROM PAR WHERE ");

struct Passo {
    V variante;
    QString coluna;
    bool decrescente = false;
};

// Runs the rewrites one after the other on a statement kept as lines, as the windows' query keeps it.
QStringList reescreve(const QStringList& linhas, const std::vector<Passo>& passos)
{
    SqlLines sql;
    for (const QString& linha : linhas)
        sql.add(linha);
    for (const Passo& passo : passos)
        sql.setText(ReescreveSQL(sql.text(), passo.coluna, passo.variante, passo.decrescente));
    return sql.lines();
}

struct Linha {
    const char* nome;
    std::vector<Passo> passos;
    QString depoisDoWhere;
};

void PrintTo(const Linha& linha, std::ostream* out)
{
    *out << linha.nome;
}

class LinhasDoExemplo : public ::testing::TestWithParam<std::tuple<Linha, bool>> {};

TEST_P(LinhasDoExemplo, ReproduzemOTextoAteOsEspacos)
{
    const auto& [linha, comLimite] = GetParam();
    const QString limite = QStringLiteral(" limit 50;");
    const QStringList resultado = reescreve({comLimite ? kCliente + limite : kCliente}, linha.passos);
    const QString esperado = kCabeca + linha.depoisDoWhere + (comLimite ? QStringLiteral(" LIMIT 50;") : QString());
    EXPECT_EQ(resultado, QStringList{esperado});
}

const Passo kCliqueCodigo{V::CliqueNoTitulo, QStringLiteral("CÓDIGO"), false};
const Passo kCliqueCodigoLembrado{V::CliqueNoTitulo, QStringLiteral("CÓDIGO"), true};

INSTANTIATE_TEST_SUITE_P(
    Busca, LinhasDoExemplo,
    ::testing::Combine(
        ::testing::Values(
            Linha{"TrocaParaDescricao",
                  {{V::TrocaDeColuna, QStringLiteral("DESCRIÇÃO")}},
                  QStringLiteral("UPPER(cast(PARDES as varchar(254))) LIKE :0 AND PARSIT = 'A' ORDER BY PARDES")},
            Linha{"CliqueEmCodigo",
                  {kCliqueCodigo},
                  QStringLiteral("UPPER(cast(PARCOD as varchar(254))) LIKE :0 AND PARSIT = 'A' ORDER BY PARCOD")},
            Linha{"CliqueEmCodigoLembrado",
                  {kCliqueCodigo, kCliqueCodigoLembrado},
                  QStringLiteral("UPPER(cast(PARCOD as varchar(254))) LIKE :0 AND PARSIT = 'A' ORDER BY PARCOD DESC ")},
            Linha{"TrocaParaFantasiaMantemADirecao",
                  {kCliqueCodigo, kCliqueCodigoLembrado, {V::TrocaDeColuna, QStringLiteral("FANTASIA")}},
                  QStringLiteral("UPPER(cast(PARFAN as varchar(254))) LIKE :0 AND PARSIT = 'A' ORDER BY PARFAN DESC ")},
            Linha{"CliqueEmFantasiaOrdenaAscendente",
                  {kCliqueCodigo, kCliqueCodigoLembrado, {V::CliqueNoTitulo, QStringLiteral("FANTASIA"), false}},
                  QStringLiteral("UPPER(cast(PARFAN as varchar(254))) LIKE :0 AND PARSIT = 'A' ORDER BY PARFAN ")},
            Linha{"DiretaComParcod",
                  {{V::Direta, QStringLiteral("parcod")}},
                  QStringLiteral("UPPER(cast(parcod as varchar(254))) LIKE :0 AND PARSIT = 'A' ORDER BY parcod")}),
        ::testing::Bool()),
    [](const auto& caso) {
        return std::string(std::get<0>(caso.param).nome) + (std::get<1>(caso.param) ? "_ComLimite" : "_SemLimite");
    });

struct Caso {
    const char* nome;
    QStringList linhas;
    std::vector<Passo> passos;
    QStringList esperado;
};

void PrintTo(const Caso& caso, std::ostream* out)
{
    *out << caso.nome;
}

class CasosDaReescrita : public ::testing::TestWithParam<Caso> {};

TEST_P(CasosDaReescrita, DaoOTextoEsperado)
{
    EXPECT_EQ(reescreve(GetParam().linhas, GetParam().passos), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Busca, CasosDaReescrita,
    ::testing::Values(
        Caso{
            "PalavrasChaveMaiusculasDaoOMesmoTexto",
            {QStringLiteral("SELECT PARCOD AS CÓDIGO, PARDES AS DESCRIÇÃO, PARFAN AS FANTASIA, PARCNPJCPF AS CNPJ FROM "
                            "PAR WHERE CAST(PARDES AS VARCHAR(254)) LIKE :0 AND PARSIT = 'A' ORDER BY PARDES")},
            {{V::TrocaDeColuna, QStringLiteral("DESCRIÇÃO")}},
            {kCabeca + QStringLiteral("UPPER(cast(PARDES as varchar(254))) LIKE :0 AND PARSIT = 'A' ORDER BY PARDES")}},
        Caso{"AliasQueComecaOutroMaisLongoEhOPrimeiroAchado",
             {QStringLiteral("select parfan as nomefantasia, pardes as nome from par where pardes like :0 order by "
                             "pardes")},
             {{V::TrocaDeColuna, QStringLiteral("NOME")}},
             {QStringLiteral("SELECT PARFAN AS NOMEFANTASIA, PARDES AS NOME FROM PAR WHERE UPPER(cast(PARFAN as "
                             "varchar(254))) LIKE :0 ORDER BY PARFAN")}},
        Caso{"AliasDeUmaExpressaoComParenteses",
             {QStringLiteral("select coalesce(parfan, pardes) as nome, parcod from par where parcod like :0 order by "
                             "parcod")},
             {{V::CliqueNoTitulo, QStringLiteral("NOME"), false}},
             {QStringLiteral(
                 "SELECT COALESCE(PARFAN, PARDES) AS NOME, PARCOD FROM PAR WHERE UPPER(cast(COALESCE(PARFAN, "
                 "PARDES) as varchar(254))) LIKE :0 ORDER BY COALESCE(PARFAN, PARDES)")}},
        Caso{"OsItensDepoisDoPrimeiroDaOrdemFicam",
             {QStringLiteral("select a, b from t where a like :0 order by a, b")},
             {{V::TrocaDeColuna, QStringLiteral("X")}},
             {QStringLiteral("SELECT A, B FROM T WHERE UPPER(cast(X as varchar(254))) LIKE :0 ORDER BY X, B")}},
        Caso{"CliquesRepetidosNaColunaLembradaAcumulamEspacos",
             {QStringLiteral("select a from t where a like :0 order by a")},
             {{V::CliqueNoTitulo, QStringLiteral("A"), true},
              {V::CliqueNoTitulo, QStringLiteral("A"), true},
              {V::CliqueNoTitulo, QStringLiteral("A"), true}},
             {QStringLiteral("SELECT A FROM T WHERE UPPER(cast(A as varchar(254))) LIKE :0 ORDER BY A DESC   ")}},
        Caso{"DoisDescNaOrdemOrdenamAscendenteNoClique",
             {QStringLiteral("select a, b from t where a like :0 order by a desc , b desc ")},
             {{V::CliqueNoTitulo, QStringLiteral("A"), true}},
             {QStringLiteral("SELECT A, B FROM T WHERE UPPER(cast(A as varchar(254))) LIKE :0 ORDER BY A , B DESC ")}},
        Caso{
            "UpperNaCabecaPerdeSuaPrimeiraOcorrencia",
            {QStringLiteral("select upper(pardes) as nome, parcod from par where parcod like :0 order by parcod")},
            {{V::TrocaDeColuna, QStringLiteral("PARCOD")}},
            {QStringLiteral("SELECT PARDES) AS NOME, PARCOD FROM PAR WHERE UPPER(cast(PARCOD as varchar(254))) LIKE :0 "
                            "ORDER BY PARCOD")}},
        Caso{"DiretaNaoAchaAliasAcentuadoEMantemONomeDoChamador",
             {kCliente},
             {{V::Direta, QStringLiteral("Descrição")}},
             {kCabeca + QStringLiteral("UPPER(cast(Descrição as varchar(254))) LIKE :0 AND PARSIT = 'A' ORDER BY "
                                       "Descrição")}},
        Caso{
            "DiretaAchaAliasSemAcentoEmQualquerCaixa",
            {kCliente},
            {{V::Direta, QStringLiteral("fantasia")}},
            {kCabeca + QStringLiteral("UPPER(cast(PARFAN as varchar(254))) LIKE :0 AND PARSIT = 'A' ORDER BY PARFAN")}},
        Caso{"DiretaTiraADirecaoAntiga",
             {QStringLiteral("select a, b from t where a like :0 order by a desc limit 50;")},
             {{V::Direta, QStringLiteral("b")}},
             {QStringLiteral("SELECT A, B FROM T WHERE UPPER(cast(b as varchar(254))) LIKE :0 ORDER BY b LIMIT 50;")}},
        Caso{"InstrucaoEmVariasLinhas",
             {QStringLiteral("select parcod as Código, pardes as Descrição"), QStringLiteral("from par"),
              QStringLiteral("where cast(pardes as varchar(254)) like :0"), QStringLiteral("order by pardes"),
              QStringLiteral(" limit 50;")},
             {{V::CliqueNoTitulo, QStringLiteral("CÓDIGO"), false}},
             {QStringLiteral("SELECT PARCOD AS CÓDIGO, PARDES AS DESCRIÇÃO"), QStringLiteral("FROM PAR"),
              QStringLiteral("WHERE UPPER(cast(PARCOD as varchar(254))) LIKE :0"),
              QStringLiteral("ORDER BY PARCOD LIMIT 50;")}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

class InstrucoesRecusadas : public ::testing::TestWithParam<std::tuple<const char*, QString, QString>> {};

TEST_P(InstrucoesRecusadas, DizemPorQue)
{
    const auto& [nome, sql, motivo] = GetParam();
    for (const V variante : {V::TrocaDeColuna, V::CliqueNoTitulo, V::Direta}) {
        try {
            ReescreveSQL(sql + QStringLiteral("\r\n"), QStringLiteral("PARDES"), variante, false);
            ADD_FAILURE() << nome << " foi aceita";
        } catch (const Exception& erro) {
            EXPECT_TRUE(erro.message().contains(motivo)) << erro.message().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Busca, InstrucoesRecusadas,
    ::testing::Values(
        std::make_tuple("SemLike", QStringLiteral("select pardes from par where pardes = :0 order by pardes"),
                        QStringLiteral("LIKE")),
        std::make_tuple("SemOrderBy", QStringLiteral("select pardes from par where pardes like :0"),
                        QStringLiteral("ORDER BY")),
        std::make_tuple("OrderByAntesDoLike",
                        QStringLiteral("select * from (select pardes from par order by pardes) p where pardes like :0"),
                        QStringLiteral("ORDER BY")),
        std::make_tuple("NadaAntesDoLike", QStringLiteral("like :0 order by pardes"), QStringLiteral("antes de LIKE")),
        std::make_tuple("OrdemSemFecharParenteses", QStringLiteral("select a from t where a like :0 order by (a"),
                        QStringLiteral("parênteses"))),
    [](const auto& caso) { return std::string(std::get<0>(caso.param)); });

TEST(TipoCampo, TextoNumeroOuComoEstava)
{
    using enum FieldType;
    for (const FieldType texto : {ftString, ftFixedChar, ftWideString, ftMemo, ftFmtMemo, ftBlob})
        EXPECT_EQ(TipoCampoDoTipo(texto, 0), 1) << fieldTypeName(texto).toStdString();
    for (const FieldType numero : {ftSmallint, ftInteger, ftWord, ftFloat, ftCurrency, ftBytes, ftAutoInc, ftLargeint})
        EXPECT_EQ(TipoCampoDoTipo(numero, 1), 0) << fieldTypeName(numero).toStdString();
    for (const FieldType outro : {ftFMTBcd, ftDate, ftDateTime, ftBoolean, ftWideMemo, ftUnknown}) {
        EXPECT_EQ(TipoCampoDoTipo(outro, 0), 0) << fieldTypeName(outro).toStdString();
        EXPECT_EQ(TipoCampoDoTipo(outro, 1), 1) << fieldTypeName(outro).toStdString();
    }
}

}  // namespace
