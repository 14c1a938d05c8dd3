#include "QStringPrinter.h"
#include "ComboBox.h"
#include "DBGrid.h"
#include "DateTimePicker.h"
#include "Edit.h"
#include "Eventos.h"
#include "Memo.h"

#include <gtest/gtest.h>

namespace {

QColor background(const QWidget& box)
{
    return box.palette().color(QPalette::Base);
}
QColor textColour(const QWidget& box)
{
    return box.palette().color(QPalette::Text);
}

TEST(FocusColoursTest, InputBoxesStandOutWhileTheyHaveTheFocus)
{
    Edit edit;
    Memo memo;
    DateTimePicker picker;
    for (QWidget* box : std::initializer_list<QWidget*>{&edit, &memo, &picker}) {
        SCOPED_TRACE(box->metaObject()->className());
        OnEnterDoDBEdit(box);
        EXPECT_EQ(background(*box), QColor(0, 128, 192));
        EXPECT_EQ(textColour(*box), QColor(Qt::white));
        EXPECT_TRUE(box->font().bold());
        OnExitDoDBEdit(box);
        EXPECT_EQ(background(*box), QColor(Qt::white));
        EXPECT_EQ(textColour(*box), QColor(Qt::black));
        EXPECT_FALSE(box->font().bold());
    }
}

TEST(FocusColoursTest, OtherControlsAndDisabledEditBoxesKeepTheirLook)
{
    ComboBox combo;
    const QPalette before = combo.palette();
    OnEnterDoDBEdit(&combo);
    EXPECT_EQ(combo.palette(), before);

    Edit edit;
    OnEnterDoDBEdit(&edit);
    edit.setEnabled(false);
    OnExitDoDBEdit(&edit);
    EXPECT_EQ(background(edit), QColor(0, 128, 192));
}

TEST(FocusColoursTest, AGridColumnTakesTheFocusColoursToo)
{
    DBGrid grid;
    GridColumn& column = grid.addColumn(QStringLiteral("a"), QStringLiteral("A"));
    OnEnterDoDBEdit(column);
    EXPECT_EQ(column.color(), QColor(0, 128, 192));
    EXPECT_EQ(column.fontColor(), QColor(Qt::white));
    EXPECT_TRUE(column.fontBold());
}

TEST(DigitFilterTest, CodeBoxesTakeDigitsTheCommaBackspaceAndEnter)
{
    for (const QChar key : QStringLiteral("0123456789,\b\r")) {
        QChar typed = key;
        OnKeyPressDosNumeros(typed);
        EXPECT_EQ(typed, key) << int(key.unicode());
    }
    for (const QChar key : QStringLiteral("-. aZ\x1b\t%")) {
        QChar typed = key;
        OnKeyPressDosNumeros(typed);
        EXPECT_TRUE(typed.isNull()) << int(key.unicode());
    }
}

}  // namespace
