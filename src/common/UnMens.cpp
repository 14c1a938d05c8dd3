#include "UnMens.h"

#include "Application.h"
#include "Colors.h"
#include "Fonts.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>
#include <QStyle>

TFormMens* FormMens = nullptr;

namespace {

const QString kDesignCaption = QStringLiteral("Confirmar Exclusão de Arquivos");
constexpr int kButtonTop = 130;
// Lines the text box shows without a scroll bar.
constexpr int kLinesWithoutScrollBar = 7;

QIcon themeIcon(const char* themeName, QStyle::StandardPixmap fallback, const QWidget& owner)
{
    return QIcon::fromTheme(QString::fromLatin1(themeName), owner.style()->standardIcon(fallback));
}

// A hidden picture of 33 x 33 at (left, top): the icon at 32 x 32 in its top left corner, on the
// window's own background.
QLabel* picture(QWidget* owner, int left, int top, const QIcon& icon)
{
    auto* label = new QLabel(owner);
    label->setGeometry(left, top, 33, 33);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setPixmap(icon.pixmap(QSize(32, 32), owner->devicePixelRatioF()));
    label->hide();
    return label;
}

BitBtn* button(QWidget* owner, int left, const QString& caption)
{
    auto* result = new BitBtn(owner);
    result->setGeometry(left, kButtonTop, 75, 25);
    result->setCaption(caption);
    result->hide();
    return result;
}

void setLeft(QWidget* widget, int left)
{
    widget->move(left, widget->y());
}

void showButton(BitBtn* button, const QString& caption)
{
    button->setCaption(caption);
    button->show();
}

// One kind's layout. Buttons move by taking over the current left of another button, so a kind
// applied later works on the positions an earlier one left; nothing is ever hidden again.
void applyLayout(TFormMens& form, TTipoMensagem kind)
{
    switch (kind) {
        case tmExclusao:
        case tmConfirmacao:
            setLeft(form.bbSim, form.bbCancel->x());
            showButton(form.bbSim, QStringLiteral("&Sim"));
            setLeft(form.bbNao, form.bbOk->x());
            showButton(form.bbNao, QStringLiteral("&Não"));
            if (kind == tmExclusao) {
                form.ImgExc->show();
                form.setCaption(QStringLiteral("Mensagem Confirma Exclusão"));
            } else {
                form.ImgConf->show();
                form.setCaption(QStringLiteral("Mensagem de Confirmação"));
            }
            form.botaoFoco = form.bbNao;
            break;
        case tmGravacao:
            setLeft(form.bbSim, form.bbNao->x());
            showButton(form.bbSim, QStringLiteral("&Sim"));
            setLeft(form.bbNao, form.bbCancel->x());
            showButton(form.bbNao, QStringLiteral("&Não"));
            setLeft(form.bbCancel, form.bbOk->x());
            showButton(form.bbCancel, QStringLiteral("&Cancelar"));
            form.ImgGrav->show();
            form.setCaption(QStringLiteral("Mensagem Confirma Gravação"));
            form.botaoFoco = form.bbCancel;
            break;
        case tmAdvertencia:
        case tmInformacao:
            showButton(form.bbOk, QStringLiteral("&OK"));
            if (kind == tmAdvertencia) {
                form.ImgAdv->show();
                form.setCaption(QStringLiteral("Mensagem de Advertência"));
            } else {
                form.ImgInfo->show();
                form.setCaption(QStringLiteral("Mensagem de Informação"));
            }
            form.botaoFoco = form.bbOk;
            break;
        case tmResAC:
            setLeft(form.bbSim, form.bbCancel->x());
            showButton(form.bbSim, QStringLiteral("&Alterar"));
            setLeft(form.bbCancel, form.bbOk->x());
            showButton(form.bbCancel, QStringLiteral("&Cancelar"));
            form.ImgResAEC->show();
            form.setCaption(QStringLiteral("Atenção"));
            form.botaoFoco = form.bbCancel;
            break;
        case tmResAEC:
            setLeft(form.bbSim, form.bbNao->x());
            showButton(form.bbSim, QStringLiteral("&Alterar"));
            setLeft(form.bbNao, form.bbCancel->x());
            showButton(form.bbNao, QStringLiteral("&Excluir"));
            setLeft(form.bbCancel, form.bbOk->x());
            showButton(form.bbCancel, QStringLiteral("&Cancelar"));
            form.ImgResAEC->show();
            form.setCaption(QStringLiteral("Atenção"));
            form.botaoFoco = form.bbSim;
            break;
        case tmErro:
            // No layout of its own: the window keeps its design state.
            break;
    }
}

// The memo takes line breaks of every convention; each makes a line of its own.
QString withLineFeeds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

}  // namespace

