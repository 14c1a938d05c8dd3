#include "InvoiceListFixture.h"

#include "UnPrincipal.h"

namespace {

class GenerationTest : public InvoiceListFixture {
protected:
    void gerar() { form->bb_gerar->click(); }

    QString scalar(const QString& sql) const { return db().scalar(sql); }
    QStringList rows(const QString& sql) const { return db().column(sql); }

    // Whether a number was ever drawn for an order.
    bool numberDrawn() const { return scalar(QStringLiteral("select is_called from pv_pvcod_seq")) == u't'; }

    void expectNothingWritten() const
    {
        EXPECT_EQ(scalar(QStringLiteral("select count(*) from pv")), QStringLiteral("0"));
        EXPECT_EQ(scalar(QStringLiteral("select count(*) from pvi")), QStringLiteral("0"));
    }
};

TEST_F(GenerationTest, TwoInvoicesBecomeOneOrderWithALinePerProduct)
{
    insert({{.cod = 1, .num = 101}, {.cod = 2, .num = 102}, {.cod = 3, .num = 103}});
    db().exec(item(1, 1, 500, QStringLiteral("3"), QStringLiteral("30.00"), 1, QStringLiteral("nfivltabunit = 10")) +
              item(1, 2, 600, QStringLiteral("1"), QStringLiteral("5.00")) +
              item(2, 1, 600, QStringLiteral("2"), QStringLiteral("12.50"), 1, QStringLiteral("nfiuvedes = 'CAIXA'")) +
              item(2, 2, 700, QStringLiteral("4"), QStringLiteral("40.00")) +
              item(2, 3, 500, QStringLiteral("4"), QStringLiteral("40.00"), 1, QStringLiteral("nfivltabunit = 10")));
    selecionar(QStringLiteral("7"));
    const QStringList order = listed();
    tickRows({static_cast<int>(order.indexOf(QStringLiteral("101"))),
              static_cast<int>(order.indexOf(QStringLiteral("102")))});

    gerar();

    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral("Documento gravado com sucesso!")});
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from pv")), QStringLiteral("1"));
    const QString pvcod = scalar(QStringLiteral("select pvcod from pv"));
    EXPECT_EQ(
        rows(QStringLiteral("select format('%s %s %s %s %s %s %s %s', pviprocod, pvipvcod, pviqtde::int, "
                            "pviqtdeate::int, pviqtdeatecar::int, pvivltotal, pvivltab, coalesce(pviuvedes, 'null')) "
                            "from pvi order by pviprocod")),
        (QStringList{QStringLiteral("500 %1 7 3 3 70.0000 20.000000 ").arg(pvcod),
                     QStringLiteral("600 %1 3 1 1 17.5000 0.000000 ").arg(pvcod),
                     QStringLiteral("700 %1 4 4 4 40.0000 0.000000 ").arg(pvcod)}));
    // The list is read again, nothing ticked; the invoices themselves are not marked.
    EXPECT_EQ(listed().size(), 3);
    EXPECT_TRUE(ticked().isEmpty());
    EXPECT_FALSE(lista().filtered());
}

TEST_F(GenerationTest, QuantitiesAreRoundedHalfToEvenAndCompaniesKeepTheirOwnLines)
{
    insert({{.cod = 1, .num = 101}, {.cod = 1, .num = 201, .empresa = 2}});
    db().exec(item(1, 1, 500, QStringLiteral("2.5"), QStringLiteral("1")) +
              item(1, 2, 600, QStringLiteral("3.5"), QStringLiteral("1")) +
              item(1, 3, 700, QStringLiteral("2.5"), QStringLiteral("1")) +
              item(1, 4, 700, QStringLiteral("2.5"), QStringLiteral("1")) +
              item(1, 1, 500, QStringLiteral("1"), QStringLiteral("1"), 2));
    selecionar(QStringLiteral("7"));
    tickRows({0, 1});

    gerar();

    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral("Documento gravado com sucesso!")});
    EXPECT_EQ(rows(QStringLiteral("select format('%s/%s %s', pviprocod, pvipvempparcod, pviqtde::int) from pvi "
                                  "order by pviprocod, pvipvempparcod")),
              (QStringList{QStringLiteral("500/1 2"), QStringLiteral("500/2 1"), QStringLiteral("600/1 4"),
                           QStringLiteral("700/1 4")}));
}

