#include "SearchWindowFixture.h"
#include "UnL.h"

#include <QApplication>

namespace {

// The client search as the client lookup prepares it.
const QString kClientes = QStringLiteral(
    "select parcod as Código, pardes as Descrição, parfan as Fantasia, parcnpjcpf as CNPJ from par where "
    "cast(pardes as varchar(254)) like :0 and parsit = 'A' order by pardes limit 50;");
const QStringList kTitulos{QStringLiteral("Código"), QStringLiteral("Descrição"), QStringLiteral("Fantasia"),
                           QStringLiteral("CNPJ")};
constexpr int kCodigo = 0;
constexpr int kDescricao = 1;
constexpr int kFantasia = 2;

class TFormLTest : public SearchWindowFixture {
protected:
    void SetUp() override
    {
        SearchWindowFixture::SetUp();
        UnL::TipoCampo = 0;
        form = std::make_unique<TFormL>();
        FormL = form.get();
    }

    void TearDown() override
    {
        FormL = nullptr;
        form.reset();
        SearchWindowFixture::TearDown();
    }

    void abre(const QString& statement = kClientes) { prepara(*form, statement, kTitulos); }
    QStringList codigos() { return coluna(*form, QStringLiteral("código")); }

    std::unique_ptr<TFormL> form;
};

TEST_F(TFormLTest, OpensSortedDescendingByTheRememberedFirstColumnOrAsPreparedWhenToldNotTo)
{
    abre();
    EXPECT_EQ(form->caption(), QStringLiteral("Buscar"));
    EXPECT_TRUE(sql(*form).endsWith(QStringLiteral("ORDER BY PARCOD DESC  LIMIT 50;\r\n"))) << sql(*form).toStdString();
    EXPECT_EQ(codigos(), (QStringList{"105", "103", "102", "101"}));
    EXPECT_EQ(padrao(*form), QStringLiteral("%"));
    EXPECT_EQ(form->DBGridB->selectedIndex(), kCodigo);
    EXPECT_EQ(form->ColAntDBGridBL, kCodigo);
    EXPECT_EQ(form->StatusBar1->panelText(0), QStringLiteral("Busca por CÓDIGO:"));
    EXPECT_EQ(UnL::TipoCampo, 0);

    auto asPrepared = std::make_unique<TFormL>();
    FormL = asPrepared.get();
    asPrepared->buscaNovamenteOnShow = false;
    prepara(*asPrepared, kClientes, kTitulos);
    EXPECT_EQ(sql(*asPrepared), kClientes + QStringLiteral("\r\n"));
    EXPECT_EQ(coluna(*asPrepared, QStringLiteral("descrição")),
              (QStringList{"ANA RITA", "BRUNO", "JOSE MARIANO", "MARIA DA SILVA"}));
}

TEST_F(TFormLTest, ASharedRememberedColumnIsReplayedAscending)
{
    ColAntDBGridBL = kFantasia;
    abre();
    EXPECT_TRUE(sql(*form).endsWith(QStringLiteral("ORDER BY PARFAN LIMIT 50;\r\n"))) << sql(*form).toStdString();
    EXPECT_EQ(form->DBGridB->selectedIndex(), kFantasia);
    EXPECT_EQ(form->StatusBar1->panelText(0), QStringLiteral("Busca por FANTASIA:"));
    EXPECT_EQ(UnL::TipoCampo, 1);
}

struct Digitacao {
    const char* nome;
    int coluna;
    QString teclas;
    QString mostrado;
    QString enviado;
};

void PrintTo(const Digitacao& caso, std::ostream* out)
{
    *out << caso.nome;
}

class TFormLTyping : public TFormLTest, public ::testing::WithParamInterface<Digitacao> {};

TEST_P(TFormLTyping, ShowsTheTypedTextAndSendsItsPattern)
{
    const Digitacao& caso = GetParam();
    abre();
    form->DBGridB->setSelectedIndex(caso.coluna);
    for (const QChar c : caso.teclas) {
        if (c == u'\b')
            QTest::keyClick(form->DBGridB, Qt::Key_Backspace);
        else
            digita(form->DBGridB, QString(c));
    }
    EXPECT_EQ(digitado(*form), caso.mostrado);
    EXPECT_EQ(padrao(*form), caso.enviado);
    EXPECT_TRUE(form->QueryLoc.active());
    EXPECT_TRUE(watcher->texts().empty()) << watcher->texts().front().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Busca, TFormLTyping,
    ::testing::Values(
        Digitacao{"TextoComEspacos", kDescricao, QStringLiteral("ma ri"), QStringLiteral("MA RI"),
                  QStringLiteral("%MA%RI%")},
        Digitacao{"TextoRecusaPorcentoApostrofoEAcentos", kDescricao, QStringLiteral("a%'ãé"), QStringLiteral("A"),
                  QStringLiteral("%A%")},
        Digitacao{"TextoAceitaSinais", kDescricao, QStringLiteral("a&b-c/d_e\\f\""), QStringLiteral("A&B-C/D_E\\F\""),
                  QStringLiteral("%A&B-C/D_E\\F\"%")},
        Digitacao{"EspacoPrimeiroNaoAparece", kDescricao, QStringLiteral(" "), QString(), QStringLiteral("%%")},
        Digitacao{"BackspaceSemTexto", kDescricao, QStringLiteral("\b"), QString(), QStringLiteral("%%")},
        Digitacao{"BackspaceApagaOUltimo", kDescricao, QStringLiteral("ab\b"), QStringLiteral("A"),
                  QStringLiteral("%A%")},
        Digitacao{"NumeroTrocaVirgulaPorPonto", kCodigo, QStringLiteral("12,5"), QStringLiteral("12.5"),
                  QStringLiteral("12.5%")},
        Digitacao{"NumeroAceitaLetrasERecusaEspacoEAcentos", kCodigo, QStringLiteral("1 aé"), QStringLiteral("1A"),
                  QStringLiteral("1A%")},
        Digitacao{"BackspaceNumaColunaNumerica", kCodigo, QStringLiteral("\b"), QString(), QStringLiteral("%")}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(TFormLTest, TheFirstKeyInAnotherColumnRewritesTheStatementForIt)
{
    abre();
    const QString antes = sql(*form);
    form->DBGridB->setSelectedIndex(kDescricao);
    // Entering the column only resets the status bar.
    EXPECT_EQ(form->StatusBar1->panelText(0), QStringLiteral("Busca por DESCRIÇÃO:"));
    EXPECT_EQ(sql(*form), antes);
    EXPECT_EQ(UnL::TipoCampo, 1);

    QTest::keyClicks(form->DBGridB, QStringLiteral("ma ri"));
    EXPECT_EQ(sql(*form),
              QStringLiteral("SELECT PARCOD AS CÓDIGO, PARDES AS DESCRIÇÃO, PARFAN AS FANTASIA, PARCNPJCPF AS CNPJ "
                             "FROM PAR WHERE UPPER(cast(PARDES as varchar(254))) LIKE :0 AND PARSIT = 'A' ORDER BY "
                             "PARDES DESC  LIMIT 50;\r\n"));
    EXPECT_EQ(form->ColAntDBGridBL, kDescricao);
    EXPECT_EQ(coluna(*form, QStringLiteral("descrição")), (QStringList{"MARIA DA SILVA", "JOSE MARIANO"}));
    // The grid stays in the column being typed in while the list is read again.
    EXPECT_EQ(form->DBGridB->selectedIndex(), kDescricao);
    // The typed-text panel widens for a long column without the window growing with it.
    EXPECT_EQ(form->width(), 674);

    form->DBGridB->setSelectedIndex(kCodigo);
    EXPECT_EQ(digitado(*form), QString());
    QTest::keyClicks(form->DBGridB, QStringLiteral("10"));
    EXPECT_EQ(padrao(*form), QStringLiteral("10%"));
    // The direction written after the old sort column is carried over to the new one.
    EXPECT_TRUE(
        sql(*form).endsWith(QStringLiteral("UPPER(cast(PARCOD as varchar(254))) LIKE :0 AND PARSIT = 'A' "
                                           "ORDER BY PARCOD DESC  LIMIT 50;\r\n")))
        << sql(*form).toStdString();
    EXPECT_EQ(codigos(), (QStringList{"105", "103", "102", "101"}));
}

TEST_F(TFormLTest, TheMonthColumnIsSearchedFromTheBeginning)
{
    prepara(*form,
            QStringLiteral("select parcod as código, pardes as mundes from par where cast(pardes as varchar(254)) "
                           "like :0 order by pardes"),
            {QStringLiteral("Código"), QStringLiteral("Mês")});
    form->DBGridB->setSelectedIndex(1);
    QTest::keyClicks(form->DBGridB, QStringLiteral("a r"));
    EXPECT_EQ(padrao(*form), QStringLiteral("A%R%"));
    EXPECT_EQ(coluna(*form, QStringLiteral("mundes")), (QStringList{"ANA RITA"}));
}

TEST_F(TFormLTest, EnterOrADoubleClickChoosesTheCurrentRow)
{
    abre();
    form->DBGridB->setSelectedIndex(kDescricao);
    QTest::keyClicks(form->DBGridB, QStringLiteral("jose"));
    QTest::keyClick(form->DBGridB, Qt::Key_Return);
    EXPECT_TRUE(form->Escolheu);
    EXPECT_FALSE(form->isVisible());
    ASSERT_TRUE(form->QueryLoc.active());
    EXPECT_EQ(form->QueryLoc.fieldByName(QStringLiteral("código")).asInteger(), 102);

    auto other = std::make_unique<TFormL>();
    FormL = other.get();
    prepara(*other, kClientes, kTitulos);
    clicaDuasVezes(*other, 2, kFantasia);
    EXPECT_TRUE(other->Escolheu);
    ASSERT_TRUE(other->QueryLoc.active());
    EXPECT_EQ(other->QueryLoc.fieldByName(QStringLiteral("código")).asInteger(), 102);
}

TEST_F(TFormLTest, EnterOnAnEmptyListDoesNothingAndEscapeCancels)
{
    abre();
    QTest::keyClicks(form->DBGridB, QStringLiteral("999"));
    ASSERT_TRUE(form->QueryLoc.isEmpty());
    QTest::keyClick(form->DBGridB, Qt::Key_Return);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->Escolheu);

    form->Decrescente = true;
    QTest::keyClick(form->DBGridB, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->QueryLoc.active());
    EXPECT_FALSE(form->Decrescente);
}

TEST_F(TFormLTest, TheCloseBoxCancelsAndTheModalShowReturnsCancelEitherWay)
{
    abre();
    QTest::keyClick(form->DBGridB, Qt::Key_Down);
    form->close();
    EXPECT_FALSE(form->QueryLoc.active());

    // A chosen row: the modal run ends as a plain close too; only the query tells the outcome.
    auto chosen = std::make_unique<TFormL>();
    FormL = chosen.get();
    prepara(*chosen, kClientes, kTitulos, false);
    watcher = std::make_unique<ModalWatcher>([&](QWidget& window) {
        if (&window == chosen.get())
            QTest::keyClick(chosen->DBGridB, Qt::Key_Return);
    });
    EXPECT_EQ(chosen->showModal(), mrCancel);
    EXPECT_TRUE(chosen->QueryLoc.active());
    EXPECT_EQ(chosen->QueryLoc.fieldByName(QStringLiteral("código")).asInteger(), 105);
}

TEST_F(TFormLTest, TitleClicksSortAscendingThenDescendingAndShowEveryRowAgain)
{
    abre();
    form->DBGridB->setSelectedIndex(kDescricao);
    QTest::keyClicks(form->DBGridB, QStringLiteral("maria"));
    ASSERT_EQ(codigos().size(), 2);

    clicaNoTitulo(*form, kFantasia);
    EXPECT_EQ(padrao(*form), QStringLiteral("%"));
    EXPECT_EQ(coluna(*form, QStringLiteral("fantasia")),
              (QStringList{"ANA MODAS", "BAR DO BRUNO", "MERCADO MARIA", "PADARIA ZE"}));
    EXPECT_EQ(form->DBGridB->selectedIndex(), kFantasia);
    EXPECT_EQ(form->ColAntDBGridBL, kFantasia);
    EXPECT_EQ(form->StatusBar1->panelText(0), QStringLiteral("Busca por FANTASIA:"));
    EXPECT_EQ(digitado(*form), QString());

    clicaNoTitulo(*form, kFantasia);
    EXPECT_EQ(coluna(*form, QStringLiteral("fantasia")),
              (QStringList{"PADARIA ZE", "MERCADO MARIA", "BAR DO BRUNO", "ANA MODAS"}));
}

TEST_F(TFormLTest, AStatementTheSearchCannotRewriteIsRefusedAndEscapeStillCancels)
{
    abre(QStringLiteral("select parcod as código, pardes as descrição from par where pardes like :0"));
    ASSERT_EQ(watcher->texts().size(), 1u);
    EXPECT_TRUE(watcher->texts().front().contains(QStringLiteral("ORDER BY")))
        << watcher->texts().front().toStdString();
    EXPECT_TRUE(form->QueryLoc.active());

    // Typing in another column asks for the same rewrite: refused again, the list stays as it was.
    form->DBGridB->setSelectedIndex(kDescricao);
    QTest::keyClicks(form->DBGridB, QStringLiteral("a"));
    EXPECT_EQ(watcher->texts().size(), 2u);
    EXPECT_EQ(form->QueryLoc.recordCount(), 5);

    QTest::keyClick(form->DBGridB, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->QueryLoc.active());
}

TEST_F(TFormLTest, TheDirectRewritePointsTheSearchAtAColumnAndLeavesTheQueryClosed)
{
    prepara(*form, kClientes, kTitulos, false);
    form->TrocaTextoDaSQL(QStringLiteral("parcod"));
    EXPECT_FALSE(form->QueryLoc.active());
    form->QueryLoc.param(0).setText(QStringLiteral("10%"));
    form->QueryLoc.open();
    EXPECT_EQ(codigos(), (QStringList{"101", "102", "103", "105"}));
}

// The pixels of a cell's text drawn in a bluish colour, against the light background of the grid.
struct Tinta {
    int esquerda = INT_MAX;
    int direita = -1;
    int pontos = 0;
};

Tinta tintaAzul(const QImage& imagem, const QRect& celula)
{
    Tinta tinta;
    for (int y = celula.top(); y <= celula.bottom(); ++y)
        for (int x = celula.left(); x <= celula.right(); ++x) {
            const QColor c = imagem.pixelColor(x, y);
            if (c.blue() - c.red() > 60 && c.blue() - c.green() > 60) {
                tinta.esquerda = std::min(tinta.esquerda, x);
                tinta.direita = std::max(tinta.direita, x);
                ++tinta.pontos;
            }
        }
    return tinta;
}

TEST_F(TFormLTest, HighlightedRowsAreDrawnInTheirColourWithNumbersRightAligned)
{
    form->campo = QStringLiteral("código");
    form->condicaoCampo = QStringLiteral("102");
    form->corDeDestaque = QColor(0, 0, 255);
    form->usaDestaque = true;
    form->buscaNovamenteOnShow = false;
    abre();
    // Rows by description: ANA RITA 103, BRUNO 105, JOSE MARIANO 102, MARIA DA SILVA 101; row 0 is current.
    DBGrid& grade = *form->DBGridB;
    const QImage imagem = grade.grab().toImage();
    ASSERT_EQ(imagem.devicePixelRatio(), 1.0);
    auto celula = [&](int linha, int coluna) {
        const QRect r = grade.visualRect(grade.model()->index(linha, coluna));
        return QRect(grade.viewport()->mapTo(&grade, r.topLeft()), r.size());
    };
    const QRect numero = celula(2, kCodigo);
    const Tinta noNumero = tintaAzul(imagem, numero);
    ASSERT_GT(noNumero.pontos, 0);
    EXPECT_LE(noNumero.direita, numero.left() + numero.width() - 2);
    EXPECT_GE(noNumero.direita, numero.left() + numero.width() - 6);
    const QRect texto = celula(2, kDescricao);
    const Tinta noTexto = tintaAzul(imagem, texto);
    ASSERT_GT(noTexto.pontos, 0);
    EXPECT_GE(noTexto.esquerda, texto.left() + 2);
    EXPECT_LE(noTexto.esquerda, texto.left() + 5);
    for (const int outra : {1, 3})
        for (const int col : {kCodigo, kDescricao})
            EXPECT_EQ(tintaAzul(imagem, celula(outra, col)).pontos, 0) << outra << "," << col;
}

}  // namespace
