#include "ComboBox.h"
#include "DBGrid.h"
#include "DateTimePicker.h"
#include "Edit.h"
#include "EventosForm.h"
#include "EventosKey.h"
#include "Form.h"
#include "Memo.h"
#include "QStringPrinter.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cstddef>
#include <string_view>
#include <typeinfo>

namespace {

TEST(OnKeyPressDosTextosTest, MapsAccentsUpperCasesAndRefusesTheRest)
{
    struct Group {
        std::u16string_view typed;
        std::u16string_view expected;  // one character for each typed; empty: every one refused
    };
    const Group groups[] = {
        // Accents of Portuguese typing become the plain capital.
        {u"ÀãâÇçéÊíÕôüÚ", u"AAACCEEIOOUU"},
        // Lower-case ASCII letters are upper-cased; everything else printable up to "}" passes as it is.
        {u"az", u"AZ"},
        {u"A !0@[_{}\"§ªº", u"A !0@[_{}\"§ªº"},
        // Control characters the boxes need: copy, backspace, tab, line feed, Enter, paste, undo.
        {u"\x03\b\t\n\r\x16\x1a", u"\x03\b\t\n\r\x16\x1a"},
        // The apostrophe, the dead keys and the accented letters outside the map are refused.
        {u"'^`~ñÑäÄëÖý´¨°", u""},
        // Escape, delete, Ctrl+A, Ctrl+X, and anything beyond Latin-1.
        {u"\x1b\x7f\x01\x18ŝ€ж", u""},
    };
    for (const Group& group : groups) {
        for (std::size_t i = 0; i < group.typed.size(); ++i) {
            SCOPED_TRACE(static_cast<int>(group.typed[i]));
            QChar key(group.typed[i]);
            OnKeyPressDosTextos(key);
            EXPECT_EQ(key.unicode(), group.expected.empty() ? 0 : group.expected[i]);
        }
    }
}

// A multi-line box of a class of its own: only the exact multi-line box class keeps its Enter.
class MemoDerivado : public Memo {
public:
    using Memo::Memo;
};

// A window with the program's key handler as its key preview and a few controls in tab order,
// shown and active, the first edit box focused.
class OnKeyPressDoFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        int top = 10;
        for (QWidget* control :
             {static_cast<QWidget*>(edit), static_cast<QWidget*>(combo), static_cast<QWidget*>(picker),
              static_cast<QWidget*>(memoDerivado), static_cast<QWidget*>(memo), static_cast<QWidget*>(grid),
              static_cast<QWidget*>(last)}) {
            control->setGeometry(10, top, 200, control == grid ? 80 : 24);
            top += control == grid ? 90 : 30;
        }
        form.resize(240, top);
        form.setKeyPreview(true);
        form.OnKeyPress = OnKeyPressDoForm;
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        focus(edit);
    }

    void focus(QWidget* control)
    {
        control->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), control);
    }

    // Typed into whatever has the focus, as the keyboard would. The test library's own key clicks
    // only know ASCII, so each character goes as a key event that carries it as its text.
    static void type(const QString& text)
    {
        for (const QChar character : text)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), keyOf(character), QString(character),
                                Qt::NoModifier);
    }
    static void pressEnter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    // Latin-1 keys are named after their capital; anything else is a key the toolkit does not name.
    static Qt::Key keyOf(QChar character)
    {
        const char16_t capital = character.toUpper().unicode();
        return capital <= 0xff ? static_cast<Qt::Key>(capital) : Qt::Key_unknown;
    }

    Form form;
    Edit* edit = new Edit(&form);
    ComboBox* combo = new ComboBox(&form);
    DateTimePicker* picker = new DateTimePicker(&form);
    MemoDerivado* memoDerivado = new MemoDerivado(&form);
    Memo* memo = new Memo(&form);
    DBGrid* grid = new DBGrid(&form);
    Edit* last = new Edit(&form);
};

TEST_F(OnKeyPressDoFormTest, TypedTextArrivesUpperCasedWithoutAccentsOrApostrophes)
{
    type(QStringLiteral("joão d'ávila"));
    EXPECT_EQ(edit->text(), QStringLiteral("JOAO DAVILA"));

    edit->clear();
    type(QStringLiteral("ñ~äü€§^`ŝç"));
    EXPECT_EQ(edit->text(), QStringLiteral("U§C"));

    focus(combo);
    type(QStringLiteral("são paulo"));
    EXPECT_EQ(combo->text(), QStringLiteral("SAO PAULO"));
}

TEST_F(OnKeyPressDoFormTest, EnterMovesOnExceptInTheMultiLineBoxAndTheGrid)
{
    struct Case {
        QWidget* pressedIn;
        QWidget* focusAfter;
    };
    const Case cases[] = {
        {edit, combo}, {combo, picker}, {picker, memoDerivado}, {memoDerivado, memo},
        {memo, memo},  {grid, grid},    {last, edit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(typeid(*c.pressedIn).name());
        focus(c.pressedIn);
        pressEnter();
        EXPECT_EQ(QApplication::focusWidget(), c.focusAfter);
    }
}

TEST_F(OnKeyPressDoFormTest, AnEnterThatMovesOnReachesNoControl)
{
    QString seenByEdit;
    edit->OnKeyPress = [&](QObject*, QChar& key) { seenByEdit += key; };
    int returnsPressed = 0;
    QObject::connect(edit, &QLineEdit::returnPressed, [&] { ++returnsPressed; });
    focus(memoDerivado);
    type(QStringLiteral("ab"));

    focus(edit);
    type(QStringLiteral("x"));
    pressEnter();
    EXPECT_EQ(QApplication::focusWidget(), combo);
    EXPECT_EQ(seenByEdit, QStringLiteral("X"));
    EXPECT_EQ(returnsPressed, 0);

    // The derived box is left by Enter before it could take the line break.
    focus(memoDerivado);
    pressEnter();
    EXPECT_EQ(memoDerivado->text(), QStringLiteral("AB"));
    EXPECT_EQ(memo->text(), QString());
}

TEST_F(OnKeyPressDoFormTest, EnterInTheMultiLineBoxBreaksTheLine)
{
    focus(memo);
    type(QStringLiteral("ab"));
    pressEnter();
    type(QStringLiteral("c"));
    EXPECT_EQ(memo->text(), QStringLiteral("AB\nC"));
    EXPECT_EQ(QApplication::focusWidget(), memo);
}

}  // namespace
