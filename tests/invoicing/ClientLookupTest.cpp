#include "InvoiceListFixture.h"
#include "UnL.h"

#include <QApplication>
#include <QTest>

namespace {

const QString kNenhuma = QStringLiteral("<nenhuma>");

// The main window with the clients of the host data, the cursor in the client code box. Search
// windows are answered by `escolha`: the code of the row to choose, or none to close the window.
class ClientLookupTest : public InvoiceListFixture {
protected:
    void SetUp() override
    {
        InvoiceListFixture::SetUp();
        db().exec(
            QStringLiteral("update par set parfan = 'FANTASIA ' || parcod; "
                           "insert into par (parcod, pardes, parsit) values (50, 'CLIENTE INATIVO', 'I');"));
        watcher = std::make_unique<ModalWatcher>([this](QWidget& janela) { responde(janela); });
        entraNoCodigo();
    }

    void responde(QWidget& janela)
    {
        auto* busca = dynamic_cast<TFormL*>(&janela);
        if (!busca) {
            janela.close();
            return;
        }
        linhasDaLista = busca->QueryLoc.recordCount();
        if (escolha < 0) {
            janela.close();
            return;
        }
        busca->QueryLoc.locate(QStringLiteral("código"), Value(escolha));
        QTest::keyClick(busca->DBGridB, Qt::Key_Return);
    }

    void reativa()
    {
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void entraNoCodigo()
    {
        reativa();
        form->EditCli->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), form->EditCli);
    }

    // Types into the client code box and leaves it with Tab, as the clerk does.
    void digitaESai(const QString& teclas)
    {
        QTest::keyClicks(form->EditCli, teclas);
        QTest::keyClick(form->EditCli, Qt::Key_Tab);
        QApplication::processEvents();
    }

    std::vector<QString> captions() const
    {
        std::vector<QString> result;
        for (const ModalWatcher::Seen& seen : watcher->seen())
            result.push_back(seen.caption);
        return result;
    }

    int escolha = -1;
    int linhasDaLista = -1;
};

TEST_F(ClientLookupTest, AnActiveClientsCodeFillsTheNameWithoutAWindowAndLeadingZerosAreDropped)
{
    digitaESai(QStringLiteral("9"));
    EXPECT_EQ(form->EditCliDes->text(), QStringLiteral("CLIENTE NOVE SILVA"));
    EXPECT_TRUE(watcher->seen().empty());
    EXPECT_EQ(QApplication::focusWidget(), form->bb_selecionar);

    entraNoCodigo();
    form->EditCli->clear();
    digitaESai(QStringLiteral("007"));
    EXPECT_EQ(form->EditCli->text(), QStringLiteral("007"));
    EXPECT_EQ(form->EditCliDes->text(), QStringLiteral("CLIENTE SETE LTDA"));
    EXPECT_TRUE(watcher->seen().empty());
}

// A renamed client shows whether the name was read again.
TEST_F(ClientLookupTest, AnUnchangedCodeIsReadAgainOnlyWhenTheNameIsEmpty)
{
    digitaESai(QStringLiteral("9"));
    db().exec(QStringLiteral("update par set pardes = 'NOVE RENOMEADO' where parcod = 9"));
    entraNoCodigo();
    QTest::keyClick(form->EditCli, Qt::Key_Tab);
    EXPECT_EQ(form->EditCliDes->text(), QStringLiteral("CLIENTE NOVE SILVA"));

    entraNoCodigo();
    form->EditCliDes->clear();
    QTest::keyClick(form->EditCli, Qt::Key_Tab);
    EXPECT_EQ(form->EditCliDes->text(), QStringLiteral("NOVE RENOMEADO"));
    EXPECT_TRUE(watcher->seen().empty());
}

struct CodigoNaoEncontrado {
    const char* nome;
    QString codigo;
};

class ClientLookupNotFound : public ClientLookupTest, public ::testing::WithParamInterface<CodigoNaoEncontrado> {};

TEST_P(ClientLookupNotFound, OpensTheListAndTheChosenRowWritesCodeAndName)
{
    escolha = 30;
    digitaESai(GetParam().codigo);
    EXPECT_EQ(captions(), std::vector<QString>{QStringLiteral("Buscar")});
    EXPECT_EQ(form->EditCli->text(), QStringLiteral("30"));
    EXPECT_EQ(form->EditCliDes->text(), QStringLiteral("TRANSPORTADORA A"));
    EXPECT_EQ(FormL, nullptr);
    EXPECT_FALSE(BotaoAtivo);
}

