#include "SearchWindowFixture.h"
#include "UnLAvanc.h"

namespace {

// The client search with the tick column in front, as the multi-select lookup prepares it.
const QString kClientes = QStringLiteral(
    "select cast('' as varchar(1)) as check, parcod as Código, pardes as Descrição from par where "
    "cast(pardes as varchar(254)) like :0 and parsit = 'A' order by pardes limit 50;");
const QStringList kTitulos{QString(), QStringLiteral("Código"), QStringLiteral("Descrição")};
constexpr int kMarca = 0;
constexpr int kCodigo = 1;
constexpr int kDescricao = 2;

class TFormLAvancTest : public SearchWindowFixture {
protected:
    void SetUp() override
    {
        SearchWindowFixture::SetUp();
        UnLAvanc::TipoCampo = 0;
        form = std::make_unique<TFormLAvanc>();
        FormLAvanc = form.get();
    }

    void TearDown() override
    {
        FormLAvanc = nullptr;
        form.reset();
        SearchWindowFixture::TearDown();
    }

    void abre() { prepara(*form, kClientes, kTitulos); }
    QStringList marcas() { return coluna(*form, QStringLiteral("check")); }
    QStringList codigos() { return coluna(*form, QStringLiteral("código")); }
    void vaiParaLinha(int linha) { form->QueryLoc.setRecNo(linha); }
    void espaco() { QTest::keyClick(form->DBGridB, Qt::Key_Space); }

