#include "InvoiceListFixture.h"

#include "InputQuery.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QSignalSpy>

namespace {

const QColor kSkyBlue(166, 202, 240);

class TickGridTest : public InvoiceListFixture {
protected:
    // Invoices 101 to 100 + count for client 7.
    void listInvoices(int count)
    {
        db().exec(QStringLiteral("insert into nf (nfcod, nfnum, nfparcod, nfempparcod, nfopnfcod, nfdtemi) "
                                 "select n, 100 + n, 7, 1, 1, date '2025-03-10' from generate_series(1, %1) n")
                      .arg(count));
        selecionar(QStringLiteral("7"));
        ASSERT_EQ(lista().recordCount(), count);
    }

    void clickTitle(int column)
    {
        const QHeaderView* header = form->DBGrid1->horizontalHeader();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, header->height() / 2));
    }

    QString firstTitle() const { return form->DBGrid1->column(0).title(); }

    // The colour painted in the middle of a cell, read back from the screen image of the grid.
    QColor paintedAt(int row, int column)
    {
        const QRect cell = form->DBGrid1->visualRect(form->DBGrid1->model()->index(row, column));
        const QImage image = form->DBGrid1->viewport()->grab().toImage();
        return image.pixelColor(cell.center().x(), cell.top() + 2);
    }
};

TEST_F(TickGridTest, ADoubleClickTicksTheRowAndASecondOneUnticksIt)
{
    listInvoices(3);
    doubleClickRow(1);
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("102")});
    // Left in edit mode, as the user left it, until the list moves on.
    EXPECT_EQ(lista().state(), Query::State::Edit);
    EXPECT_EQ(paintedAt(1, 2), kSkyBlue);
    EXPECT_EQ(paintedAt(1, 6), kSkyBlue);
    EXPECT_NE(paintedAt(0, 2), kSkyBlue);

    doubleClickRow(1);
    EXPECT_TRUE(ticked().isEmpty());
    EXPECT_NE(paintedAt(1, 6), kSkyBlue);
}

TEST_F(TickGridTest, ADoubleClickOnAnEmptyOrClosedListChangesNothing)
{
    QTest::mouseDClick(form->DBGrid1->viewport(), Qt::LeftButton);
    selecionar(QStringLiteral("7"));
    ASSERT_TRUE(lista().isEmpty());
    QTest::mouseDClick(form->DBGrid1->viewport(), Qt::LeftButton);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(lista().state(), Query::State::Browse);
}

TEST_F(TickGridTest, TheFirstTitleTicksAllRowsAndThenUnticksThem)
{
    listInvoices(4);
    lista().setRecNo(2);
    QSignalSpy progress(form->ProgressBar1, &QProgressBar::valueChanged);

    clickTitle(0);

    EXPECT_EQ(firstTitle(), QStringLiteral("X"));
    EXPECT_EQ(ticked().size(), 4);
    EXPECT_EQ(lista().recNo(), 0);
    EXPECT_FALSE(form->ProgressBar1->isVisible());
    QList<int> positions;
    for (const QList<QVariant>& signal : progress)
        positions << signal[0].toInt();
    EXPECT_EQ(positions, (QList<int>{25, 50, 75, 100}));
    EXPECT_EQ(paintedAt(3, 5), kSkyBlue);

    clickTitle(0);
    EXPECT_TRUE(firstTitle().isEmpty());
    EXPECT_TRUE(ticked().isEmpty());
    EXPECT_TRUE(messages().empty());
}

struct ProgressCase {
    int rows;
    int firstStep;
    int last;
};

class TickAllProgressTest : public TickGridTest, public ::testing::WithParamInterface<ProgressCase> {};

