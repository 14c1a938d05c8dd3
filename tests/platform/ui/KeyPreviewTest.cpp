#include "QStringPrinter.h"
#include "BitBtn.h"
#include "DatasetError.h"
#include "Edit.h"
#include "Form.h"
#include "InputQuery.h"
#include "ModalWatcher.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A window with key preview and two edit boxes, shown and active.
class KeyPreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.setKeyPreview(true);
        first->setGeometry(10, 10, 100, 24);
        second->setGeometry(10, 40, 100, 24);
        form.resize(200, 100);
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        first->setFocus();
    }

    Form form;
    Edit* first = new Edit(&form);
    Edit* second = new Edit(&form);
    QString order;
};

TEST_F(KeyPreviewTest, TheWindowSeesEachCharacterBeforeTheControlAndMayChangeIt)
{
    form.OnKeyPress = [&](QObject* sender, QChar& key) {
        EXPECT_EQ(sender, &form);
        order += u'F';
        key = key.toUpper();
    };
    first->OnKeyPress = [&](QObject* sender, QChar& key) {
        EXPECT_EQ(sender, first);
        order += u'C';
        EXPECT_TRUE(key.isUpper());
    };
    QTest::keyClicks(first, QStringLiteral("ab"));
    EXPECT_EQ(first->text(), QStringLiteral("AB"));
    EXPECT_EQ(order, QStringLiteral("FCFC"));
}

TEST_F(KeyPreviewTest, AZeroCharacterSwallowsTheKey)
{
    form.OnKeyPress = [](QObject*, QChar& key) {
        if (key.isDigit())
            key = QChar();
    };
    first->OnKeyPress = [](QObject*, QChar& key) {
        if (key == u'x')
            key = QChar();
    };
    QTest::keyClicks(first, QStringLiteral("a1x2b"));
    EXPECT_EQ(first->text(), QStringLiteral("ab"));
}

TEST_F(KeyPreviewTest, ControlKeysArriveAsCharactersAndOthersDoNot)
{
    QString seen;
    form.OnKeyPress = [&](QObject*, QChar& key) { seen += key; };
    QTest::keyClick(first, Qt::Key_Return);
    QTest::keyClick(first, Qt::Key_Backspace);
    QTest::keyClick(first, Qt::Key_Escape);
    QTest::keyClick(first, Qt::Key_Left);
    QTest::keyClick(first, Qt::Key_F5);
    EXPECT_EQ(seen, QStringLiteral("\r\b\x1b"));
    // Tab moves on without being seen as a character.
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_EQ(seen.size(), 3);
    EXPECT_EQ(QApplication::focusWidget(), second);
}

TEST_F(KeyPreviewTest, AReplacementCanDeliverEnterOrBackspace)
{
    form.OnKeyPress = [](QObject*, QChar& key) {
        if (key == u'#')
            key = u'\b';
    };
    QTest::keyClicks(first, QStringLiteral("abc#"));
    EXPECT_EQ(first->text(), QStringLiteral("ab"));
}

TEST_F(KeyPreviewTest, AHandlerThatFailsShowsTheErrorAndTheKeyIsLost)
{
    ModalWatcher watcher;
    form.OnKeyPress = [](QObject*, QChar& key) {
        if (key == u'!')
            throw DatasetError(QStringLiteral("Tecla recusada"));
    };
    QTest::keyClicks(first, QStringLiteral("a!b"));
    EXPECT_EQ(first->text(), QStringLiteral("ab"));
    EXPECT_EQ(watcher.texts(), std::vector<QString>{QStringLiteral("Tecla recusada.")});
}

TEST_F(KeyPreviewTest, WithoutPreviewOnlyTheControlSeesTheKey)
{
    form.setKeyPreview(false);
    form.OnKeyPress = [&](QObject*, QChar&) { order += u'F'; };
    first->OnKeyPress = [&](QObject*, QChar&) { order += u'C'; };
    QTest::keyClicks(first, QStringLiteral("a"));
    EXPECT_EQ(order, QStringLiteral("C"));
}

TEST_F(KeyPreviewTest, EnterAndExitFollowTheFocusBetweenControls)
{
    first->OnExit = [&](QObject*) { order += QStringLiteral("exit1 "); };
    second->OnEnter = [&](QObject*) { order += QStringLiteral("enter2 "); };
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_EQ(order, QStringLiteral("exit1 enter2 "));
}

TEST_F(KeyPreviewTest, EnterOnAFocusedButtonPressesItUnseenByTheWindow)
{
    auto* button = new BitBtn(&form);
    button->setGeometry(10, 70, 80, 24);
    button->show();
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    form.OnKeyPress = [&](QObject*, QChar& key) { order += key; };
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(order.isEmpty());
}

TEST(ModalFormTest, ClosingAModalWindowGivesCancelAndAResultClosesIt)
{
    Form dialog;
    QTimer::singleShot(0, &dialog, [&] { dialog.close(); });
    EXPECT_EQ(dialog.showModal(), mrCancel);
    EXPECT_FALSE(dialog.isVisible());

    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
        dialog.setModalResult(mrYes);
    });
    EXPECT_EQ(dialog.showModal(), mrYes);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Without a window manager nobody else gives the activation back, and the window's accelerators
// would be dead after every message.
TEST_F(KeyPreviewTest, TheWindowIsActiveAgainWhenAModalWindowCloses)
{
    ModalWatcher watcher;
    Form dialog;
    dialog.showModal();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));

    Application::showErrorMessage(QStringLiteral("Falhou"));
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));

    QString typed;
    InputQuery(QStringLiteral("Busca"), QStringLiteral("Informe"), typed);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(watcher.seen().size(), 3u);
}

}  // namespace
