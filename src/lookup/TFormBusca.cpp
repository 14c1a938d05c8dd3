#include "TFormBusca.h"

#include "Colors.h"
#include "Field.h"
#include "Fonts.h"
#include "ReescritaSQL.h"
#include "UnDM.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLocale>

#include <optional>

namespace {

constexpr QChar kBackspace(u'\b');
constexpr QChar kEnter(u'\r');
constexpr QChar kEsc(u'\x1b');
const QColor kCorDosTitulos(0, 128, 192);
// Pixels per character of a field's display width in the status bar panel of the typed text.
constexpr int kPixelsPorCaractere = 14;

QFont fonteDoProjeto()
{
    return designFont(QStringLiteral("MS Sans Serif"), 8);
}

bool campoDeTexto(FieldType tipo)
{
    return TipoCampoDoTipo(tipo, 0) == 1;
}

bool campoNumericoAlinhadoADireita(FieldType tipo)
{
    switch (tipo) {
        case FieldType::ftSmallint:
        case FieldType::ftInteger:
        case FieldType::ftWord:
        case FieldType::ftFloat:
        case FieldType::ftCurrency:
        case FieldType::ftLargeint:
            return true;
        default:
            return false;
    }
}

// A number in the general format: no grouping, as many decimals as it has.
QString formatoGeral(const Value& valor)
{
    if (valor.isNull() || valor.isEmpty())
        return {};
    QLocale local;
    local.setNumberOptions(QLocale::OmitGroupSeparator);
    if (valor.kind() == ValueKind::Double || valor.kind() == ValueKind::Currency)
        return local.toString(valor.toDouble(), 'g', 15);
    return local.toString(static_cast<qlonglong>(valor.toInt64()));
}

}  // namespace

TFormBusca::TFormBusca(const QString& caption, QSize clientSize, int larguraDoTextoDigitado, QWidget* parent)
    : Form(parent), QueryLoc(QStringLiteral("QueryLoc"), DM ? &DM->FDConnection1 : nullptr)
{
    createControls(caption, clientSize, larguraDoTextoDigitado);
    layOutControls(clientSize);
    DBGridB->OnKeyPress = [this](QObject* Sender, QChar& Key) { DBGridBKeyPress(Sender, Key); };
    DBGridB->OnColEnter = [this](QObject* Sender) { DBGridBColEnter(Sender); };
    DBGridB->OnDrawColumnCell = [this](DBGrid* Sender, GridCanvas& Canvas, const QRect& Rect, int DataCol,
                                       GridColumn& Column, GridDrawStates State) {
        DBGridBDrawColumnCell(Sender, Canvas, Rect, DataCol, Column, State);
    };
    OnClose = [this](QObject* Sender) { FormClose(Sender); };
    connect(Timer1, &QTimer::timeout, this, [this] { Application::guard([this] { Timer1Timer(Timer1); }); });
    Timer1->start();
}

void TFormBusca::createControls(const QString& caption, QSize clientSize, int larguraDoTextoDigitado)
{
    setCaption(caption);
    setClientSize(clientSize.width(), clientSize.height());
    setCenteredOnScreen(true);
    setBackgroundColor(*this, clBtnFace());
    setFont(fonteDoProjeto());

    Panel1 = new Panel(this);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel2 = new Panel(Panel1);
    Panel2->setFrameShadow(QFrame::Raised);
    StatusBar1 = new StatusBar(Panel2);
    // The title-click routine finds the status bar of the window it is given by this name.
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->addPanel(125);
    StatusBar1->addPanel(larguraDoTextoDigitado, PanelBevel::Raised);
    StatusBar1->addPanel(50, PanelBevel::None);
    StatusBar1->setPanelText(0, QStringLiteral("Busca por CÓDIGO:"));

    DsLoc.setDataSet(&QueryLoc);
    DBGridB = new DBGrid(Panel1);
    DBGridB->setDataSource(&DsLoc);
    setBackgroundColor(*DBGridB, clInfoBk());
    DBGridB->setFont(fonteDoProjeto());
    DBGridB->setTitleFont(fonteDoProjeto());
    QPalette titulos = DBGridB->horizontalHeader()->palette();
    titulos.setColor(QPalette::Button, kCorDosTitulos);
    titulos.setColor(QPalette::Window, kCorDosTitulos);
    titulos.setColor(QPalette::ButtonText, Qt::black);
    DBGridB->horizontalHeader()->setPalette(titulos);
    DBGridB->setShowGrid(true);
    // Tab walks the columns, as the search column is chosen that way.
    DBGridB->setTabKeyNavigation(true);

    Timer1 = new QTimer(this);
    Timer1->setInterval(300);
}

