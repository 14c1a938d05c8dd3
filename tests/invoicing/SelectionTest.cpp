#include "Conversions.h"
#include "InvoiceListFixture.h"

namespace {

using SelectionTest = InvoiceListFixture;

QDateTime dia(int year, int month, int day)
{
    return Conversions::naiveDateTime(QDate(year, month, day));
}

TEST_F(SelectionTest, TheStatementIsTheFixedLinesWithPeriodAndClientAsParameters)
{
    form->CBQQData->setChecked(false);
    form->cbData->setItemIndex(0);
    form->DTPDe->setValue(dia(2025, 3, 1));
    form->DTPAte->setValue(Conversions::naiveDateTime(QDate(2025, 3, 21), QTime(17, 45)));
    selecionar(QStringLiteral("123"));

    EXPECT_TRUE(messages().empty());
    const QStringList expected = {
        QStringLiteral("select "),
        QStringLiteral("0 as ativo, parcod, pardes, cast(nfobs as Character Varying(254)) as nfobs,"),
        QStringLiteral(" * "),
        QStringLiteral("from nf "),
        QStringLiteral("join par on parcod = nfparcod "),
        QStringLiteral("join opnf on nfopnfcod = opnfcod and opnfsta = 'G'"),
        QStringLiteral("and date(nfdtemi) between :0 and :1"),
        QStringLiteral("and nfparcod=:2"),
    };
    EXPECT_EQ(lista().sql().lines(), expected);
    EXPECT_EQ(lista().param(0).value().toDateTime().date(), QDate(2025, 3, 1));
    EXPECT_EQ(lista().param(1).value().toDateTime().date(), QDate(2025, 3, 21));
    EXPECT_EQ(lista().param(2).value().toInt(), 123);
    EXPECT_TRUE(lista().active());
}

struct PeriodCase {
    const char* name;
    bool anyDate;
    int comboIndex;  // -1: a text typed into the combo box
    QDateTime from;
    QDateTime to;
    QStringList expected;  // invoice numbers, sorted
};

class PeriodTest : public InvoiceListFixture, public ::testing::WithParamInterface<PeriodCase> {};

// Emitted 1, 10 and 31 March and 1 April; 103 left on 20 March; 104 has no exit date; 105 is of a
// fiscal operation that is not grouped and 106 belongs to another client: neither is ever listed.
TEST_P(PeriodTest, SelectsTheClientsGroupableInvoicesOfThePeriod)
{
    insert({{.cod = 1, .num = 101, .emissao = QStringLiteral("2025-03-01"), .saida = QStringLiteral("2025-03-02")},
            {.cod = 2, .num = 102, .emissao = QStringLiteral("2025-03-10"), .saida = QStringLiteral("2025-04-02")},
            {.cod = 3, .num = 103, .emissao = QStringLiteral("2025-03-31"), .saida = QStringLiteral("2025-03-20")},
            {.cod = 4, .num = 104, .emissao = QStringLiteral("2025-04-01")},
            {.cod = 5, .num = 105, .operacao = 2, .emissao = QStringLiteral("2025-03-10")},
            {.cod = 6, .num = 106, .cliente = 9, .emissao = QStringLiteral("2025-03-10")}});
    const PeriodCase& c = GetParam();
    form->CBQQData->setChecked(c.anyDate);
    if (c.comboIndex >= 0)
        form->cbData->setItemIndex(c.comboIndex);
    else
        form->cbData->setText(QStringLiteral("Dt.Qualquer"));
    form->DTPDe->setValue(c.from);
    form->DTPAte->setValue(c.to);

    selecionar(QStringLiteral("7"));

    EXPECT_TRUE(messages().empty());
    QStringList numbers = listed();
    numbers.sort();
    EXPECT_EQ(numbers, c.expected);
    EXPECT_EQ(listed(QStringLiteral("ativo")), QStringList(numbers.size(), QStringLiteral("0")));
}

const QDateTime lateOnTheLastDay = Conversions::naiveDateTime(QDate(2025, 3, 31), QTime(23, 59, 59));

INSTANTIATE_TEST_SUITE_P(
    Modes, PeriodTest,
    ::testing::Values(
        PeriodCase{"EmissionBothBoundsInclusive", false, 0, dia(2025, 3, 1), lateOnTheLastDay, {"101", "102", "103"}},
        PeriodCase{"EmissionTimeOfDayIgnored",
                   false,
                   0,
                   Conversions::naiveDateTime(QDate(2025, 3, 10), QTime(18, 0)),
                   dia(2025, 3, 10),
                   {"102"}},
        PeriodCase{"ExitDateWithoutExitDateDropsOut", false, 1, dia(2025, 3, 1), lateOnTheLastDay, {"101", "103"}},
        PeriodCase{"AnyDateIgnoresThePickers", true, 0, dia(2030, 1, 1), dia(2030, 1, 2), {"101", "102", "103", "104"}},
        PeriodCase{"TypedComboTextGivesNoDateCondition",
                   false,
                   -1,
                   dia(2030, 1, 1),
                   dia(2030, 1, 2),
                   {"101", "102", "103", "104"}},
        PeriodCase{"FromAfterToListsNothing", false, 0, dia(2025, 3, 31), dia(2025, 3, 1), {}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(SelectionTest, LeadingZerosInTheClientCodeAreAccepted)
{
    insert({{.cod = 1, .num = 101}, {.cod = 2, .num = 102, .cliente = 9}});
    selecionar(QStringLiteral("007"));
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(listed(), QStringList{QStringLiteral("101")});
}

class BadClientCodeTest : public InvoiceListFixture, public ::testing::WithParamInterface<const char*> {};

// Whatever else is in the box, nothing is listed and the clerk is put back into it.
TEST_P(BadClientCodeTest, IsRefusedWithTheFocusOnTheBoxAndTheListKept)
{
    insert({{.cod = 1, .num = 101}, {.cod = 2, .num = 102, .cliente = 9}});
    selecionar(QStringLiteral("7"));
    doubleClickRow(0);
    ASSERT_EQ(ticked(), QStringList{QStringLiteral("101")});
    form->bb_gerar->setFocus();

    selecionar(QString::fromUtf8(GetParam()));

    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral("Informe o cliente.")});
    // The window's focus, where the keyboard goes once the error box is gone.
    EXPECT_EQ(form->focusWidget(), form->EditCli);
    EXPECT_EQ(listed(), QStringList{QStringLiteral("101")});
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("101")});
}

