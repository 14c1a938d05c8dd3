#include "QStringPrinter.h"
#include "DBGrid.h"
#include "DataSource.h"
#include "DatabaseTest.h"
#include "Eventos.h"
#include "Exception.h"
#include "Query.h"
#include "RangeError.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class EncontraValorTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        ConexaoDoPrograma = &connection;
        db().exec(
            QStringLiteral("INSERT INTO par (parcod, pardes, parsit) VALUES (7, 'MERCADO SETE', 'A'), "
                           "(8, 'OITO', 'I')"));
    }
    void TearDown() override { ConexaoDoPrograma = nullptr; }
};

TEST_F(EncontraValorTest, NoRowGivesTheEmptyValueOfEachColumnsKind)
{
    const Value pair = EncontraValor(QStringLiteral("select parcod, 1 + parcod from par where parcod = :0"), 999);
    ASSERT_TRUE(pair.isArray());
    EXPECT_EQ(pair.elements(), (std::vector<Value>{Value(0), Value(0)}));

    EXPECT_EQ(EncontraValor(QStringLiteral("select cast(null as varchar(10))")), Value(QString()));
    const Value date = EncontraValor(QStringLiteral("select cast(null as date)"));
    EXPECT_EQ(date.toDateTime().date(), QDate(1500, 1, 1));
    EXPECT_EQ(FormataValorEmString(date), QStringLiteral("01/01/1500 00:00:00"));
    EXPECT_EQ(EncontraValor(QStringLiteral("select cast(null as timestamp)")).toDateTime(),
              QDateTime(QDate(1500, 1, 1), QTime(0, 0), Qt::UTC));
    EXPECT_EQ(EncontraValor(QStringLiteral("select cast(null as boolean)")), Value(false));
    // A numeric column is of the kind that gets no value at all.
    EXPECT_TRUE(EncontraValor(QStringLiteral("select cast(null as numeric(15,2))")).isEmpty());
    const Value mixed = EncontraValor(QStringLiteral("select cast(null as numeric(15,2)), cast(null as text)"));
    EXPECT_TRUE(mixed.elements()[0].isEmpty());
    EXPECT_EQ(mixed.elements()[1], Value(QString()));
}

TEST_F(EncontraValorTest, ParametersBindByPositionAndOnlyTheFirstRowCounts)
{
    EXPECT_EQ(EncontraValor(QStringLiteral("select pardes from par where parcod = :0"), 7),
              Value(QStringLiteral("MERCADO SETE")));
    // Without a marker the single value is not sent.
    EXPECT_EQ(EncontraValor(QStringLiteral("select pardes from par order by parcod"), 8),
              Value(QStringLiteral("MERCADO SETE")));
    const Value row = EncontraValor(QStringLiteral("select parcod, pardes from par where parsit = :0 and parcod > :1"),
                                    Value(std::vector<Value>{Value("I"), Value(0)}));
    EXPECT_EQ(row.elements(), (std::vector<Value>{Value(8), Value(QStringLiteral("OITO"))}));
    // A typed text stays a value: it never becomes part of the statement.
    EXPECT_EQ(EncontraValor(QStringLiteral("select count(*) from par where pardes = :0"),
                            Value(QStringLiteral("x' or '1'='1")))
                  .toInt(),
              0);
}

TEST_F(EncontraValorTest, AnOpenFailureNamesTheReasonAndTheStatement)
{
    try {
        EncontraValor(QStringLiteral("select nada from par"));
        FAIL() << "no error";
    } catch (const Exception& error) {
        const QString message = error.message();
        EXPECT_TRUE(message.startsWith(QStringLiteral("Erro na abertura da tabela\r\r"))) << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("nada")));
        EXPECT_TRUE(message.endsWith(QStringLiteral("\r\rselect nada from par\r\n")));
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    EXPECT_THROW(EncontraValor(QStringLiteral("select :0"), Value(std::vector<Value>{Value(1), Value(2)})), Exception);
}

struct Formatted {
    const char* name;
    Value value;
    const char* text;
    bool empty;  // what ValorNull says
};

void PrintTo(const Formatted& f, std::ostream* out)
{
    *out << f.name;
}

class ValueTextTest : public ::testing::TestWithParam<Formatted> {};

TEST_P(ValueTextTest, FormatsUnderTheLocaleAndKnowsWhatCountsAsEmpty)
{
    EXPECT_EQ(FormataValorEmString(GetParam().value), QString::fromUtf8(GetParam().text));
    EXPECT_EQ(ValorNull(GetParam().value), GetParam().empty);
}

