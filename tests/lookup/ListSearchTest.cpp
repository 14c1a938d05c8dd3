#include "LookupFixture.h"
#include "DBEdit.h"
#include "DataSource.h"
#include "Exception.h"
#include "Query.h"
#include "RangeError.h"
#include "TCriadorLookup.h"

#include <QHeaderView>

#include <memory>

namespace {

const QString kPartes = QStringLiteral(
    "select parcod as Código, pardes as Descrição, parfan as Fantasia, parcnpjcpf as CNPJ from par "
    "where cast(pardes as varchar(254)) like :0 order by pardes");

class ListSearchTest : public LookupFixture {
protected:
    bool busca(const QString& sql, bool limitar = true, bool DispEsqDir = true, bool Proximo = false)
    {
        return OnClickDoBotaoLook(nullptr, {codigo}, {nome}, sql, Proximo, DispEsqDir, limitar);
    }

    // The rows the search window showed when it opened.
    int linhas = -1;
};

struct Limite {
    const char* nome;
    QString fim;
    bool limitar;
    int linhas;
};

class ListSearchLimit : public ListSearchTest, public ::testing::WithParamInterface<Limite> {};

// Sixty parties: the list shows fifty of them unless the statement limits itself or must not be.
TEST_P(ListSearchLimit, AppendsLimit50UnlessTheStatementHasALimitOrMustNot)
{
    db().exec(QStringLiteral("insert into par (parcod, pardes) select g, 'PARTE ' || g from generate_series(1, 55) g"));
    resposta = [this](TFormBusca& janelaDaBusca) {
        linhas = janelaDaBusca.QueryLoc.recordCount();
        janelaDaBusca.close();
    };
    EXPECT_FALSE(busca(kPartes + GetParam().fim, GetParam().limitar));
    EXPECT_EQ(linhas, GetParam().linhas);
}

INSTANTIATE_TEST_SUITE_P(Statements, ListSearchLimit,
                         ::testing::Values(Limite{"Plain", QString(), true, 50},
                                           Limite{"TrailingSemicolon", QStringLiteral(";"), true, 50},
                                           Limite{"OwnLimit", QStringLiteral(" limit 7;"), true, 7},
                                           Limite{"NotLimited", QStringLiteral(";"), false, 60}),
                         [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(ListSearchTest, AnUpperCaseLimitGetsASecondOneAndTheErrorStillReleasesTheWindow)
{
    EXPECT_THROW(busca(kPartes + QStringLiteral(" LIMIT 7")), Exception);
    EXPECT_TRUE(vistas.empty());
    EXPECT_EQ(FormL, nullptr);
    EXPECT_FALSE(BotaoAtivo);
}

TEST_F(ListSearchTest, AnEmptyStatementIsARangeError)
{
    EXPECT_THROW(busca(QString()), RangeError);
    EXPECT_EQ(FormL, nullptr);
    EXPECT_FALSE(BotaoAtivo);
}

TEST_F(ListSearchTest, ColumnsAreTitledAndSizedAndTheLastFillsTheGrid)
{
    std::vector<int> larguras;
    QStringList titulos;
    int larguraDaGrade = 0;
    bool ativo = false;
    resposta = [&](TFormBusca& janelaDaBusca) {
        ativo = BotaoAtivo;
        for (int i = 0; i < janelaDaBusca.DBGridB->columnCount(); ++i) {
            larguras.push_back(janelaDaBusca.DBGridB->columnWidth(i));
            titulos << janelaDaBusca.DBGridB->column(i).title();
        }
        larguraDaGrade = janelaDaBusca.DBGridB->width();
        janelaDaBusca.close();
    };
    busca(
        QStringLiteral("select parcod as Código, cast(pardes as varchar(10)) as nome_curto, cast(parfan as "
                       "text) as fantasia from par where cast(pardes as varchar(254)) like :0 order by pardes"));
    EXPECT_TRUE(ativo);
    EXPECT_EQ(titulos, (QStringList{"Código", "Nome curto", "Fantasia"}));
    ASSERT_EQ(larguras.size(), 3u);
    // An integer takes its kind's default width, a text of size 10 ten characters of 7 pixels.
    EXPECT_EQ(larguras[0], 15 * 7);
    EXPECT_EQ(larguras[1], 10 * 7);
    EXPECT_GT(larguraDaGrade, 400);
    EXPECT_EQ(larguras[2], larguraDaGrade - 22 - 15 * 7 - 10 * 7);
}

struct Lado {
    const char* nome;
    bool DispEsqDir;
    QString codigo;
    QString descricao;
};

class ListSearchWriteBack : public ListSearchTest, public ::testing::WithParamInterface<Lado> {};

TEST_P(ListSearchWriteBack, TakesCodeAndDescriptionFromTheFirstOrTheLastColumns)
{
    resposta = escolhe(103);
    EXPECT_TRUE(busca(kPartes, true, GetParam().DispEsqDir));
    EXPECT_EQ(codigo->text(), GetParam().codigo);
    EXPECT_EQ(nome->text(), GetParam().descricao);
    EXPECT_TRUE(NaoPassouOnEnter);
    EXPECT_EQ(FormL, nullptr);
    EXPECT_FALSE(BotaoAtivo);
}

INSTANTIATE_TEST_SUITE_P(Sides, ListSearchWriteBack,
                         ::testing::Values(Lado{"FromTheLeft", true, QStringLiteral("103"), QStringLiteral("ANA RITA")},
                                           Lado{"FromTheRight", false, QStringLiteral("ANA MODAS"),
                                                QStringLiteral("333")}),
                         [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(ListSearchTest, AChoiceMovesTheFocusOnWhenAskedAndCancellingReturnsItToTheCode)
{
    codigo->setFocus();
    resposta = escolhe(103);
    EXPECT_TRUE(busca(kPartes, true, true, true));
    EXPECT_EQ(janela.focusWidget(), nome);

    nome->setFocus();
    resposta = nullptr;
    codigo->setText(QStringLiteral("7"));
    EXPECT_FALSE(busca(kPartes));
    EXPECT_EQ(codigo->text(), QStringLiteral("7"));
    EXPECT_EQ(nome->text(), QStringLiteral("ANA RITA"));
    EXPECT_EQ(janela.focusWidget(), codigo);
}

TEST_F(ListSearchTest, TheSecondVariantSaysWhetherTheCodeChangedAndHighlights)
{
    const TLookupDestaque destaque{QStringLiteral("código"), QStringLiteral("105"), QColor(Qt::red)};
    bool usaDestaque = false;
    QString campo;
    resposta = [&](TFormBusca& janelaDaBusca) {
        usaDestaque = janelaDaBusca.usaDestaque;
        campo = janelaDaBusca.campo;
        escolhe(103)(janelaDaBusca);
    };
    codigo->setText(QStringLiteral("103"));
    EXPECT_FALSE(OnClickDoBotaoLook2(nullptr, {codigo}, {nome}, kPartes, false, true, true, &destaque));
    EXPECT_TRUE(usaDestaque);
    EXPECT_EQ(campo, QStringLiteral("código"));

    codigo->setText(QStringLiteral("5"));
    EXPECT_TRUE(OnClickDoBotaoLook2(nullptr, {codigo}, {nome}, kPartes, false, true, true, nullptr));
    EXPECT_FALSE(usaDestaque);
    EXPECT_EQ(codigo->text(), QStringLiteral("103"));
}

TEST_F(ListSearchTest, AnEmptyListIsReportedOnceAndEmptiesTheBoxes)
{
    codigo->setText(QStringLiteral("7"));
    nome->setText(QStringLiteral("NOME"));
    outro->setFocus();
    EXPECT_FALSE(busca(kPartes + QStringLiteral(" limit 0")));
    EXPECT_EQ(watcher->texts(), std::vector<QString>{QStringLiteral("Listagem vazia!")});
    EXPECT_EQ(codigo->text(), QString());
    EXPECT_EQ(nome->text(), QString());
    EXPECT_EQ(janela.focusWidget(), codigo);

    EXPECT_FALSE(
        OnClickDoBotaoLookAvancado(nullptr, {codigo}, {nome}, kPartes + QStringLiteral(" limit 0"), false, true, true));
    EXPECT_EQ(watcher->texts().size(), 2u);
    EXPECT_EQ(FormLAvanc, nullptr);
    EXPECT_FALSE(BotaoAtivo);
}

TEST_F(ListSearchTest, AnEmptyListEmptiesTheFieldOfADataAwareCodeBox)
{
    Query pedido(QStringLiteral("pedido"), &dm.FDConnection1);
    pedido.sql().add(QStringLiteral("select 7 as cliente"));
    pedido.open();
    pedido.edit();
    DataSource fonte;
    fonte.setDataSet(&pedido);
    DBEdit caixa(&janela);
    caixa.setDataSource(&fonte);
    caixa.setDataField(QStringLiteral("cliente"));
    nome->setText(QStringLiteral("NOME"));
    EXPECT_FALSE(
        OnClickDoBotaoLook(nullptr, {&caixa}, {nome}, kPartes + QStringLiteral(" limit 0"), false, true, true));
    EXPECT_TRUE(pedido.fieldByName(QStringLiteral("cliente")).isNull());
    EXPECT_EQ(nome->text(), QString());
}

// Without the exact look-up, the typed text filters the list by its first column.
class FilteredSearchTest : public ListSearchTest {
protected:
    void SetUp() override
    {
        ListSearchTest::SetUp();
        lookup = std::make_unique<TCriadorLookup>(codigo, TCaixasDeDescricao{nome, fantasia}, botao,
                                                  &LookupFixture::sqlPadrao);
        lookup->setBuscaUnica(false);
        entra();
    }

    std::unique_ptr<TCriadorLookup> lookup;
};

TEST_F(FilteredSearchTest, ASingleMatchIsTakenWithoutAWindow)
{
    digitaESai(QStringLiteral("105"));
    EXPECT_TRUE(vistas.empty());
    EXPECT_EQ(codigo->text(), QStringLiteral("105"));
    EXPECT_EQ(nome->text(), QStringLiteral("BRUNO"));
    EXPECT_EQ(fantasia->text(), QStringLiteral("BAR DO BRUNO"));
    EXPECT_TRUE(consultas().isEmpty());
}

TEST_F(FilteredSearchTest, NoMatchShowsEveryRow)
{
    resposta = [this](TFormBusca& janelaDaBusca) {
        linhas = janelaDaBusca.QueryLoc.recordCount();
        escolhe(102)(janelaDaBusca);
    };
    digitaESai(QStringLiteral("9"));
    EXPECT_EQ(vistas, std::vector<QString>{QStringLiteral("Buscar")});
    EXPECT_EQ(linhas, 4);
    EXPECT_EQ(codigo->text(), QStringLiteral("102"));
    EXPECT_EQ(nome->text(), QStringLiteral("JOSE MARIANO"));
}

}  // namespace