void TFormBusca::layOutControls(QSize clientSize)
{
    aligned().addAligned(Panel1, Align::Client);
    Panel2->resize(clientSize.width(), 24);
    Panel1->aligned().addAligned(Panel2, Align::Bottom);
    Panel1->aligned().addAligned(DBGridB, Align::Client);
    Panel2->aligned().addAligned(StatusBar1, Align::Client);
}

bool TFormBusca::teclaDeControle(QChar Key)
{
    return Key == kBackspace || Key == kEnter || Key == kEsc;
}

bool TFormBusca::digitoOuSeparador(QChar Key)
{
    return Key == u',' || Key == u'.' || (Key >= u'0' && Key <= u'9');
}

bool TFormBusca::letraAscii(QChar Key)
{
    return (Key >= u'A' && Key <= u'Z') || (Key >= u'a' && Key <= u'z');
}

bool TFormBusca::teclaDeTexto(QChar Key)
{
    static const QString kSinais = QStringLiteral(" \"&,-./\\_");
    return teclaDeControle(Key) || digitoOuSeparador(Key) || letraAscii(Key) || kSinais.contains(Key);
}

void TFormBusca::DBGridBKeyPress(QObject*, QChar& Key)
{
    if (!aceitaTecla(Key)) {
        Key = QChar();
        return;
    }
    if (tipoCampo() == 0 && Key == u',')
        Key = u'.';
    if (teclaPropria(Key))
        return;
    const QChar tecla = Key;
    atualizaTextoDigitado(Key);
    if (tecla == kEnter) {
        Key = QChar();
        escolhe();
    } else if (tecla == kEsc) {
        Key = QChar();
        cancela();
    } else {
        buscaTextoDigitado();
    }
}

void TFormBusca::atualizaTextoDigitado(QChar& Key)
{
    QString digitado = StatusBar1->panelText(1);
    if (Key == kBackspace) {
        digitado.chop(1);
    } else if (Key == kEnter || Key == kEsc) {
        return;
    } else if (Key == u' ' && digitado.isEmpty()) {
        Key = QChar();
        return;
    } else {
        digitado += Key >= u'a' && Key <= u'z' ? QChar(Key.unicode() - u'a' + u'A') : Key;
    }
    StatusBar1->setPanelText(1, digitado);
}

QString TFormBusca::padraoDeBusca(const GridColumn& coluna) const
{
    QString padrao = StatusBar1->panelText(1) + u'%';
    padrao.replace(u' ', u'%');
    // Text is found anywhere in the value; numbers, and the month column, from their beginning.
    const Field* campoDaColuna = coluna.fieldIn(&QueryLoc);
    if (campoDaColuna && campoDeTexto(campoDaColuna->dataType()) &&
        campoDaColuna->fieldName() != QStringLiteral("mundes"))
        padrao.prepend(u'%');
    return padrao;
}

// One query per key: the list always shows what matches the text typed so far.
void TFormBusca::buscaTextoDigitado()
{
    ControlsDisabled suspenso(QueryLoc);
    GridColumn& coluna = DBGridB->column(DBGridB->selectedIndex());
    const QString padrao = padraoDeBusca(coluna);
    if (coluna.index() != colunaLembrada())
        AlteraSQL(coluna);
    QueryLoc.close();
    QueryLoc.param(0).setText(padrao);
    QueryLoc.open();
}

void TFormBusca::cancela()
{
    QueryLoc.close();
    close();
}