QDateTime at(int y, int m, int d, int h = 0, int min = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min), Qt::UTC);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValueTextTest,
    ::testing::Values(Formatted{"Double", Value(1234.5), "1.234,50", false},
                      Formatted{"NegativeDouble", Value(-1234567.891), "-1.234.567,89", false},
                      Formatted{"ZeroDouble", Value(0.0), "0,00", true},
                      Formatted{"Currency", Value(Currency{123450000}), "12.345,00", false},
                      Formatted{"Integer", Value(1234), "1234", false}, Formatted{"ZeroInteger", Value(0), "0", true},
                      Formatted{"LargeInt", Value(9876543210LL), "9876543210", false},
                      Formatted{"Text", Value("abc"), "abc", false}, Formatted{"EmptyText", Value(""), "", true},
                      Formatted{"Null", Value::null(), "", true}, Formatted{"Empty", Value(), "", true},
                      Formatted{"True", Value(true), "Verdadeiro", false},
                      Formatted{"False", Value(false), "Falso", false},
                      Formatted{"DateTime", Value(at(2025, 3, 5, 10, 30)), "05/03/2025 10:30:00", false},
                      Formatted{"DateOnly", Value(at(2025, 3, 5)), "05/03/2025", false},
                      Formatted{"MissingDate", Value(at(1500, 1, 1)), "01/01/1500 00:00:00", true},
                      Formatted{"ZeroDateTime", Value(at(1899, 12, 30)), "30/12/1899 00:00:00", true},
                      Formatted{"Array", Value(std::vector<Value>{Value(1)}), "", false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ConverterValoresStringTest, KeepsTheShapeOfWhatItIsGiven)
{
    EXPECT_EQ(ConverterValoresString(Value(12)), Value(QStringLiteral("12")));
    const Value texts = ConverterValoresString(Value(std::vector<Value>{Value(7), Value(2.5), Value::null()}));
    EXPECT_EQ(texts.elements(),
              (std::vector<Value>{Value(QStringLiteral("7")), Value(QStringLiteral("2,50")), Value(QString())}));
}

TEST(TypedNumberTest, MasksAreDroppedAndWhatIsLeftReadsWithADecimalComma)
{
    const std::pair<const char*, double> cases[] = {
        {"R$ -1.234,56", -1234.56},
        {"1.234,50", 1234.5},
        {"12", 12},
        {"1-2", 0},
        {"", 0},
        {"abc", 0},
        {"0,5", 0.5},
        {"--5", 0},
        {" 7 ", 7},
    };
    for (const auto& [text, number] : cases) {
        SCOPED_TRACE(text);
        EXPECT_DOUBLE_EQ(NumeroSemMascara(QString::fromUtf8(text)), number);
    }
    EXPECT_EQ(SomenteNumeros(QStringLiteral("123.456.789-09")), QStringLiteral("12345678909"));
    EXPECT_EQ(SomenteNumeros(QString()), QString());
}

TEST(FieldLabelTest, LabelsAndWidthsComeFromTheFieldOrFromTheName)
{
    Query query(QStringLiteral("q"));
    Field& named = query.addField(QStringLiteral("parcod"), FieldType::ftInteger);
    named.setDisplayLabel(QStringLiteral("Código"));
    named.setDisplayWidth(6);
    DataSource source;
    source.setDataSet(&query);

    EXPECT_EQ(BuscaDisplayLabel(&source, QStringLiteral("parcod")), QStringLiteral("Código"));
    EXPECT_EQ(BuscaDisplayWidth(&source, QStringLiteral("parcod")), 6);
    EXPECT_EQ(BuscaDisplayLabel(&source, QStringLiteral("cli_nome")), QStringLiteral("Cli nome"));
    EXPECT_EQ(BuscaDisplayLabel(nullptr, QStringLiteral("ávila_x")), QStringLiteral("ávila x"));
    EXPECT_EQ(BuscaDisplayWidth(nullptr, QStringLiteral("parcod")), 0);
    EXPECT_THROW(BuscaDisplayLabel(nullptr, QString()), RangeError);
}

TEST(FieldLabelTest, DefaultWidthsFollowTheFieldsCategory)
{
    using enum FieldType;
    const std::pair<FieldType, int> cases[] = {
        {ftWideString, 35}, {ftMemo, 35},      {ftInteger, 15}, {ftLargeint, 15}, {ftBytes, 15},
        {ftBoolean, 5},     {ftDate, 15},      {ftTime, 8},     {ftDateTime, 22}, {ftFMTBcd, 10},
        {ftBCD, 10},        {ftTimeStamp, 10}, {ftUnknown, 10},
    };
    for (const auto& [type, width] : cases) {
        SCOPED_TRACE(fieldTypeName(type).toStdString());
        EXPECT_EQ(RetornaWidthDefault(type), width);
    }
}

TEST(OnShowDoFormLTest, ReplaysTheLastSortColumnOrTheFirstWhenItIsGone)
{
    DBGrid grid;
    for (int i = 0; i < 5; ++i)
        grid.addColumn(QStringLiteral("c%1").arg(i), QStringLiteral("C%1").arg(i));
    std::vector<int> clicked;
    grid.OnTitleClick = [&](GridColumn& column) { clicked.push_back(column.index()); };

    ColAntDBGridBL = 3;
    OnShowDoFormL(&grid);
    ColAntDBGridBL = 7;
    OnShowDoFormL(&grid);
    EXPECT_EQ(clicked, (std::vector<int>{3, 0}));
    EXPECT_EQ(ColAntDBGridBL, 0);
}

}  // namespace
