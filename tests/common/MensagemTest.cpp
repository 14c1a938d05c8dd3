#include "UnMens.h"

#include "ModalWatcher.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

static_assert(Exclusao.bits() == 0x01 && Gravacao.bits() == 0x02 && Advertencia.bits() == 0x04 &&
              Informacao.bits() == 0x08 && Confirmacao.bits() == 0x10 && ResAC.bits() == 0x20 &&
              ResAEC.bits() == 0x40 && Erro.bits() == 0x80);
static_assert((Exclusao + Gravacao).bits() == 0x03 && (Exclusao + Gravacao).contains(tmGravacao) &&
              !Informacao.contains(tmAdvertencia) && TTipoMensagens().isEmpty());

using Act = std::function<void(TFormMens& form)>;

// Runs Mensagem and, once its window is up and active, lets `act` work on it from inside the modal
// loop. Every call checks that the window shown was the global's and that it is gone afterwards.
int mensagem(const QString& text, TTipoMensagens kinds, const Act& act)
{
    QPointer<TFormMens> shown;
    ModalWatcher watcher([&](QWidget& window) {
        auto* form = dynamic_cast<TFormMens*>(&window);
        if (!form) {
            ADD_FAILURE() << "another modal window: " << window.windowTitle().toStdString();
            window.close();
            return;
        }
        shown = form;
        EXPECT_EQ(form, FormMens);
        EXPECT_TRUE(QTest::qWaitForWindowActive(form));
        act(*form);
        if (shown && !QTest::qWaitFor([&] { return !shown || !shown->isVisible(); }, 2000)) {
            ADD_FAILURE() << "the message window is still open";
            shown->close();
        }
    });
    const int result = Mensagem(text, kinds);
    EXPECT_NE(watcher.seen().size(), 0u) << "no message window was shown";
    EXPECT_EQ(FormMens, nullptr);
    EXPECT_TRUE(shown.isNull()) << "the window was not released";
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_EQ(dynamic_cast<TFormMens*>(window), nullptr) << "a message window was left behind";
    return result;
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void clickIntoText(TFormMens& form)
{
    QTest::mouseClick(form.Memo1->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 5));
    ASSERT_EQ(QApplication::focusWidget(), form.Memo1);
}

// What the window shows: the visible buttons in member order with caption and left edge, the visible
// pictures, and which member has the focus.
struct Layout {
    QString caption;
    std::vector<std::pair<QString, int>> buttons;
    std::vector<QString> pictures;
    QString focus;

