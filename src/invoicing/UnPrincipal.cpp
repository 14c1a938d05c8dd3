#include "UnPrincipal.h"

#include "Application.h"
#include "Colors.h"
#include "Conversions.h"
#include "Eventos.h"
#include "EventosForm.h"
#include "Fonts.h"
#include "TCriadorLookup.h"
#include "UnDM.h"

#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QStyle>

TFormPrincipal* FormPrincipal = nullptr;
QString Servidor;
QString Porta;
QString Usuario;
QString Senha;
QString Banco;

namespace {

const QString kVersionCaption = QStringLiteral("Quelvar [v25.03.21.1]");

// The date the pickers show until start-up sets the period.
QDateTime designDate()
{
    return Conversions::naiveDateTime(QDate(2018, 1, 12));
}

QIcon picture(const char* themeName, QStyle::StandardPixmap fallback, const QWidget& owner)
{
    return QIcon::fromTheme(QString::fromLatin1(themeName), owner.style()->standardIcon(fallback));
}

}  // namespace

TFormPrincipal::TFormPrincipal(QWidget* parent) : Form(parent)
{
    createControls();
    layOutControls();
    defineGridColumns();
    setTabOrder();
    connectHandlers();
    Application::guard([this] { FormCreate(this); });
}

TFormPrincipal::~TFormPrincipal()
{
    // The controls must not reach the binding once it is gone.
    fLookupCliente.reset();
    Servidor.clear();
    Porta.clear();
    Usuario.clear();
    Senha.clear();
    Banco.clear();
}

void TFormPrincipal::createControls()
{
    setCaption(QStringLiteral("Quelvar"));
    setClientSize(754, 533);
    setFont(designFont(QStringLiteral("Segoe UI"), 9));
    setCenteredOnScreen(true);
    setKeyPreview(true);
    OnKeyPress = [this](QObject* Sender, QChar& Key) { FormKeyPress(Sender, Key); };

    PanelTitulo = new Panel(this);
    GroupBox1 = new GroupBox(this);
    DBGrid1 = new DBGrid(this);
    GroupBox2 = new GroupBox(GroupBox1);
    DTPDe = new DateTimePicker(GroupBox2);
    DTPAte = new DateTimePicker(GroupBox2);
    CBQQData = new CheckBox(GroupBox2);
    cbData = new ComboBox(GroupBox2);
    StatusBar1 = new StatusBar(this);
    Panel3 = new Panel(this);
    ProgressBar1 = new ProgressBar(this);
    Panel1 = new Panel(Panel3);
    bb_gerar = new BitBtn(Panel1);
    Label2 = new Label(GroupBox2);
    bb_selecionar = new BitBtn(GroupBox2);
    EditCli = new Edit(GroupBox2);
    bbCli = new BitBtn(GroupBox2);
    EditCliDes = new Edit(GroupBox2);

    PanelTitulo->setCaption(kVersionCaption);
    setBackgroundColor(*PanelTitulo, QColor(73, 46, 115));
    setTextColor(*PanelTitulo, Qt::white);
    PanelTitulo->setFont(designFont(QStringLiteral("Tahoma"), 8, true));

    GroupBox2->setTitle(QStringLiteral("Período"));
    cbData->addItems({QStringLiteral("Dt.Emissão"), QStringLiteral("Dt.Saída")});
    cbData->setItemIndex(0);
    DTPDe->setValue(designDate());
    DTPAte->setValue(designDate());
    CBQQData->setCaption(QStringLiteral("Qualquer data"));
    Label2->setCaption(QStringLiteral("Cliente"));
    bbCli->setCaption(QStringLiteral("..."));
    bbCli->setTabStop(false);
    EditCliDes->setTabStop(false);
    setBackgroundColor(*EditCliDes, clInfoBk());

    bb_selecionar->setCaption(QStringLiteral("&Selecionar"));
    bb_selecionar->setGlyph(picture("edit-find", QStyle::SP_FileDialogContentsView, *this));
    bb_selecionar->setGlyphLayout(BitBtn::GlyphLayout::Top);
    bb_selecionar->setIconSize(QSize(32, 32));
    bb_selecionar->setCursor(Qt::PointingHandCursor);
    bb_selecionar->setFont(designFont(QStringLiteral("Segoe UI"), 8));

    bb_gerar->setCaption(QStringLiteral("&Gerar"));
    bb_gerar->setGlyph(picture("document-save", QStyle::SP_DialogSaveButton, *this));
    bb_gerar->setCursor(Qt::PointingHandCursor);

    ProgressBar1->hide();
    StatusBar1->addPanel(250);
    StatusBar1->addPanel(50);
}

