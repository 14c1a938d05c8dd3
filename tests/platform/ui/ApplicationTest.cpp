#include "QStringPrinter.h"
#include "Application.h"
#include "DatasetError.h"
#include "ModalWatcher.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct BoxText {
    const char* message;
    const char* shown;
};

class ErrorBoxTextTest : public ::testing::TestWithParam<BoxText> {};

TEST_P(ErrorBoxTextTest, AddsAFullStopOnlyAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(Application::errorBoxText(QString::fromUtf8(GetParam().message)), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Cases, ErrorBoxTextTest,
                         ::testing::Values(BoxText{"Informe o cliente", "Informe o cliente."},
                                           BoxText{"Já tem ponto.", "Já tem ponto."},
                                           BoxText{"Exclamação!", "Exclamação!"}, BoxText{"Pergunta?", "Pergunta?."},
                                           BoxText{"(entre parênteses)", "(entre parênteses)"},
                                           BoxText{"termina em ação", "termina em ação."},
                                           BoxText{"valor 10", "valor 10."}, BoxText{"", ""}));

TEST(GuardTest, AnErrorLeavingAHandlerIsShownOnceInTheStandardBox)
{
    ModalWatcher watcher;
    const bool ok = Application::guard([] { throw DatasetError(QStringLiteral("Esse cliente não existe")); });
    EXPECT_FALSE(ok);
    ASSERT_EQ(watcher.seen().size(), 1u);
    EXPECT_EQ(watcher.seen()[0].caption, QStringLiteral("Quelvar"));
    EXPECT_EQ(watcher.seen()[0].text, QStringLiteral("Esse cliente não existe."));
    EXPECT_EQ(watcher.seen()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(watcher.seen()[0].buttonCount, 1);

    EXPECT_FALSE(Application::guard([] { throw std::runtime_error("falha da biblioteca"); }));
    EXPECT_TRUE(Application::guard([] {}));
    EXPECT_EQ(watcher.texts(), (std::vector<QString>{QStringLiteral("Esse cliente não existe."),
                                                     QStringLiteral("falha da biblioteca.")}));
}

TEST(ParamStrTest, ArgumentsThatAreNotThereReadAsEmpty)
{
    Application::setArguments({QStringLiteral("quelvar"), QStringLiteral("-style"), QString()});
    EXPECT_EQ(Application::paramCount(), 2);
    EXPECT_EQ(Application::paramStr(0), QStringLiteral("quelvar"));
    EXPECT_EQ(Application::paramStr(1), QStringLiteral("-style"));
    EXPECT_EQ(Application::paramStr(2), QString());
    EXPECT_EQ(Application::paramStr(8), QString());
    EXPECT_EQ(Application::paramStr(-1), QString());
}

}  // namespace