    bool operator==(const Layout&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Layout& layout)
{
    out << '"' << layout.caption.toStdString() << "\" buttons:";
    for (const auto& [caption, left] : layout.buttons)
        out << ' ' << caption.toStdString() << '@' << left;
    out << " pictures:";
    for (const QString& picture : layout.pictures)
        out << ' ' << picture.toStdString();
    return out << " focus: " << layout.focus.toStdString();
}

Layout layoutOf(const TFormMens& form)
{
    Layout layout;
    layout.caption = form.caption();
    for (BitBtn* button : {form.bbSim, form.bbNao, form.bbOk, form.bbCancel}) {
        if (button->isVisible()) {
            EXPECT_EQ(button->geometry().top(), 130);
            EXPECT_EQ(button->size(), QSize(75, 25));
            layout.buttons.emplace_back(button->caption(), button->x());
        }
    }
    const std::pair<QLabel*, const char*> pictures[] = {
        {form.ImgExc, "ImgExc"},   {form.ImgGrav, "ImgGrav"}, {form.ImgAdv, "ImgAdv"},
        {form.ImgInfo, "ImgInfo"}, {form.ImgConf, "ImgConf"}, {form.ImgResAEC, "ImgResAEC"},
    };
    for (const auto& [label, name] : pictures) {
        if (label->isVisible()) {
            EXPECT_FALSE(label->pixmap().isNull()) << name;
            layout.pictures.push_back(QString::fromLatin1(name));
        }
    }
    const QWidget* focused = QApplication::focusWidget();
    const std::pair<const QWidget*, const char*> members[] = {
        {form.bbSim, "bbSim"},       {form.bbNao, "bbNao"}, {form.bbOk, "bbOk"},
        {form.bbCancel, "bbCancel"}, {form.Memo1, "Memo1"},
    };
    for (const auto& [member, name] : members)
        if (member == focused)
            layout.focus = QString::fromLatin1(name);
    return layout;
}

TEST(MensagemTest, EachKindShowsItsCaptionButtonsPictureAndFocus)
{
    const QString ok = QStringLiteral("&OK");
    const QString cancelar = QStringLiteral("&Cancelar");
    const struct {
        const char* name;
        TTipoMensagens kinds;
        Layout expected;
    } cases[] = {
        {"Informacao", Informacao, {QStringLiteral("Mensagem de Informação"), {{ok, 300}}, {"ImgInfo"}, "bbOk"}},
        {"ResAEC",
         ResAEC,
         {QStringLiteral("Atenção"),
          {{QStringLiteral("&Alterar"), 133}, {QStringLiteral("&Excluir"), 216}, {cancelar, 300}},
          {"ImgResAEC"},
          "bbSim"}},
        {"Gravacao",
         Gravacao,
         {QStringLiteral("Mensagem Confirma Gravação"),
          {{QStringLiteral("&Sim"), 133}, {QStringLiteral("&Não"), 216}, {cancelar, 300}},
          {"ImgGrav"},
          "bbCancel"}},
        {"ResAC",
         ResAC,
         {QStringLiteral("Atenção"), {{QStringLiteral("&Alterar"), 216}, {cancelar, 300}}, {"ImgResAEC"}, "bbCancel"}},
        // Kinds apply in enumeration order, each copying the lefts the earlier one left: under
        // Gravacao "Sim" takes the left of "Não", which Exclusao had moved to 300.
        {"Exclusao+Gravacao",
         Exclusao + Gravacao,
         {QStringLiteral("Mensagem Confirma Gravação"),
          {{QStringLiteral("&Sim"), 300}, {QStringLiteral("&Não"), 216}, {cancelar, 300}},
          {"ImgExc", "ImgGrav"},
          "bbCancel"}},
        // No layout of its own: the design state, in which only the text can take the focus.
        {"Erro", Erro, {QStringLiteral("Confirmar Exclusão de Arquivos"), {}, {}, "Memo1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Layout shown;
        EXPECT_EQ(mensagem(QStringLiteral("Uma linha."), c.kinds,
                           [&](TFormMens& form) {
                               shown = layoutOf(form);
                               pressKey(Qt::Key_Escape);
                           }),
                  mrCancel);
        EXPECT_EQ(shown, c.expected);
    }
}

TEST(MensagemTest, TheAnswerFollowsTheButtonNotItsCaption)
{
    const Act enter = [](TFormMens&) { pressKey(Qt::Key_Return); };
    const Act escape = [](TFormMens&) { pressKey(Qt::Key_Escape); };
    const Act enterInText = [](TFormMens& form) {
        clickIntoText(form);
        pressKey(Qt::Key_Return);
    };
    const struct {
        const char* name;
        TTipoMensagens kinds;
        Act act;
        int expected;
    } cases[] = {
        {"Informacao, Enter", Informacao, enter, mrOk},
        {"Informacao, Escape", Informacao, escape, mrCancel},
        {"Informacao, close box", Informacao, [](TFormMens& form) { form.close(); }, mrCancel},
        {"Informacao, Enter in the text", Informacao, enterInText, mrOk},
        {"Gravacao, Enter", Gravacao, enter, mrCancel},
        {"Gravacao, Enter in the text", Gravacao, enterInText, mrYes},
        {"Gravacao+Informacao, Enter in the text: Sim before OK", Gravacao + Informacao, enterInText, mrYes},
        {"ResAC, Enter in the text", ResAC, enterInText, mrYes},
        {"ResAEC, Enter", ResAEC, enter, mrYes},
        {"ResAEC, click Excluir", ResAEC, [](TFormMens& form) { QTest::mouseClick(form.bbNao, Qt::LeftButton); }, mrNo},
        // An accelerator animates the click: the answer comes a moment later.
        {"ResAEC, Alt+E", ResAEC, [](TFormMens&) { pressKey(Qt::Key_E, Qt::AltModifier); }, mrNo},
        // The design state: Enter in the text has no button to press, only Escape ends it.
        {"Erro, Enter then Escape", Erro,
         [&](TFormMens& form) {
             enterInText(form);
             EXPECT_TRUE(form.isVisible());
             escape(form);
         },
         mrCancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(mensagem(QStringLiteral("Pergunta?"), c.kinds, c.act), c.expected);
    }
}

TEST(MensagemTest, MoreThanSevenShownLinesGetAScrollBar)
{
    const QString paragraph = QStringLiteral("palavra ").repeated(150).trimmed();
    const struct {
        const char* name;
        QString text;
        bool scrollBar;
    } cases[] = {
        {"one line", QStringLiteral("Documento gravado com sucesso!"), false},
        {"7 lines", QStringLiteral("1\n2\n3\n4\n5\n6\n7"), false},
        {"7 lines and an empty last one", QStringLiteral("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n"), false},
        {"8 lines", QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8"), true},
        {"one paragraph wrapped", paragraph, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        mensagem(c.text, Informacao, [&](TFormMens& form) {
            if (c.text == paragraph) {
                EXPECT_EQ(form.Memo1->document()->blockCount(), 1);
                EXPECT_GE(form.Memo1->displayedLineCount(), 8);
            }
            EXPECT_EQ(form.Memo1->verticalScrollBar()->isVisible(), c.scrollBar);
            EXPECT_EQ(form.Memo1->text(), QString(c.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            pressKey(Qt::Key_Escape);
        });
    }
}

TEST(MensagemTest, TheWindowIsAFixedToolWindowInTheMiddleOfTheScreen)
{
    mensagem(QStringLiteral("Listagem vazia!"), Informacao, [](TFormMens& form) {
        EXPECT_TRUE(form.windowFlags().testFlag(Qt::Tool));
        EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        EXPECT_EQ(form.size(), QSize(377, 158));
        EXPECT_EQ(form.minimumSize(), form.maximumSize());
        EXPECT_TRUE(form.keyPreview());
        const QPoint middle = form.screen()->availableGeometry().center();
        EXPECT_LE((form.frameGeometry().center() - middle).manhattanLength(), 2);

        EXPECT_EQ(form.Memo1->geometry(), QRect(48, 8, 329, 118));
        EXPECT_TRUE(form.Memo1->readOnly());
        EXPECT_EQ(form.Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        EXPECT_EQ(form.Memo1->frameShape(), QFrame::NoFrame);
        EXPECT_TRUE(form.Timer1->isActive());
        EXPECT_EQ(form.Timer1->interval(), 1000);
        EXPECT_FALSE(form.bbOk->isHidden());
        EXPECT_TRUE(form.bbSim->isHidden());
        form.bbOk->click();
    });
}

// An error that leaves the modal loop (thrown by code that no event handler guards) still releases
// the window before it travels on.
TEST(MensagemTest, AnErrorInsideTheModalLoopStillReleasesTheWindow)
{
    QPointer<TFormMens> shown;
    ModalWatcher watcher([&](QWidget& window) {
        shown = dynamic_cast<TFormMens*>(&window);
        throw std::runtime_error("falhou durante a mensagem");
    });
    EXPECT_THROW(Mensagem(QStringLiteral("Erro"), Informacao), std::runtime_error);
    EXPECT_FALSE(watcher.seen().empty());
    EXPECT_EQ(FormMens, nullptr);
    EXPECT_TRUE(shown.isNull());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