void TFormPrincipal::layOutControls()
{
    // Docked bands, in the order they are stacked from each side.
    PanelTitulo->resize(754, 33);
    aligned().addAligned(PanelTitulo, Align::Top);
    GroupBox1->resize(754, 104);
    aligned().addAligned(GroupBox1, Align::Top);
    StatusBar1->resize(754, 19);
    aligned().addAligned(StatusBar1, Align::Bottom);
    Panel3->resize(754, 47);
    aligned().addAligned(Panel3, Align::Bottom);
    ProgressBar1->resize(754, 17);
    aligned().addAligned(ProgressBar1, Align::Bottom);
    aligned().addAligned(DBGrid1, Align::Client);

    GroupBox2->resize(754, 99);
    GroupBox1->aligned().addAligned(GroupBox2, Align::Bottom);
    Panel1->resize(754, 41);
    Panel3->aligned().addAligned(Panel1, Align::Bottom);
    bb_gerar->resize(106, 33);
    Panel1->aligned().addAligned(bb_gerar, Align::Right, AlignLayout::defaultMargins());
    bb_selecionar->resize(81, 74);
    GroupBox2->aligned().addAligned(bb_selecionar, Align::Right, AlignLayout::defaultMargins());

    const int editHeight = EditCli->sizeHint().height();
    cbData->setGeometry(11, 15, 134, cbData->sizeHint().height());
    DTPDe->setGeometry(151, 15, 97, DTPDe->sizeHint().height());
    DTPAte->setGeometry(254, 15, 97, DTPAte->sizeHint().height());
    CBQQData->setGeometry(357, 18, 97, CBQQData->sizeHint().height());
    Label2->move(8, 47);
    Label2->adjustSize();
    EditCli->setGeometry(9, 65, 75, editHeight);
    bbCli->setGeometry(86, 66, 30, 21);
    EditCliDes->setGeometry(118, 65, 335, editHeight);
}

void TFormPrincipal::defineGridColumns()
{
    DBGrid1->setDataSource(&DM->DsNF);
    DBGrid1->setTitleFont(designFont(QStringLiteral("Segoe UI"), 9));
    DBGrid1->addColumn(QStringLiteral("ativo"), QStringLiteral(" "), 18);
    DBGrid1->addColumn(QStringLiteral("nfempparcod"), QStringLiteral("Empresa"));
    DBGrid1->addColumn(QStringLiteral("nfnum"), QStringLiteral("Número"));
    DBGrid1->addColumn(QStringLiteral("nfserie"), QStringLiteral("Série"), 32);
    DBGrid1->addColumn(QStringLiteral("nfdtemi"), QStringLiteral("Dt.Emissão"), 120);
    DBGrid1->addColumn(QStringLiteral("parcod"), QStringLiteral("Cód"), 30);
    DBGrid1->addColumn(QStringLiteral("pardes"), QStringLiteral("Cliente"), 300);
    DBGrid1->addColumn(QStringLiteral("nfopnfcod"), QStringLiteral("Operação"));
    DBGrid1->addColumn(QStringLiteral("nfvl"), QStringLiteral("Valor"));
    DBGrid1->addColumn(QStringLiteral("nfvldesc"), QStringLiteral("Vl.Desc"), 64);
    DBGrid1->addColumn(QStringLiteral("nfvlfrete"), QStringLiteral("Vl.Frete"), 64);
    DBGrid1->addColumn(QStringLiteral("nfobs"), QStringLiteral("Observação"), 500);
}