TFormMens::TFormMens(QWidget* parent) : Form(parent)
{
    createControls();
    OnShow = [this](QObject* Sender) { FormShow(Sender); };
    OnKeyPress = [this](QObject* Sender, QChar& Key) { FormKeyPress(Sender, Key); };
    connect(Timer1, &QTimer::timeout, this, [this] { Application::guard([this] { Timer1Timer(Timer1); }); });
    Timer1->start();
}

void TFormMens::createControls()
{
    // A tool window of fixed size: small caption, close box only.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setCaption(kDesignCaption);
    setClientSize(377, 158);
    setFixedSize(377, 158);
    setCenteredOnScreen(true);
    setKeyPreview(true);

    ImgExc = picture(this, 8, 8, themeIcon("user-trash", QStyle::SP_TrashIcon, *this));
    bbSim = button(this, 49, QStringLiteral("&Sim"));
    bbSim->setGlyph(themeIcon("dialog-ok", QStyle::SP_DialogYesButton, *this));
    bbNao = button(this, 133, QStringLiteral("&Não"));
    bbNao->setGlyph(themeIcon("dialog-cancel", QStyle::SP_DialogNoButton, *this));
    ImgGrav = picture(this, 8, 7, themeIcon("document-save", QStyle::SP_DialogSaveButton, *this));
    bbOk = button(this, 300, QStringLiteral("&OK"));
    ImgAdv = picture(this, 8, 8, themeIcon("dialog-warning", QStyle::SP_MessageBoxWarning, *this));
    bbCancel = button(this, 216, QStringLiteral("&Cancelar"));
    ImgInfo = picture(this, 8, 8, themeIcon("dialog-information", QStyle::SP_MessageBoxInformation, *this));
    ImgConf = picture(this, 8, 8, themeIcon("dialog-question", QStyle::SP_MessageBoxQuestion, *this));
    ImgResAEC = picture(this, 8, 8, themeIcon("text-x-generic", QStyle::SP_FileIcon, *this));

    Memo1 = new Memo(this);
    Memo1->setGeometry(48, 8, 329, 118);
    Memo1->setFrameShape(QFrame::NoFrame);
    setBackgroundColor(*Memo1, clBtnFace());
    setTextColor(*Memo1, QPalette().color(QPalette::ButtonText));
    Memo1->setFont(designFont(QStringLiteral("MS Sans Serif"), 8));
    Memo1->setReadOnly(true);
    // Read-only, yet the caret still walks the text as in any text box.
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setWordWrap(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);

    answerWith(bbSim, mrYes);
    answerWith(bbNao, mrNo);
    answerWith(bbOk, mrOk);
    answerWith(bbCancel, mrCancel);

    setTabOrder(bbSim, bbNao);
    setTabOrder(bbNao, bbOk);
    setTabOrder(bbOk, bbCancel);
    setTabOrder(bbCancel, Memo1);
}

void TFormMens::answerWith(BitBtn* button, int result)
{
    button->OnClick = [this, result](QObject*) { setModalResult(result); };
}

void TFormMens::FormShow(QObject*)
{
    Memo1->setVerticalScrollBarPolicy(Memo1->displayedLineCount() > kLinesWithoutScrollBar ? Qt::ScrollBarAlwaysOn
                                                                                           : Qt::ScrollBarAlwaysOff);
    if (botaoFoco)
        botaoFoco->setFocus();
}

void TFormMens::FormKeyPress(QObject*, QChar& Key)
{
    if (Key == u'\x1b') {
        Key = QChar();
        close();
    } else if (Key == u'\r' && QApplication::focusWidget() == Memo1) {
        // The key goes on to the text box, which ignores it.
        if (bbSim->isVisible())
            bbSim->click();
        else if (bbOk->isVisible())
            bbOk->click();
    }
}

void TFormMens::Timer1Timer(QObject*)
{
    QApplication::alert(this);
}

int Mensagem(const QString& Texto, TTipoMensagens TipoMensagem)
{
    // Whatever happens, this call's window is released and the global no longer refers to it (it
    // refers again to the window of an enclosing call, if a message was shown from inside another).
    struct Release {
        TFormMens* const outer = FormMens;
        TFormMens* form = nullptr;
        ~Release()
        {
            FormMens = outer;
            delete form;
        }
    } release;

    release.form = new TFormMens();
    FormMens = release.form;
    TFormMens& form = *release.form;
    form.Memo1->setText(withLineFeeds(Texto));
    for (int kind = tmExclusao; kind <= tmErro; ++kind)
        if (TipoMensagem.contains(static_cast<TTipoMensagem>(kind)))
            applyLayout(form, static_cast<TTipoMensagem>(kind));
    return form.showModal();
}