// Every column of the header of a three-invoice order, the copied ones from the last ticked invoice
// in list order.
TEST_F(GenerationTest, TheHeaderSumsTheInvoicesAndCopiesTheLastOne)
{
    const QString common = QStringLiteral("nfvlseguro = 1.25, nfpesoliq = 10, nfpesobruto = 11, nfcarcod = 77, ");
    insert({{.cod = 1,
             .num = 101,
             .extras = common + QStringLiteral("nfvl = 100.00, nfvlfrete = 5, nfvldesc = 1, "
                                               "nfvol = 3, nftranspcod = 30, nfpvcod = 501")},
            {.cod = 2, .num = 102, .extras = QStringLiteral("nfvl = 250.50, nfvlfrete = 7, nfvldesc = 2, nfvol = 5")},
            {.cod = 3,
             .num = 115,
             .extras = common + QStringLiteral("nfvl = 49.50, nfvlfrete = 8, nfvldesc = 3, nfvol = 5, "
                                               "nftranspcod = 31, nfpvcod = 503, nfrcaparcod = 20, "
                                               "nfrcaauxparcod = 21, nfrefpvcod = 9, nfrefnfcod = 8")}});
    db().exec(item(1, 1, 500, QStringLiteral("1"), QStringLiteral("1")));
    selecionar(QStringLiteral("7"));
    ASSERT_EQ(listed(), (QStringList{QStringLiteral("101"), QStringLiteral("102"), QStringLiteral("115")}));
    tickRows({0, 1, 2});

    gerar();

    ASSERT_EQ(messages(), std::vector<QString>{QStringLiteral("Documento gravado com sucesso!")});
    const QString columns = QStringLiteral(
        "pvcod, pvcadusuparcod, pvaltusuparcod, pvacao, pvnumped, pvempparcod, pvcanal, pvsta, pvcliparcod, "
        "pvopnfcod, pvplpgcod, pvvltotal, pvvlfrete, pvvlseguro, pvindice, pvrcaparcod, pvrcaauxparcod, pvobsped, "
        "pvobsmapa, pvobsnf, pvpedcli, pvdtprog = current_date, pvcarcod is null, pvnomecliente, pvecfnumserie, "
        "pvecfcpf, pvfvcodrem, pvfvenvio, pvfvresposta, pvtmecod, pvusuparcodalterando, pvcbopcod, "
        "pvdtpalm = current_date, pvrefpvcod, pvcupomecf, pvpdv, pvnumserieecf, pvdescpvcod, pvbloq, "
        "pvbloqusuparcod, pvbloqobs, pv_conf_cega_liberado, pvtipofrete, pvcarcodorig, pvvol, pvcliendcod, "
        "pvpdvnum, pvcupnum, pvpesoliq, pvpesobruto, pvtranspparcod, pvvlfreteentrega, pvdtentrega = current_date, "
        "pvsit, pvimpresso, pvpropcod, pvmetrocubico, pvobscx, pvnumautorizacao, pvrefnfcod, pvvldesc, "
        "pvvltotalate, pvvltotalatecar, pvcol, pvtccod, "
        "abs(extract(epoch from pvcadhorario - localtimestamp)) < 60, pvalthorario = pvcadhorario, "
        "abs(extract(epoch from pvbloqhorario - localtimestamp)) < 60");
    const QStringList values =
        db().scalar(QStringLiteral("select concat_ws('|', %1) from pv").arg(columns)).split(u'|');
    const QStringList expected = {"1",        "10",
                                  "10",       "quelvar",
                                  "503",      "1",
                                  "TL",       "AP",
                                  "7",        "1",
                                  "3",        "400.0000",
                                  "20.0000",  "2.5000",
                                  "0",        "20",
                                  "20",       "Notas Agrupadas - 101, 102, 115, ",
                                  "",         "Notas Agrupadas - 101, 102, 115, ",
                                  "",         "t",
                                  "t",        "CLIENTE SETE LTDA",
                                  "",         "",
                                  "0",        "",
                                  "",         "0",
                                  "0",        "0",
                                  "t",        "9",
                                  "0",        "0",
                                  "",         "0",
                                  "N",        "0",
                                  "",         "N",
                                  "0",        "0",
                                  "5.0000",   "0",
                                  "",         "",
                                  "20.0000",  "22.0000",
                                  "31",       "0.0000",
                                  "t",        "APROVADO",
                                  "N",        "0",
                                  "0.0000",   "",
                                  "",         "8",
                                  "6.0000",   "400.0000",
                                  "400.0000", "0",
                                  "71",       "t",
                                  "t",        "t"};
    ASSERT_EQ(values.size(), expected.size());
    const QStringList names = columns.split(QStringLiteral(", "));
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(values[i], expected[i]) << names[i].toStdString();
    EXPECT_EQ(codTc, 71);
    EXPECT_EQ(codPlpg, 3);
}