// Tab runs through the period and the client code to "Selecionar", then "Gerar", then the grid. The
// lookup button and the client name are reached by mouse only.
void TFormPrincipal::setTabOrder()
{
    const QWidget* chain[] = {cbData, DTPDe,      DTPAte,        CBQQData, EditCli,
                              bbCli,  EditCliDes, bb_selecionar, bb_gerar, DBGrid1};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(chain[i]), const_cast<QWidget*>(chain[i + 1]));
    cbData->setFocus();
}

void TFormPrincipal::connectHandlers()
{
    bb_selecionar->OnClick = [this](QObject* Sender) { bb_selecionarClick(Sender); };
    bb_gerar->OnClick = [this](QObject* Sender) { bb_gerarClick(Sender); };
    DBGrid1->OnDblClick = [this](QObject* Sender) { DBGrid1DblClick(Sender); };
    DBGrid1->OnDrawColumnCell = [this](DBGrid* Sender, GridCanvas& Canvas, const QRect& Rect, int DataCol,
                                       GridColumn& Column, GridDrawStates State) {
        DBGrid1DrawColumnCell(Sender, Canvas, Rect, DataCol, Column, State);
    };
    DBGrid1->OnTitleClick = [this](GridColumn& Column) { DBGrid1TitleClick(Column); };
}

void TFormPrincipal::FormCreate(QObject*)
{
    Servidor = Application::paramStr(1);
    Porta = Application::paramStr(2);
    Usuario = Application::paramStr(3);
    Senha = Application::paramStr(4);
    Banco = Application::paramStr(5);
    CodigoEmpresaLogada = Conversions::strToInt(Application::paramStr(6));
    CodigoFuncionarioLogado = Conversions::strToInt(Application::paramStr(7));
    EmpresaLogada = CodigoEmpresaLogada;
    FuncionarioLogado = CodigoFuncionarioLogado;
    UsuarioLogado = Application::paramStr(8);

    Connection& connection = DM->FDConnection1;
    connection.close();
    connection.setDriverName(QStringLiteral("PG"));
    DM->FDPhysPgDriverLink1.release();
    DM->FDPhysPgDriverLink1.setVendorHome(QString());
    DM->FDPhysPgDriverLink1.setVendorHome(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("DLL")));
    DM->FDPhysPgDriverLink1.setVendorLib(QStringLiteral("libpq.so.5"));
    connection.setParam(QStringLiteral("server"), Servidor);
    connection.setParam(QStringLiteral("port"), Porta);
    connection.setParam(QStringLiteral("user_name"), Usuario);
    connection.setParam(QStringLiteral("password"), Senha);
    connection.setParam(QStringLiteral("database"), Banco);
    connection.open();

    const QDate today = QDate::currentDate();
    DTPDe->setValue(Conversions::naiveDateTime(QDate(today.year(), today.month(), 1)));
    DTPAte->setValue(Conversions::naiveDateTime(QDateTime::currentDateTime()));

    bindClientLookup();
}

void TFormPrincipal::FormKeyPress(QObject* Sender, QChar& Key)
{
    OnKeyPressDoForm(Sender, Key);
}

// Any active party can be chosen, client or not; the list shows it by name.
QString TFormPrincipal::ELookUP(QObject* Objeto, std::uint8_t Evento) const
{
    if (Objeto != EditCli)
        return QString();
    switch (Evento) {
        case 1:
            return QStringLiteral(
                "select pardes as Descrição, parfan as Fantasia from par where parcod =:0 and "
                "parsit = 'A' ");
        case 2:
            return QStringLiteral(
                "select parcod as Código, pardes as Descrição, parfan as Fantasia, parcnpjcpf as CNPJ from par where "
                "cast(pardes as varchar(254)) like :0 and parsit = 'A' order by pardes");
        default:
            return QString();
    }
}

// The client code box, its "..." button and the name box are tied to the client search.
void TFormPrincipal::bindClientLookup()
{
    fLookupCliente = std::make_unique<TCriadorLookup>(
        EditCli, TCaixasDeDescricao{EditCliDes}, bbCli,
        [this](QObject* Objeto, std::uint8_t Evento) { return ELookUP(Objeto, Evento); });
}