// The bar steps by 100 / rows rounded half to even and stays within 0..100.
TEST_P(TickAllProgressTest, StepsTheBarAndHidesIt)
{
    const ProgressCase c = GetParam();
    listInvoices(c.rows);
    QList<int> positions;
    QObject::connect(form->ProgressBar1, &QProgressBar::valueChanged, [&](int value) { positions << value; });

    clickTitle(0);

    EXPECT_EQ(ticked().size(), c.rows);
    EXPECT_FALSE(form->ProgressBar1->isVisible());
    EXPECT_EQ(form->ProgressBar1->position(), c.last);
    if (c.firstStep > 0) {
        ASSERT_FALSE(positions.isEmpty());
        EXPECT_EQ(positions.first(), c.firstStep);
        EXPECT_EQ(positions.last(), c.last);
    } else {
        EXPECT_TRUE(positions.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, TickAllProgressTest,
                         ::testing::Values(ProgressCase{3, 33, 99}, ProgressCase{4, 25, 100}, ProgressCase{6, 17, 100},
                                           ProgressCase{150, 1, 100}, ProgressCase{200, 0, 0},
                                           ProgressCase{250, 0, 0}));

TEST_F(TickGridTest, TickAllOnAnEmptyListOnlySwitchesTheTitle)
{
    listInvoices(0);
    clickTitle(0);
    EXPECT_EQ(firstTitle(), QStringLiteral("X"));
    EXPECT_TRUE(messages().empty());
    EXPECT_FALSE(form->ProgressBar1->isVisible());
}

TEST_F(TickGridTest, TickAllBeforeAnySelectionIsTheClosedListError)
{
    clickTitle(0);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], QStringLiteral("FDQueryNF: Cannot perform this operation on a closed dataset."));
    EXPECT_EQ(firstTitle(), QStringLiteral(" "));
    EXPECT_FALSE(form->ProgressBar1->isVisible());
}

// Answers the search dialog with `typed`, or cancels it when typed is null; message windows are
// closed after their text was kept.
class DocumentSearchTest : public TickGridTest {
protected:
    void answerSearchWith(const QString& typed)
    {
        watcher = std::make_unique<ModalWatcher>([this, typed](QWidget& window) {
            auto* dialog = qobject_cast<QInputDialog*>(&window);
            if (!dialog) {
                window.close();
                return;
            }
            prompts.push_back(dialog->windowTitle() + u'|' + dialog->labelText());
            if (typed.isNull()) {
                dialog->reject();
                return;
            }
            dialog->setTextValue(typed);
            dialog->accept();
        });
    }

    std::vector<QString> prompts;
};

TEST_F(DocumentSearchTest, FindsTheFirstRowThatBeginsWithTheTypedText)
{
    listInvoices(30);
    answerSearchWith(QStringLiteral("115"));
    clickTitle(2);
    EXPECT_EQ(prompts, std::vector<QString>{QStringLiteral("Busca de Documentos|Informe (o/a) nfnum.")});
    EXPECT_EQ(lista().fieldByName(QStringLiteral("nfnum")).asInteger(), 115);
    EXPECT_EQ(form->DBGrid1->currentIndex().row(), 14);

    // Text columns are searched without regard to letter case, from the first row.
    answerSearchWith(QStringLiteral("cliente s"));
    clickTitle(6);
    EXPECT_EQ(prompts.back(), QStringLiteral("Busca de Documentos|Informe (o/a) pardes."));
    EXPECT_EQ(lista().recNo(), 0);
    // Only the search dialog was shown, no message.
    EXPECT_EQ(messages(), std::vector<QString>{QString()});
}

TEST_F(DocumentSearchTest, NoMatchSaysSoAndKeepsTheRow)
{
    listInvoices(5);
    lista().setRecNo(3);
    answerSearchWith(QStringLiteral("999"));
    clickTitle(2);
    EXPECT_EQ(lista().recNo(), 3);
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1], QStringLiteral("Documento não encontrado."));
}

TEST_F(DocumentSearchTest, CancellingTheDialogDoesNothing)
{
    listInvoices(5);
    lista().setRecNo(3);
    answerSearchWith(QString());
    clickTitle(6);
    EXPECT_EQ(lista().recNo(), 3);
    EXPECT_EQ(messages().size(), 1u);
}

}  // namespace