TEST_F(GenerationTest, NothingTickedOrNothingListedSaysSoAndTouchesNothing)
{
    gerar();
    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral("Nenhuma nota selecionada.")});
    EXPECT_FALSE(lista().active());

    insert({{.cod = 1, .num = 101}});
    selecionar(QStringLiteral("7"));
    lista().setRecNo(0);
    gerar();
    EXPECT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1], QStringLiteral("Nenhuma nota selecionada."));
    EXPECT_FALSE(numberDrawn());
    expectNothingWritten();
}

TEST_F(GenerationTest, AClientWithoutChargingStopsBeforeANumberIsDrawn)
{
    insert({{.cod = 1, .num = 101, .cliente = 8}});
    db().exec(item(1, 1, 500, QStringLiteral("1"), QStringLiteral("1")));
    selecionar(QStringLiteral("8"));
    tickRows({0});
    codTc = 123;

    gerar();

    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral("Esse cliente não possui Cobrança configurada.")});
    EXPECT_FALSE(numberDrawn());
    expectNothingWritten();
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("101")});
    EXPECT_EQ(codTc, 123);
}

TEST_F(GenerationTest, TheChargingComesFromTheInvoicesClientNotFromTheBox)
{
    insert({{.cod = 1, .num = 101, .cliente = 9}});
    selecionar(QStringLiteral("9"));
    tickRows({0});
    form->EditCli->setText(QStringLiteral("8"));

    gerar();

    ASSERT_EQ(messages(), std::vector<QString>{QStringLiteral("Documento gravado com sucesso!")});
    EXPECT_EQ(scalar(QStringLiteral("select format('%s %s %s', pvcliparcod, pvtccod, pvplpgcod) from pv")),
              QStringLiteral("9 90 3"));
}

struct FailureCase {
    const char* name;
    const char* trigger;  // the table that refuses the order
    const char* expected;
};

class GenerationFailureTest : public GenerationTest, public ::testing::WithParamInterface<FailureCase> {};

// An order is written whole or not at all; the list is read again before the error is shown.
TEST_P(GenerationFailureTest, LeavesNoRowOfTheOrderAndReReadsTheList)
{
    insert({{.cod = 1, .num = 101}, {.cod = 2, .num = 102}});
    db().exec(item(1, 1, 500, QStringLiteral("1"), QStringLiteral("1")) +
              item(1, 2, 600, QStringLiteral("1"), QStringLiteral("1")) +
              item(2, 1, 700, QStringLiteral("1"), QStringLiteral("1")));
    db().exec(QStringLiteral("create or replace function recusa() returns trigger language plpgsql as $$ "
                             "begin if tg_table_name = 'pv' then raise exception 'recusado pelo servidor'; end if; "
                             "if new.pviprocod = 700 then raise exception 'recusado pelo servidor'; end if; "
                             "return new; end $$; "
                             "create trigger recusa before insert on %1 for each row execute function recusa()")
                  .arg(QString::fromLatin1(GetParam().trigger)));
    selecionar(QStringLiteral("7"));
    tickRows({0, 1});
    int listedAtError = -1;
    watcher = std::make_unique<ModalWatcher>([&](QWidget& window) {
        listedAtError = lista().recordCount();
        window.close();
    });

    gerar();

    ASSERT_EQ(watcher->texts().size(), 1u);
    EXPECT_TRUE(watcher->texts()[0].contains(QString::fromUtf8(GetParam().expected)))
        << watcher->texts()[0].toStdString();
    EXPECT_EQ(listedAtError, 2);
    EXPECT_TRUE(ticked().isEmpty());
    expectNothingWritten();
    EXPECT_TRUE(numberDrawn());
    EXPECT_FALSE(DM->FDConnection1.inTransaction());
}

INSTANTIATE_TEST_SUITE_P(Failures, GenerationFailureTest,
                         ::testing::Values(FailureCase{"Header", "pv", "recusado pelo servidor"},
                                           FailureCase{"ThirdItem", "pvi", "recusado pelo servidor"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(GenerationTest, AQuantityBeyond32BitsIsAnOverflowAndWritesNothing)
{
    insert({{.cod = 1, .num = 101}, {.cod = 2, .num = 102}});
    db().exec(item(1, 1, 500, QStringLiteral("2000000000"), QStringLiteral("1")) +
              item(2, 1, 500, QStringLiteral("2000000000"), QStringLiteral("1")));
    selecionar(QStringLiteral("7"));
    tickRows({0, 1});

    gerar();

    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral("Integer overflow.")});
    expectNothingWritten();
    EXPECT_TRUE(ticked().isEmpty());
}

}  // namespace
