#include "Conversions.h"
#include "MainWindowFixture.h"

#include <QTest>
#include <QTcpServer>

namespace {

using StartupTest = MainWindowFixture;

QDateTime designDate()
{
    return Conversions::naiveDateTime(QDate(2018, 1, 12));
}

// A loopback port where nothing listens (taken and given back at once).
QString closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return QString::number(probe.serverPort());
}

TEST_F(StartupTest, EightGoodArgumentsOpenTheConnectionAndSetLoginAndPeriod)
{
    const QDateTime before = Conversions::naiveDateTime(QDateTime::currentDateTime()).addSecs(-1);
    start(goodArguments());
    const QDateTime after = Conversions::naiveDateTime(QDateTime::currentDateTime()).addSecs(1);

    EXPECT_TRUE(watcher->seen().empty());
    EXPECT_TRUE(DM->FDConnection1.connected());
    EXPECT_EQ(DM->FDConnection1.driverName(), QStringLiteral("PG"));
    EXPECT_EQ(EmpresaLogada, 1);
    EXPECT_EQ(FuncionarioLogado, 10);
    EXPECT_EQ(UsuarioLogado, QStringLiteral("joana"));
    EXPECT_EQ(form->CodigoEmpresaLogada, 1);
    EXPECT_EQ(form->CodigoFuncionarioLogado, 10);
    EXPECT_EQ(Banco, db().name());

    const QDate today = QDate::currentDate();
    EXPECT_EQ(form->DTPDe->value(), Conversions::naiveDateTime(QDate(today.year(), today.month(), 1)));
    EXPECT_GE(form->DTPAte->value(), before);
    EXPECT_LE(form->DTPAte->value(), after);
    EXPECT_EQ(form->DTPAte->date(), form->DTPAte->value().date());
}

TEST_F(StartupTest, WithoutTheLoginTheStartSucceedsWithAnEmptyLogin)
{
    QStringList arguments = goodArguments();
    arguments.removeLast();
    start(arguments);
    EXPECT_TRUE(watcher->seen().empty());
    EXPECT_TRUE(DM->FDConnection1.connected());
    EXPECT_EQ(UsuarioLogado, QString());
    EXPECT_EQ(FuncionarioLogado, 10);
}

TEST_F(StartupTest, AnEmptyPortLeavesThePortToTheClientLibrarysDefault)
{
    QStringList arguments = goodArguments();
    arguments[2].clear();
    start(arguments);
    EXPECT_FALSE(DM->FDConnection1.hasParam(QStringLiteral("port")));
    EXPECT_TRUE(DM->FDConnection1.hasParam(QStringLiteral("server")));
    // The sandbox server is elsewhere, so the attempt on the default port fails and says where it went.
    ASSERT_EQ(watcher->seen().size(), 1u);
    EXPECT_TRUE(watcher->seen()[0].text.contains(QStringLiteral("port 5432"))) << watcher->seen()[0].text.toStdString();
}

TEST_F(StartupTest, TheConnectionSettingsAreClearedWhenTheProgramEnds)
{
    start(goodArguments());
    EXPECT_FALSE(Senha.isEmpty());
    form.reset();
    FormPrincipal = nullptr;
    for (const QString* setting : {&Servidor, &Porta, &Usuario, &Senha, &Banco})
        EXPECT_TRUE(setting->isEmpty());
}

struct BadStart {
    const char* name;
    std::function<void(QStringList&)> spoil;
    // What the error box must say: the exact text, or a part of it when `exact` is false.
    QString message;
    bool exact;
    // Whether the failure came before the connection was configured.
    bool beforeConnection;
};

void PrintTo(const BadStart& bad, std::ostream* out)
{
    *out << bad.name;
}

class BadStartupTest : public MainWindowFixture, public ::testing::WithParamInterface<BadStart> {};

TEST_P(BadStartupTest, ShowsOneErrorBoxAndOpensTheWindowAnyway)
{
    const BadStart& bad = GetParam();
    QStringList arguments = goodArguments();
    bad.spoil(arguments);
    start(arguments);

    ASSERT_EQ(watcher->seen().size(), 1u);
    const ModalWatcher::Seen& box = watcher->seen()[0];
    EXPECT_EQ(box.caption, QStringLiteral("Quelvar"));
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttonCount, 1);
    if (bad.exact)
        EXPECT_EQ(box.text, bad.message);
    else
        EXPECT_TRUE(box.text.contains(bad.message)) << box.text.toStdString();
    EXPECT_FALSE(box.text.contains(TestDatabase::password()));
    EXPECT_FALSE(box.text.contains(QStringLiteral("s3nh4-errada")));

    EXPECT_FALSE(DM->FDConnection1.connected());
    EXPECT_EQ(form->DTPDe->value(), designDate());
    EXPECT_EQ(form->DTPAte->value(), designDate());
    EXPECT_EQ(DM->FDConnection1.hasParam(QStringLiteral("server")), !bad.beforeConnection);
    if (bad.beforeConnection) {
        EXPECT_EQ(EmpresaLogada, -99);
        EXPECT_EQ(UsuarioLogado, QStringLiteral("antes"));
    } else {
        EXPECT_EQ(EmpresaLogada, 1);
        EXPECT_EQ(UsuarioLogado, QStringLiteral("joana"));
    }

    // Still usable: it shows and takes typing.
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->EditCli->setFocus();
    QTest::keyClicks(form->EditCli, QStringLiteral("12"));
    EXPECT_EQ(form->EditCli->text(), QStringLiteral("12"));
    EXPECT_EQ(watcher->seen().size(), 1u);
}

auto setArg(int index, const char* value)
{
    return [index, value](QStringList& args) { args[index] = QString::fromUtf8(value); };
}

const BadStart badStarts[] = {
    {"CompanyNotANumber", setArg(6, "12a"), QStringLiteral("'12a' is not a valid integer value."), true, true},
    {"CompanyEmpty", setArg(6, ""), QStringLiteral("'' is not a valid integer value."), true, true},
    {"CompanyWithBlank", setArg(6, " 1"), QStringLiteral("' 1' is not a valid integer value."), true, true},
    {"CompanyBeyond32Bits", setArg(6, "2147483648"), QStringLiteral("'2147483648' is not a valid integer value."), true,
     true},
    {"CompanyHexadecimal", setArg(6, "0x10"), QStringLiteral("'0x10' is not a valid integer value."), true, true},
    {"EmployeeMissing", [](QStringList& args) { args = args.mid(0, 7); },
     QStringLiteral("'' is not a valid integer value."), true, true},
    {"WrongPassword", setArg(4, "s3nh4-errada"), QStringLiteral("password authentication failed"), false, false},
    {"UnknownDatabase", setArg(5, "quelvar_nao_existe"), QStringLiteral("\"quelvar_nao_existe\" does not exist"), false,
     false},
    {"UnreachablePort", [](QStringList& args) { args[2] = closedPort(); }, QStringLiteral("Connection refused"), false,
     false},
};

INSTANTIATE_TEST_SUITE_P(Cases, BadStartupTest, ::testing::ValuesIn(badStarts),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