void TFormBusca::AlteraSQL(GridColumn& Column)
{
    if (Column.fieldName().isEmpty())
        return;
    const Field* campoDaColuna = Column.fieldIn(&QueryLoc);
    const std::optional<FieldType> tipo =
        campoDaColuna ? std::optional<FieldType>(campoDaColuna->dataType()) : std::nullopt;
    const QString novaSQL = ReescreveSQL(QueryLoc.sql().text(), MaiusculasCompletas(Column.fieldName()),
                                         TVarianteReescrita::TrocaDeColuna, Decrescente);
    QueryLoc.close();
    QueryLoc.sql().setText(novaSQL);
    if (tipo)
        tipoCampo() = TipoCampoDoTipo(*tipo, tipoCampo());
    colunaLembrada() = Column.index();
}

void TFormBusca::OnTitleClickDoDBGridB(GridColumn& Column, QWidget* FormLoc)
{
    if (Column.fieldName().isEmpty())
        return;
    // TrocaTextoSQL: the list is sorted by the clicked column and shows every row again.
    const QString novaSQL = ReescreveSQL(QueryLoc.sql().text(), MaiusculasCompletas(Column.fieldName()),
                                         TVarianteReescrita::CliqueNoTitulo, Column.index() == colunaLembrada());
    QueryLoc.close();
    QueryLoc.sql().setText(novaSQL);
    QueryLoc.param(0).setText(QStringLiteral("%"));
    QueryLoc.open();

    StatusBar* barra = FormLoc ? FormLoc->findChild<StatusBar*>(QStringLiteral("StatusBar1")) : nullptr;
    if (barra)
        mostraColuna(*barra, Column);
    if (const Field* campoDaColuna = Column.fieldIn(&QueryLoc)) {
        colunaLembrada() = Column.index();
        tipoCampo() = TipoCampoDoTipo(campoDaColuna->dataType(), tipoCampo());
    }
}

void TFormBusca::mostraColuna(StatusBar& barra, const GridColumn& Column)
{
    barra.setPanelText(0, QStringLiteral("Busca por ") + Column.title().toUpper() + u':');
    barra.setPanelText(1, QString());
    if (const Field* campoDaColuna = Column.fieldIn(&QueryLoc))
        barra.setPanelWidth(1, campoDaColuna->displayWidth() * kPixelsPorCaractere);
}

void TFormBusca::DBGridBColEnter(QObject*)
{
    const GridColumn& coluna = DBGridB->column(DBGridB->selectedIndex());
    mostraColuna(*StatusBar1, coluna);
    if (const Field* campoDaColuna = coluna.fieldIn(&QueryLoc))
        tipoCampo() = TipoCampoDoTipo(campoDaColuna->dataType(), tipoCampo());
}

void TFormBusca::DBGridBDrawColumnCell(DBGrid*, GridCanvas& Canvas, const QRect& Rect, int, GridColumn& Column,
                                       GridDrawStates)
{
    if (!usaDestaque)
        return;
    // A highlight rule naming a field the list does not have highlights nothing.
    const Field* campoDoDestaque = QueryLoc.findField(campo);
    const Field* campoDaColuna = Column.fieldIn(&QueryLoc);
    if (!campoDoDestaque || !campoDaColuna || campoDoDestaque->textAt(Canvas.row()) != condicaoCampo)
        return;
    Canvas.fontColor = corDeDestaque;
    Canvas.fillRect(Rect);
    const int topo = Rect.top();
    if (campoNumericoAlinhadoADireita(campoDaColuna->dataType())) {
        const QString texto = formatoGeral(campoDaColuna->valueAt(Canvas.row()));
        const int largura = QFontMetrics(font()).horizontalAdvance(texto);
        Canvas.textOut(Rect.left() + Rect.width() - largura - 2, topo, texto);
    } else {
        Canvas.textOut(Rect.left() + 2, topo, campoDaColuna->textAt(Canvas.row()));
    }
}

void TFormBusca::FormClose(QObject*)
{
    if (!escolheu())
        QueryLoc.close();
    Decrescente = false;
}

void TFormBusca::Timer1Timer(QObject*)
{
    QApplication::alert(this);
}
