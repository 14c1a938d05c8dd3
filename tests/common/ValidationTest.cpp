#include "QStringPrinter.h"
#include "Application.h"
#include "DBEdit.h"
#include "DatabaseTest.h"
#include "Edit.h"
#include "Form.h"
#include "ModalWatcher.h"
#include "Query.h"
#include "UnExcecaoDataSet.h"
#include "UnExcecaoEdit.h"
#include "UnValidacoesEditUtil.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A shown window with the box under test and another box that has the focus to begin with.
class ValidationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        box->setGeometry(10, 10, 100, 24);
        other->setGeometry(10, 40, 100, 24);
        form.resize(200, 100);
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        other->setFocus();
    }

    // Runs a check as an event handler does: what it raises ends in the error box.
    std::vector<QString> shown(const std::function<void()>& check)
    {
        ModalWatcher watcher;
        Application::guard(check);
        return watcher.texts();
    }

    // The window's focus box, which gets the focus back as soon as the error box closes.
    bool boxHasFocus() const { return form.focusWidget() == box; }

    Form form;
    Edit* box = new Edit(&form);
    Edit* other = new Edit(&form);
};

TEST_F(ValidationTest, TheClientCodeMustBeFilledAndAboveZero)
{
    for (const char* text : {"", "0", "-5", "abc", "0,00"}) {
        SCOPED_TRACE(text);
        other->setFocus();
        box->setText(QString::fromUtf8(text));
        EXPECT_EQ(shown([&] { Validar::notNullEMaiorQueZero(box, QStringLiteral("Informe o cliente."), true); }),
                  std::vector<QString>{QStringLiteral("Informe o cliente.")});
        EXPECT_TRUE(boxHasFocus());
    }
    for (const char* text : {"12", "1.234,50", " 3"}) {
        SCOPED_TRACE(text);
        other->setFocus();
        box->setText(QString::fromUtf8(text));
        EXPECT_TRUE(
            shown([&] { Validar::notNullEMaiorQueZero(box, QStringLiteral("Informe o cliente."), true); }).empty());
        EXPECT_TRUE(boxHasFocus());
    }
}

TEST_F(ValidationTest, DefaultMessagesNameTheFieldByTheBoxesHint)
{
    box->setToolTip(QStringLiteral("Cliente"));
    EXPECT_EQ(shown([&] { Validar::notNull(box); }),
              std::vector<QString>{QStringLiteral("Preencha o campo: Cliente.")});
    box->setText(QStringLiteral("0"));
    EXPECT_EQ(shown([&] { Validar::maiorQueZero(box); }),
              std::vector<QString>{QStringLiteral("O campo: Cliente deve ser maior que zero.")});

    // A message ending in a blank sorts before the full stop and is shown as it is.
    box->setToolTip(QString());
    box->clear();
    EXPECT_EQ(shown([&] { Validar::notNull(box, {}, false); }),
              std::vector<QString>{QStringLiteral("Preencha o campo: ")});
}

TEST_F(ValidationTest, RangesAndLengthsRaiseAPlainErrorThatLeavesTheFocusAlone)
{
    box->setToolTip(QStringLiteral("Quantidade"));
    box->setText(QStringLiteral("15"));
    EXPECT_EQ(shown([&] { Validar::intervalo(box, 1, 10); }),
              std::vector<QString>{QStringLiteral("O valor de: Quantidade deve ser menor que 10,00.")});
    box->setText(QStringLiteral("0,5"));
    EXPECT_EQ(shown([&] { Validar::intervalo(box, 1500, 2000); }),
              std::vector<QString>{QStringLiteral("O valor de: Quantidade deve ser maior que 1.500,00.")});
    box->setText(QStringLiteral("123.456.789-0"));
    EXPECT_EQ(shown([&] { Validar::tamanho(box, 11, 14); }),
              std::vector<QString>{QStringLiteral("O valor de: Quantidade deve ser maior que 11,00.")});
    EXPECT_EQ(shown([&] { Validar::tamanho(box, 1, 5, QStringLiteral("CPF inválido")); }),
              std::vector<QString>{QStringLiteral("CPF inválido.")});
    EXPECT_TRUE(shown([&] { Validar::tamanho(box, 10, 10); }).empty());
    EXPECT_EQ(form.focusWidget(), other);
}

TEST_F(ValidationTest, AYesNoBoxTakesOnlyACapitalSOrN)
{
    for (const char* good : {"S", "N"}) {
        box->setText(QString::fromUtf8(good));
        EXPECT_TRUE(shown([&] { Validar::valorBooleano(box, QStringLiteral("Ativo")); }).empty());
    }
    for (const char* bad : {"s", "n", "Sim", ""}) {
        SCOPED_TRACE(bad);
        other->setFocus();
        box->setText(QString::fromUtf8(bad));
        EXPECT_EQ(
            shown([&] { Validar::valorBooleano(box, QStringLiteral("Ativo")); }),
            std::vector<QString>{QStringLiteral("Informe o valor para \"Ativo\", \"S\" para Sim ou \"N\" para Não.")});
        EXPECT_TRUE(boxHasFocus());
    }
}

TEST_F(ValidationTest, AnEditErrorKnowsItsBoxAndMovesTheFocusOnlyWhenAsked)
{
    const TExcecaoEdit quiet(QStringLiteral("x"), box, false);
    EXPECT_EQ(quiet.Edit(), box);
    EXPECT_EQ(QApplication::focusWidget(), other);
    const TExcecaoEdit loud(QStringLiteral("x"), box, true);
    EXPECT_TRUE(boxHasFocus());
}

class DataSetErrorTest : public DatabaseTest {};

TEST_F(DataSetErrorTest, FocusGoesToTheFirstControlThatShowsTheField)
{
    Query query(QStringLiteral("q"), &connection);
    query.sql().add(QStringLiteral("select 1 as a, 2 as b"));
    DataSource source;
    source.setDataSet(&query);
    Form form;
    auto* showsA = new DBEdit(&form);
    auto* showsB = new DBEdit(&form);
    auto* showsBToo = new DBEdit(&form);
    int y = 0;
    for (DBEdit* edit : {showsA, showsB, showsBToo}) {
        edit->setDataSource(&source);
        edit->setGeometry(0, y += 30, 80, 24);
    }
    showsA->setDataField(QStringLiteral("a"));
    showsB->setDataField(QStringLiteral("b"));
    showsBToo->setDataField(QStringLiteral("b"));
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    query.open();
    showsA->setFocus();
    EXPECT_EQ(showsB->text(), QStringLiteral("2"));

    Field& b = query.fieldByName(QStringLiteral("b"));
    const TExcecaoDataSet quiet(QStringLiteral("Valor errado"), &b, false);
    EXPECT_EQ(quiet.Campo(), &b);
    EXPECT_EQ(QApplication::focusWidget(), showsA);
    const TExcecaoDataSet loud(QStringLiteral("Valor errado"), &b, true);
    EXPECT_EQ(QApplication::focusWidget(), showsB);
    EXPECT_EQ(loud.message(), QStringLiteral("Valor errado"));

    // A field no control shows moves nothing.
    query.close();
    query.sql().clear();
    query.sql().add(QStringLiteral("select 3 as c"));
    query.open();
    const TExcecaoDataSet nowhere(QStringLiteral("x"), &query.fieldByName(QStringLiteral("c")), true);
    EXPECT_EQ(QApplication::focusWidget(), showsB);
}

}  // namespace
