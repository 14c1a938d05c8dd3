#include "MainWindowFixture.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

class MainWindowTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        start(goodArguments());
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
};

TEST_F(MainWindowTest, TabSkipsTheLookupButtonAndTheClientName)
{
    EXPECT_EQ(QApplication::focusWidget(), form->cbData);
    const std::vector<QWidget*> expected = {form->DTPDe,         form->DTPAte,   form->CBQQData, form->EditCli,
                                            form->bb_selecionar, form->bb_gerar, form->DBGrid1,  form->cbData};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->metaObject()->className();
    }
    // Still reachable by mouse.
    QTest::mouseClick(form->EditCliDes, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), form->EditCliDes);
}

TEST_F(MainWindowTest, AltSAndAltGPressTheirButtons)
{
    QSignalSpy selecionar(form->bb_selecionar, &QAbstractButton::clicked);
    QSignalSpy gerar(form->bb_gerar, &QAbstractButton::clicked);
    form->EditCli->setFocus();
    // An accelerator shows the button going down and up before it clicks.
    QTest::keyClick(form->EditCli, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return selecionar.count() == 1; }, 2000));
    // The window gets the activation back when the error box closes, so its accelerators work again.
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form->EditCli, Qt::Key_G, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return gerar.count() == 1; }, 2000));
    EXPECT_EQ(selecionar.count(), 1);
    EXPECT_TRUE(form->EditCli->text().isEmpty());
    EXPECT_EQ(watcher->texts(), (std::vector<QString>{QStringLiteral("Informe o cliente."),
                                                      QStringLiteral("Nenhuma nota selecionada.")}));
}

// Typed one character at a time, as a keyboard sends them (accented letters included).
void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::KeyAction::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

TEST_F(MainWindowTest, TypedTextIsUpperCasedWithoutAccentsAndEnterMovesOn)
{
    form->EditCliDes->setFocus();
    type(form->EditCliDes, QStringLiteral("joão d'ávila ñ~ü§"));
    EXPECT_EQ(form->EditCliDes->text(), QStringLiteral("JOAO DAVILA U§"));

    form->EditCli->setFocus();
    QTest::keyClick(form->EditCli, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), form->bb_selecionar);

    form->DBGrid1->setFocus();
    QTest::keyClick(form->DBGrid1, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), form->DBGrid1);
}

TEST_F(MainWindowTest, TheGridHasTheTwelveColumnsWithTheirTitlesAndWidths)
{
    struct Expected {
        const char* field;
        const char* title;
        int width;  // -1: the default width for the field
    };
    const Expected columns[] = {
        {"ativo", " ", 18},          {"nfempparcod", "Empresa", -1}, {"nfnum", "Número", -1},
        {"nfserie", "Série", 32},    {"nfdtemi", "Dt.Emissão", 120}, {"parcod", "Cód", 30},
        {"pardes", "Cliente", 300},  {"nfopnfcod", "Operação", -1},  {"nfvl", "Valor", -1},
        {"nfvldesc", "Vl.Desc", 64}, {"nfvlfrete", "Vl.Frete", 64},  {"nfobs", "Observação", 500},
    };
    DBGrid& grid = *form->DBGrid1;
    ASSERT_EQ(grid.columnCount(), 12);
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(columns[i].field);
        const GridColumn& column = grid.column(i);
        EXPECT_EQ(column.fieldName(), QString::fromUtf8(columns[i].field));
        EXPECT_EQ(column.title(), QString::fromUtf8(columns[i].title));
        EXPECT_EQ(grid.model()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString(), column.title());
        const int width = columns[i].width >= 0 ? columns[i].width : grid.defaultColumnWidth(column);
        EXPECT_EQ(grid.columnWidth(i), width);
        EXPECT_NE(column.fieldIn(grid.dataSet()), nullptr);
    }
    EXPECT_EQ(grid.dataSource(), &DM->DsNF);
}

TEST_F(MainWindowTest, TheWindowIsLaidOutInDockedBands)
{
    EXPECT_EQ(form->caption(), QStringLiteral("Quelvar"));
    EXPECT_EQ(form->PanelTitulo->caption(), QStringLiteral("Quelvar [v25.03.21.1]"));
    EXPECT_TRUE(form->keyPreview());
    EXPECT_EQ(form->size(), QSize(754, 533));

    EXPECT_EQ(form->PanelTitulo->geometry(), QRect(0, 0, 754, 33));
    EXPECT_EQ(form->GroupBox1->geometry(), QRect(0, 33, 754, 104));
    EXPECT_EQ(form->StatusBar1->geometry(), QRect(0, 533 - 19, 754, 19));
    EXPECT_EQ(form->Panel3->geometry(), QRect(0, 533 - 19 - 47, 754, 47));
    EXPECT_FALSE(form->ProgressBar1->isVisible());
    EXPECT_EQ(form->DBGrid1->geometry(), QRect(0, 137, 754, 533 - 19 - 47 - 137));

    // The progress bar takes its band from the grid while it shows.
    form->ProgressBar1->show();
    form->aligned().activate();
    EXPECT_EQ(form->ProgressBar1->geometry(), QRect(0, 533 - 19 - 47 - 17, 754, 17));
    EXPECT_EQ(form->DBGrid1->height(), 533 - 19 - 47 - 17 - 137);

    const QRect gerar = form->bb_gerar->geometry();
    EXPECT_EQ(gerar.width(), 106);
    EXPECT_EQ(gerar.right(), form->Panel1->contentsRect().right() - 3);
    EXPECT_EQ(form->bb_selecionar->width(), 81);
    EXPECT_EQ(form->bb_selecionar->geometry().right(), form->GroupBox2->contentsRect().right() - 3);
    EXPECT_EQ(form->EditCli->geometry().topLeft(), QPoint(9, 65));
    EXPECT_EQ(form->bbCli->geometry(), QRect(86, 66, 30, 21));
    EXPECT_EQ(form->EditCliDes->geometry().topLeft(), QPoint(118, 65));
    EXPECT_EQ(form->EditCliDes->width(), 335);

    EXPECT_EQ(form->cbData->count(), 2);
    EXPECT_EQ(form->cbData->text(), QStringLiteral("Dt.Emissão"));
    EXPECT_FALSE(form->CBQQData->isChecked());
    EXPECT_EQ(form->CBQQData->text(), QStringLiteral("Qualquer data"));
    EXPECT_EQ(form->StatusBar1->panelCount(), 2);
    EXPECT_EQ(form->StatusBar1->panelWidth(0), 250);
    EXPECT_EQ(form->StatusBar1->panelWidth(1), 50);
    EXPECT_EQ(form->bb_selecionar->text(), QStringLiteral("&Selecionar"));
    EXPECT_EQ(form->bb_gerar->text(), QStringLiteral("&Gerar"));
    EXPECT_FALSE(form->bb_gerar->icon().isNull());
    EXPECT_FALSE(form->bb_selecionar->icon().isNull());
}

}  // namespace