    std::unique_ptr<TFormLAvanc> form;
};

TEST_F(TFormLAvancTest, OpensSortedDescendingByColumnOneWithTheTickColumnCurrent)
{
    for (const int lembrada : {0, 7}) {
        ColAntDBGridBL = lembrada;
        auto janela = std::make_unique<TFormLAvanc>();
        FormLAvanc = janela.get();
        prepara(*janela, kClientes, kTitulos);
        EXPECT_EQ(janela->caption(), QStringLiteral("Busca"));
        EXPECT_TRUE(sql(*janela).endsWith(QStringLiteral("ORDER BY PARCOD DESC  LIMIT 50;\r\n")))
            << sql(*janela).toStdString();
        EXPECT_EQ(coluna(*janela, QStringLiteral("código")), (QStringList{"105", "103", "102", "101"}));
        EXPECT_EQ(ColAntDBGridBL, kCodigo);
        EXPECT_EQ(janela->DBGridB->selectedIndex(), kMarca);
        EXPECT_EQ(janela->StatusBar1->panelText(0), QStringLiteral("Busca por :"));
        EXPECT_EQ(UnLAvanc::TipoCampo, 1);
    }
}

TEST_F(TFormLAvancTest, SpaceInTheTickColumnAndDoubleClicksToggleTheTick)
{
    abre();
    espaco();
    EXPECT_EQ(marcas(), (QStringList{"X", "", "", ""}));
    EXPECT_EQ(digitado(*form), QString());
    espaco();
    EXPECT_EQ(marcas(), (QStringList{"", "", "", ""}));

    clicaDuasVezes(*form, 2, kDescricao);
    EXPECT_EQ(marcas(), (QStringList{"", "", "X", ""}));
    EXPECT_TRUE(form->isVisible());
    clicaDuasVezes(*form, 2, kCodigo);
    EXPECT_EQ(marcas(), (QStringList{"", "", "", ""}));

    // Elsewhere a space belongs to the search text.
    form->DBGridB->setSelectedIndex(kDescricao);
    QTest::keyClicks(form->DBGridB, QStringLiteral("a r"));
    EXPECT_EQ(digitado(*form), QStringLiteral("A R"));
    EXPECT_EQ(padrao(*form), QStringLiteral("%A%R%"));
}

TEST_F(TFormLAvancTest, EnterWithoutTicksChoosesTheCurrentRowOnly)
{
    abre();
    vaiParaLinha(2);
    QTest::keyClick(form->DBGridB, Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(UnLAvanc::Escolheu);
    ASSERT_TRUE(form->QueryLoc.active());
    EXPECT_FALSE(form->QueryLoc.filtered());
    EXPECT_EQ(form->QueryLoc.filter(), QStringLiteral(" check = 'X' "));
    EXPECT_EQ(marcas(), (QStringList{"", "", "X", ""}));
}

TEST_F(TFormLAvancTest, EnterWithTicksChoosesThemAndNotTheCurrentRow)
{
    abre();
    vaiParaLinha(0);
    espaco();
    vaiParaLinha(3);
    espaco();
    vaiParaLinha(1);
    QTest::keyClick(form->DBGridB, Qt::Key_Return);
    ASSERT_TRUE(form->QueryLoc.active());
    form->QueryLoc.setFiltered(true);
    EXPECT_EQ(codigos(), (QStringList{"105", "101"}));
}

TEST_F(TFormLAvancTest, TypingReadsTheListAgainWithoutTicks)
{
    abre();
    espaco();
    vaiParaLinha(1);
    espaco();
    form->DBGridB->setSelectedIndex(kCodigo);
    QTest::keyClicks(form->DBGridB, QStringLiteral("1"));
    EXPECT_EQ(marcas(), (QStringList{"", "", "", ""}));
}

TEST_F(TFormLAvancTest, NumericColumnsTakeNoLetters)
{
    abre();
    form->DBGridB->setSelectedIndex(kCodigo);
    EXPECT_EQ(UnLAvanc::TipoCampo, 0);
    QTest::keyClicks(form->DBGridB, QStringLiteral("1a0,"));
    EXPECT_EQ(digitado(*form), QStringLiteral("10."));
    EXPECT_EQ(padrao(*form), QStringLiteral("10.%"));
}

TEST_F(TFormLAvancTest, TypingInTheTickColumnSearchesItsExpression)
{
    abre();
    QTest::keyClicks(form->DBGridB, QStringLiteral("a"));
    EXPECT_TRUE(sql(*form).contains(
        QStringLiteral("WHERE UPPER(cast(CAST('' AS VARCHAR(1)) as varchar(254))) LIKE :0 AND PARSIT = 'A' ORDER BY "
                       "CAST('' AS VARCHAR(1))")))
        << sql(*form).toStdString();
    EXPECT_EQ(ColAntDBGridBL, kMarca);
    EXPECT_TRUE(form->QueryLoc.isEmpty());

    form->DBGridB->setSelectedIndex(kDescricao);
    QTest::keyClicks(form->DBGridB, QStringLiteral("bru"));
    EXPECT_EQ(codigos(), (QStringList{"105"}));
}

TEST_F(TFormLAvancTest, TheTickColumnTitleTicksAndUnticksEveryRowOtherTitlesSort)
{
    abre();
    clicaNoTitulo(*form, kMarca);
    EXPECT_EQ(marcas(), (QStringList{"X", "X", "X", "X"}));
    EXPECT_EQ(form->DBGridB->column(kMarca).title(), QStringLiteral("X"));
    EXPECT_EQ(form->QueryLoc.recNo(), 0);
    clicaNoTitulo(*form, kMarca);
    EXPECT_EQ(marcas(), (QStringList{"", "", "", ""}));

    clicaNoTitulo(*form, kDescricao);
    EXPECT_EQ(coluna(*form, QStringLiteral("descrição")),
              (QStringList{"ANA RITA", "BRUNO", "JOSE MARIANO", "MARIA DA SILVA"}));
    EXPECT_EQ(ColAntDBGridBL, kDescricao);
    EXPECT_EQ(form->DBGridB->selectedIndex(), kDescricao);
}

TEST_F(TFormLAvancTest, AnEmptyListIgnoresTicksAndEnterAndEscapeCancels)
{
    abre();
    form->DBGridB->setSelectedIndex(kCodigo);
    QTest::keyClicks(form->DBGridB, QStringLiteral("9"));
    ASSERT_TRUE(form->QueryLoc.isEmpty());
    form->DBGridB->setSelectedIndex(kMarca);
    espaco();
    form->DBGridBDblClick(form->DBGridB);
    QTest::keyClick(form->DBGridB, Qt::Key_Return);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(UnLAvanc::Escolheu);
    EXPECT_TRUE(watcher->texts().empty());

    QTest::keyClick(form->DBGridB, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->QueryLoc.active());
}

}  // namespace
