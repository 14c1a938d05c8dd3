#include "QStringPrinter.h"
#include "DBGrid.h"
#include "DataSource.h"
#include "DatabaseTest.h"
#include "Query.h"

#include <QApplication>
#include <QTest>

namespace {

// A grid over three clients, shown.
class DBGridTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        db().exec(
            QStringLiteral("INSERT INTO par (parcod, pardes, parsit) VALUES "
                           "(1, 'ANA', 'A'), (2, 'BRUNO', 'A'), (3, 'CARLA', 'A')"));
        query.sql().add(QStringLiteral("select parcod, pardes from par order by parcod"));
        source.setDataSet(&query);
        grid.setDataSource(&source);
        grid.addColumn(QStringLiteral("parcod"), QStringLiteral("Cód"), 40);
        grid.addColumn(QStringLiteral("pardes"), QStringLiteral("Nome"));
        grid.resize(300, 200);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }

    QString shown(int row, int col) const { return grid.model()->index(row, col).data().toString(); }
    QPoint cellCenter(int row, int col) const { return grid.visualRect(grid.model()->index(row, col)).center(); }

    Query query{QStringLiteral("q"), &connection};
    DataSource source;
    DBGrid grid;
};

TEST_F(DBGridTest, TheGridAndTheDatasetFollowEachOthersCurrentRow)
{
    EXPECT_EQ(grid.model()->rowCount(), 0);
    query.open();
    ASSERT_EQ(grid.model()->rowCount(), 3);
    EXPECT_EQ(shown(1, 1), QStringLiteral("BRUNO"));
    EXPECT_EQ(grid.currentIndex().row(), 0);

    query.next();
    EXPECT_EQ(grid.currentIndex().row(), 1);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCenter(2, 1));
    EXPECT_EQ(query.recNo(), 2);
    EXPECT_EQ(query.fieldByName(QStringLiteral("pardes")).asString(), QStringLiteral("CARLA"));

    // An edit shows at once, and the row is posted when the grid moves away from it.
    query.edit();
    query.fieldByName(QStringLiteral("pardes")).setAsString(QStringLiteral("CARLA S"));
    EXPECT_EQ(shown(2, 1), QStringLiteral("CARLA S"));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCenter(0, 0));
    EXPECT_EQ(query.state(), Query::State::Browse);
    EXPECT_EQ(query.recNo(), 0);
    EXPECT_EQ(shown(2, 1), QStringLiteral("CARLA S"));

    query.close();
    EXPECT_EQ(grid.model()->rowCount(), 0);
}

TEST_F(DBGridTest, TitleClicksDoubleClicksAndColumnChangesReachTheirHandlers)
{
    query.open();
    QStringList events;
    grid.OnTitleClick = [&](GridColumn& column) { events << QStringLiteral("title ") + column.fieldName(); };
    grid.OnDblClick = [&](QObject* sender) {
        EXPECT_EQ(sender, &grid);
        events << QStringLiteral("dbl %1").arg(query.recNo());
    };
    grid.OnColEnter = [&](QObject*) { events << QStringLiteral("col %1").arg(grid.selectedIndex()); };

    const QHeaderView* header = grid.horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cellCenter(1, 0));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCenter(1, 1));
    EXPECT_EQ(events, (QStringList{QStringLiteral("title pardes"), QStringLiteral("dbl 1"), QStringLiteral("col 1")}));
}

TEST_F(DBGridTest, OwnerDrawingPaintsOverTheDefaultCell)
{
    query.open();
    const QColor sky(166, 202, 240);
    QList<int> rowsDrawn;
    grid.OnDrawColumnCell = [&](DBGrid*, GridCanvas& canvas, const QRect& rect, int dataCol, GridColumn& column,
                                GridDrawStates) {
        EXPECT_EQ(dataCol, column.index());
        rowsDrawn << canvas.row();
        if (canvas.row() == 1) {
            canvas.brushColor = sky;
            grid.defaultDrawColumnCell(canvas, rect, column);
        }
    };
    const QImage image = grid.grab().toImage();
    EXPECT_TRUE(rowsDrawn.contains(0));
    EXPECT_TRUE(rowsDrawn.contains(2));
    const QPoint inRow1 =
        grid.viewport()->mapTo(&grid, grid.visualRect(grid.model()->index(1, 0)).topRight()) + QPoint(-3, 3);
    const QPoint inRow2 =
        grid.viewport()->mapTo(&grid, grid.visualRect(grid.model()->index(2, 0)).topRight()) + QPoint(-3, 3);
    EXPECT_EQ(image.pixelColor(inRow1 * image.devicePixelRatio()), sky);
    EXPECT_NE(image.pixelColor(inRow2 * image.devicePixelRatio()), sky);
}

TEST_F(DBGridTest, TheCurrentColumnOutlivesReopeningAndExistsWithoutRows)
{
    query.open();
    int entered = 0;
    grid.OnColEnter = [&](QObject*) { ++entered; };
    grid.setSelectedIndex(1);
    EXPECT_EQ(entered, 1);
    query.close();
    query.open();
    EXPECT_EQ(grid.currentIndex().column(), 1);
    EXPECT_EQ(entered, 1);

    // A typed letter is for the grid's key handler: the grid does not jump to a row starting with it.
    QTest::keyClick(&grid, Qt::Key_C);
    EXPECT_EQ(query.recNo(), 0);

    query.close();
    grid.setSelectedIndex(0);
    EXPECT_EQ(grid.selectedIndex(), 0);
    EXPECT_EQ(entered, 2);
}

}  // namespace