INSTANTIATE_TEST_SUITE_P(Codes, ClientLookupNotFound,
                         ::testing::Values(CodigoNaoEncontrado{"Unknown", QStringLiteral("77")},
                                           CodigoNaoEncontrado{"Inactive", QStringLiteral("50")}),
                         [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(ClientLookupTest, TheListShowsAtMostFiftyActiveParties)
{
    db().exec(
        QStringLiteral("insert into par (parcod, pardes) select g, 'PARTE ' || g from generate_series(100, 159) g"));
    digitaESai(QStringLiteral("77"));
    EXPECT_EQ(linhasDaLista, 50);
}

TEST_F(ClientLookupTest, ClosingTheListWithoutAChoiceLeavesTheBoxesAndReturnsToTheCode)
{
    form->EditCliDes->setText(QStringLiteral("NOME ANTERIOR"));
    digitaESai(QStringLiteral("77"));
    EXPECT_EQ(captions(), std::vector<QString>{QStringLiteral("Buscar")});
    EXPECT_EQ(form->EditCli->text(), QStringLiteral("77"));
    // Typing had already emptied the stale name.
    EXPECT_EQ(form->EditCliDes->text(), QString());
    EXPECT_EQ(form->focusWidget(), form->EditCli);
}

TEST_F(ClientLookupTest, TheButtonAndTheSpaceBarOpenTheListWhateverIsTyped)
{
    digitaESai(QStringLiteral("9"));
    ASSERT_EQ(form->EditCliDes->text(), QStringLiteral("CLIENTE NOVE SILVA"));

    escolha = 8;
    form->bbCli->click();
    EXPECT_EQ(captions(), std::vector<QString>{QStringLiteral("Buscar")});
    EXPECT_EQ(form->EditCli->text(), QStringLiteral("8"));
    EXPECT_EQ(form->EditCliDes->text(), QStringLiteral("CLIENTE OITO SEM COBRANCA"));

    entraNoCodigo();
    escolha = -1;
    QTest::keyClick(form->EditCli, Qt::Key_Space);
    EXPECT_EQ(captions().size(), 2u);
    EXPECT_EQ(form->EditCli->text(), QStringLiteral("8"));
}

TEST_F(ClientLookupTest, OnlyDigitsAndTheCommaReachTheCodeBox)
{
    QTest::keyClicks(form->EditCli, QStringLiteral("1a-b2.,x3"));
    EXPECT_EQ(form->EditCli->text(), QStringLiteral("12,3"));
    EXPECT_TRUE(watcher->seen().empty());
}

TEST_F(ClientLookupTest, AnEmptyListIsReportedOnceAndEmptiesTheBoxes)
{
    db().exec(QStringLiteral("update par set parsit = 'I'"));
    form->EditCliDes->setText(QStringLiteral("NOME"));
    QTest::keyClicks(form->EditCli, QStringLiteral("7"));
    form->EditCliDes->setText(QStringLiteral("NOME"));
    QTest::keyClick(form->EditCli, Qt::Key_Tab);
    EXPECT_EQ(watcher->texts(), std::vector<QString>{QStringLiteral("Listagem vazia!")});
    EXPECT_EQ(form->EditCli->text(), QString());
    EXPECT_EQ(form->EditCliDes->text(), QString());
    EXPECT_FALSE(BotaoAtivo);
}

class ClientLookupBadCode : public ClientLookupTest, public ::testing::WithParamInterface<const char*> {};

// A code the database could not take is refused in the error box, and nothing is looked up.
TEST_P(ClientLookupBadCode, EmptiesTheCodeAndShowsTheConversionError)
{
    form->EditCliDes->setText(QStringLiteral("NOME"));
    digitaESai(QString::fromLatin1(GetParam()));
    ASSERT_EQ(watcher->seen().size(), 1u);
    EXPECT_EQ(watcher->seen()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(watcher->seen()[0].text,
              QStringLiteral("O código \"%1\" não é um número inteiro válido.").arg(QString::fromLatin1(GetParam())));
    EXPECT_EQ(form->EditCli->text(), QString());
    EXPECT_EQ(form->EditCliDes->text(), QString());
}

INSTANTIATE_TEST_SUITE_P(Codes, ClientLookupBadCode, ::testing::Values("1,5", "2147483648", "99999999999999999999"));

TEST_F(ClientLookupTest, TheSqlSupplierAnswersOnlyForTheClientCodeAndEvents1And2)
{
    EXPECT_EQ(form->ELookUP(form->EditCli, 1),
              QStringLiteral("select pardes as Descrição, parfan as Fantasia from par where parcod =:0 and parsit = "
                             "'A' "));
    EXPECT_EQ(form->ELookUP(form->EditCli, 2),
              QStringLiteral("select parcod as Código, pardes as Descrição, parfan as Fantasia, parcnpjcpf as CNPJ "
                             "from par where cast(pardes as varchar(254)) like :0 and parsit = 'A' order by pardes"));
    for (std::uint8_t evento : {0, 3, 255})
        EXPECT_EQ(form->ELookUP(form->EditCli, evento), QString());
    EXPECT_EQ(form->ELookUP(form->EditCliDes, 1), QString());
    EXPECT_EQ(form->ELookUP(nullptr, 2), QString());
}

class ClientLookupStartup : public MainWindowFixture {};

TEST_F(ClientLookupStartup, AFailedStartLeavesTheClientControlsUnbound)
{
    QStringList arguments = goodArguments();
    arguments[6] = QStringLiteral("x");
    start(arguments);
    EXPECT_FALSE(form->EditCli->OnExit);
    EXPECT_FALSE(form->EditCli->OnKeyPress);
    EXPECT_FALSE(form->bbCli->OnClick);

    FormPrincipal = nullptr;
    form.reset();
    start(goodArguments());
    EXPECT_TRUE(form->EditCli->OnExit);
    EXPECT_TRUE(form->EditCli->OnChange);
    EXPECT_TRUE(form->bbCli->OnClick);
}

}  // namespace