INSTANTIATE_TEST_SUITE_P(Codes, BadClientCodeTest,
                         ::testing::Values("", "0", "000", "-7", "1,5", "7 or 1=1", "$10", " 7", "99999999999"));

TEST_F(SelectionTest, ASecondSelectionComesBackUnticked)
{
    insert({{.cod = 1, .num = 101}, {.cod = 2, .num = 102}});
    selecionar(QStringLiteral("7"));
    tickRows({0, 1});
    ASSERT_EQ(ticked().size(), 2);

    selecionar(QStringLiteral("7"));

    EXPECT_EQ(listed().size(), 2);
    EXPECT_TRUE(ticked().isEmpty());
}

TEST_F(SelectionTest, AStatementTheServerRefusesLeavesTheListClosed)
{
    insert({{.cod = 1, .num = 101}});
    selecionar(QStringLiteral("7"));
    ASSERT_TRUE(lista().active());
    db().exec(QStringLiteral("alter table opnf rename column opnfsta to opnfsituacao"));

    selecionar(QStringLiteral("7"));
    db().exec(QStringLiteral("alter table opnf rename column opnfsituacao to opnfsta"));

    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].contains(QStringLiteral("opnfsta"))) << messages()[0].toStdString();
    EXPECT_FALSE(lista().active());
    EXPECT_EQ(form->DBGrid1->model()->rowCount(), 0);
}

}  // namespace
