#include "LookupFixture.h"
#include "DBEdit.h"
#include "DataSource.h"
#include "Exception.h"
#include "Query.h"
#include "RangeError.h"
#include "TCriadorLookup.h"

#include <memory>

namespace {

class LookupBindingTest : public LookupFixture {
protected:
    void liga(TELookUpSQL sql = &LookupFixture::sqlPadrao)
    {
        lookup = std::make_unique<TCriadorLookup>(codigo, TCaixasDeDescricao{nome, fantasia}, botao, std::move(sql));
        entra();
    }

    std::unique_ptr<TCriadorLookup> lookup;
};

TEST_F(LookupBindingTest, AFoundCodeFillsTheDescriptionsWithOneIntegerQueryAndNoWindow)
{
    liga();
    digitaESai(QStringLiteral("0103"));
    EXPECT_EQ(nome->text(), QStringLiteral("ANA RITA"));
    EXPECT_EQ(fantasia->text(), QStringLiteral("ANA MODAS"));
    EXPECT_EQ(consultas(), QStringList{QStringLiteral("integer")});
    EXPECT_TRUE(vistas.empty());
    EXPECT_TRUE(NaoPassouOnEnter);
    EXPECT_EQ(QApplication::focusWidget(), nome);
}

TEST_F(LookupBindingTest, AnUnchangedCodeIsLookedUpAgainOnlyWhenTheDescriptionIsEmpty)
{
    liga();
    digitaESai(QStringLiteral("103"));
    ASSERT_EQ(consultas().size(), 1);

    entra();
    sai();
    EXPECT_EQ(consultas().size(), 1);
    EXPECT_EQ(nome->text(), QStringLiteral("ANA RITA"));
    EXPECT_TRUE(NaoPassouOnEnter);

    entra();
    nome->clear();
    sai();
    EXPECT_EQ(consultas().size(), 2);
    EXPECT_EQ(nome->text(), QStringLiteral("ANA RITA"));
}

// The code is remembered as entered: 007 against its value 7 counts as a change.
TEST_F(LookupBindingTest, ACodeWithLeadingZerosLeftUntouchedIsLookedUpAgain)
{
    liga();
    digitaESai(QStringLiteral("0103"));
    entra();
    sai();
    EXPECT_EQ(consultas().size(), 2);
}

TEST_F(LookupBindingTest, LeavingAnEmptyCodeLooksNothingUp)
{
    liga();
    sai();
    EXPECT_TRUE(consultas().isEmpty());
    EXPECT_TRUE(vistas.empty());
}

TEST_F(LookupBindingTest, DescriptionTextsAreKeptPutBackOrForgotten)
{
    const TCaixasDeDescricao caixas{nome, fantasia};
    ConteudoDBEditAntLook = QStringLiteral("7");
    nome->setText(QStringLiteral("A"));
    fantasia->setText(QStringLiteral("B"));
    TratarConteudodoEditDes(caixas, u'r');
    nome->setText(QStringLiteral("X"));
    fantasia->clear();
    TratarConteudodoEditDes(caixas, u'p');
    EXPECT_EQ(nome->text(), QStringLiteral("A"));
    EXPECT_EQ(fantasia->text(), QStringLiteral("B"));
    EXPECT_TRUE(ConteudoEditDes.empty());

    // Without an entered code every action forgets.
    TratarConteudodoEditDes(caixas, u'r');
    ConteudoDBEditAntLook.clear();
    TratarConteudodoEditDes(caixas, u'r');
    EXPECT_EQ(ConteudoEditDes, (std::vector<QString>{QString(), QString()}));
}

TEST_F(LookupBindingTest, AChangeEmptiesTheDescriptionsOnlyWhenTheFirstIsFilled)
{
    Edit auxiliar(&janela);
    liga();
    lookup->setEditDesAux({&auxiliar});
    nome->setText(QStringLiteral("NOME"));
    fantasia->setText(QStringLiteral("FANTASIA"));
    auxiliar.setText(QStringLiteral("AUX"));
    QTest::keyClicks(codigo, QStringLiteral("1"));
    EXPECT_EQ(nome->text(), QString());
    EXPECT_EQ(fantasia->text(), QString());
    EXPECT_EQ(auxiliar.text(), QString());

    fantasia->setText(QStringLiteral("FANTASIA"));
    QTest::keyClicks(codigo, QStringLiteral("2"));
    EXPECT_EQ(fantasia->text(), QStringLiteral("FANTASIA"));
}

TEST_F(LookupBindingTest, TheSpaceBarInAReadOnlyCodeBoxOpensNothing)
{
    liga();
    codigo->setReadOnly(true);
    QTest::keyClick(codigo, Qt::Key_Space);
    EXPECT_TRUE(vistas.empty());
    codigo->setReadOnly(false);
    QTest::keyClick(codigo, Qt::Key_Space);
    EXPECT_EQ(vistas, std::vector<QString>{QStringLiteral("Buscar")});
    EXPECT_EQ(codigo->text(), QString());
}

// What a by-code result reads as once made text decides between "found" and the search list; a
// one-column result and the first value of a several-column one are judged by different markers.
struct Marcador {
    const char* nome;
    QString valor;
    bool variasColunas;
    bool abreALista;
};

class LookupMarkers : public LookupBindingTest, public ::testing::WithParamInterface<Marcador> {};

TEST_P(LookupMarkers, DecideBetweenFoundAndTheList)
{
    const Marcador caso = GetParam();
    liga([caso](QObject* objeto, std::uint8_t evento) {
        if (evento == 2)
            return sqlPadrao(objeto, evento);
        const QString valor = QStringLiteral("cast('%1' as varchar(30))").arg(caso.valor);
        return caso.variasColunas ? QStringLiteral("select %1, 'segunda'").arg(valor)
                                  : QStringLiteral("select %1").arg(valor);
    });
    digitaESai(QStringLiteral("5"));
    if (caso.abreALista) {
        EXPECT_EQ(vistas, std::vector<QString>{QStringLiteral("Buscar")});
        EXPECT_EQ(nome->text(), QString());
    } else {
        EXPECT_TRUE(vistas.empty());
        EXPECT_EQ(nome->text(), caso.valor);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, LookupMarkers,
                         ::testing::Values(Marcador{"OneEmpty", "", false, true}, Marcador{"OneZero", "0", false, true},
                                           Marcador{"OneZeroAmount", "0,00", false, true},
                                           Marcador{"OneZeroTime", "00:00", false, true},
                                           Marcador{"OneEmptyDate", "01/01/1500", false, true},
                                           Marcador{"OneEmptyDateAndTime", "01/01/1500 00:00", false, true},
                                           Marcador{"OneEmptyDateWithSeconds", "01/01/1500 00:00:00", false, false},
                                           Marcador{"OneName", "BRUNO", false, false},
                                           Marcador{"RowEmpty", "", true, true}, Marcador{"RowZero", "0", true, true},
                                           Marcador{"RowZeroAmount", "0,00", true, true},
                                           Marcador{"RowZeroTime", "00:00", true, true},
                                           Marcador{"RowEmptyDateWithSeconds", "01/01/1500 00:00:00", true, true},
                                           Marcador{"RowEmptyDate", "01/01/1500", true, false},
                                           Marcador{"RowEmptyDateAndTime", "01/01/1500 00:00", true, false},
                                           Marcador{"RowName", "BRUNO", true, false}),
                         [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(LookupBindingTest, TheControlsOwnHandlersAreKeptAndReplaceTheLookup)
{
    int saidas = 0;
    int cliques = 0;
    codigo->OnExit = [&saidas](QObject*) { ++saidas; };
    botao->OnClick = [&cliques](QObject*) { ++cliques; };
    liga();
    digitaESai(QStringLiteral("103"));
    EXPECT_EQ(saidas, 1);
    EXPECT_EQ(cliques, 0);
    EXPECT_TRUE(consultas().isEmpty());
    EXPECT_EQ(nome->text(), QString());

    botao->click();
    EXPECT_EQ(cliques, 1);
    EXPECT_TRUE(vistas.empty());
}

TEST_F(LookupBindingTest, AButtonsOwnClickRunsInsteadOfTheLookupWhenTheCodeIsLeft)
{
    int cliques = 0;
    botao->OnClick = [&cliques](QObject*) { ++cliques; };
    liga();
    digitaESai(QStringLiteral("103"));
    EXPECT_EQ(cliques, 1);
    EXPECT_TRUE(consultas().isEmpty());
}

TEST_F(LookupBindingTest, BindingNeedsADescriptionBoxAndAnEditBox)
{
    EXPECT_THROW(TCriadorLookup(codigo, {}, botao, &LookupFixture::sqlPadrao), RangeError);
    EXPECT_THROW(TCriadorLookup(botao, {nome}, botao, &LookupFixture::sqlPadrao), Exception);
    EXPECT_FALSE(botao->OnClick);
    liga();
    EXPECT_THROW(lookup->setEditDesAux({}), RangeError);
}

TEST_F(LookupBindingTest, DestroyingTheBindingTakesItsHandlersOffTheControls)
{
    liga();
    lookup.reset();
    EXPECT_FALSE(codigo->OnEnter);
    EXPECT_FALSE(codigo->OnChange);
    EXPECT_FALSE(codigo->OnExit);
    EXPECT_FALSE(codigo->OnKeyPress);
    EXPECT_FALSE(botao->OnClick);
    digitaESai(QStringLiteral("103"));
    EXPECT_TRUE(consultas().isEmpty());
}

struct Varios {
    const char* nome;
    QString codigo;
    QString descricao;
    QString esperado;
};

class LookupObtemValorVarios : public LookupBindingTest, public ::testing::WithParamInterface<Varios> {};

TEST_P(LookupObtemValorVarios, QuotesTheChosenCodes)
{
    liga();
    codigo->setText(GetParam().codigo);
    nome->setText(GetParam().descricao);
    EXPECT_EQ(lookup->obtemValorVarios(), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, LookupObtemValorVarios,
    ::testing::Values(Varios{"Several", QStringLiteral("VÁRIOS"), QStringLiteral("3,8"), QStringLiteral("'3','8'")},
                      Varios{"One", QStringLiteral("5"), QStringLiteral("X"), QStringLiteral("'5'")},
                      Varios{"None", QString(), QStringLiteral("X"), QString()}),
    [](const auto& caso) { return std::string(caso.param.nome); });

class LookupMultiSelect : public LookupBindingTest {
protected:
    void SetUp() override
    {
        LookupBindingTest::SetUp();
        liga();
        lookup->setPermiteMultiSelecao(true);
    }

    // Ticks the rows of the given codes and presses Enter.
    static std::function<void(TFormBusca&)> marca(std::vector<int> codigos)
    {
        return [codigos](TFormBusca& busca) {
            auto& avancada = dynamic_cast<TFormLAvanc&>(busca);
            for (int cod : codigos) {
                avancada.QueryLoc.locate(QStringLiteral("código"), Value(cod));
                avancada.marcar();
            }
            QTest::keyClick(avancada.DBGridB, Qt::Key_Return);
        };
    }
};

TEST_F(LookupMultiSelect, SeveralTickedRowsWriteVariosAndTheCodes)
{
    resposta = marca({102, 105});
    botao->click();
    EXPECT_EQ(vistas, std::vector<QString>{QStringLiteral("Busca")});
    EXPECT_EQ(codigo->text(), QStringLiteral("VÁRIOS"));
    QStringList codigos = nome->text().split(u',');
    codigos.sort();
    EXPECT_EQ(codigos, (QStringList{"102", "105"}));
    EXPECT_EQ(lookup->obtemValorVarios(), u'\'' + nome->text().replace(u',', QStringLiteral("','")) + u'\'');
    EXPECT_EQ(FormLAvanc, nullptr);
    EXPECT_FALSE(BotaoAtivo);

    // Leaving the box that shows a multi-selection looks nothing up.
    entra();
    sai();
    EXPECT_TRUE(consultas().isEmpty());
    EXPECT_EQ(vistas.size(), 1u);
}

TEST_F(LookupMultiSelect, OneTickedRowWritesItsCodeAndDescriptions)
{
    resposta = marca({103});
    botao->click();
    EXPECT_EQ(codigo->text(), QStringLiteral("103"));
    EXPECT_EQ(nome->text(), QStringLiteral("ANA RITA"));
    EXPECT_EQ(fantasia->text(), QStringLiteral("ANA MODAS"));
}

TEST_F(LookupMultiSelect, LeavingTheBoxKeepsTheDigitsAndLooksThemUpAsText)
{
    codigo->setText(QStringLiteral("1a03"));
    sai();
    EXPECT_EQ(codigo->text(), QStringLiteral("103"));
    EXPECT_EQ(nome->text(), QStringLiteral("ANA RITA"));
    EXPECT_EQ(consultas(), QStringList{QStringLiteral("text")});

    entra();
    codigo->setText(QStringLiteral("abc"));
    sai();
    EXPECT_EQ(vistas, std::vector<QString>{QStringLiteral("Busca")});
}

// A data-aware code box gets the chosen code into its field; the field showing its stored value
// is no change of code.
TEST_F(LookupBindingTest, ADataAwareCodeBoxWorksThroughItsField)
{
    Query pedido(QStringLiteral("pedido"), &dm.FDConnection1);
    pedido.sql().add(QStringLiteral("select cast(null as integer) as cliente"));
    pedido.open();
    pedido.edit();
    DataSource fonte;
    fonte.setDataSet(&pedido);
    DBEdit caixa(&janela);
    caixa.setGeometry(0, 50, 70, 24);
    caixa.setDataSource(&fonte);
    caixa.setDataField(QStringLiteral("cliente"));
    caixa.show();
    lookup =
        std::make_unique<TCriadorLookup>(&caixa, TCaixasDeDescricao{nome}, botao, &pedido, &LookupFixture::sqlPadrao);
    resposta = escolhe(105);
    botao->click();
    EXPECT_EQ(pedido.fieldByName(QStringLiteral("cliente")).asInteger(), 105);
    EXPECT_EQ(caixa.text(), QStringLiteral("105"));
    EXPECT_EQ(nome->text(), QStringLiteral("BRUNO"));

    pedido.fieldByName(QStringLiteral("cliente")).setAsInteger(103);
    EXPECT_EQ(caixa.text(), QStringLiteral("103"));
    EXPECT_EQ(nome->text(), QStringLiteral("BRUNO"));
    lookup.reset();
}

}  // namespace
