#pragma once

#include "BitBtn.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "DBGrid.h"
#include "DateTimePicker.h"
#include "Edit.h"
#include "Form.h"
#include "GroupBox.h"
#include "Label.h"
#include "Panel.h"
#include "ProgressBar.h"
#include "StatusBar.h"

#include <QString>

#include <cstdint>
#include <memory>

class TCriadorLookup;

// The program's window: the period and the client to list invoices for, the invoice grid with its
// tick column, and the button that groups the ticked invoices into one sales order.
class TFormPrincipal : public Form {
public:
    explicit TFormPrincipal(QWidget* parent = nullptr);
    ~TFormPrincipal() override;

    Panel* PanelTitulo;
    GroupBox* GroupBox1;
    DBGrid* DBGrid1;
    GroupBox* GroupBox2;
    DateTimePicker* DTPDe;
    DateTimePicker* DTPAte;
    CheckBox* CBQQData;
    ComboBox* cbData;
    StatusBar* StatusBar1;
    Panel* Panel3;
    ProgressBar* ProgressBar1;
    Panel* Panel1;
    BitBtn* bb_gerar;
    Label* Label2;
    BitBtn* bb_selecionar;
    Edit* EditCli;
    BitBtn* bbCli;
    Edit* EditCliDes;
    std::int32_t CodigoEmpresaLogada = 0;
    std::int32_t CodigoFuncionarioLogado = 0;

    // Start-up: reads the command line into the connection settings and the login context, opens
    // the connection, sets the default period and, when all that worked, binds the client lookup.
    void FormCreate(QObject* Sender);
    // Every character typed in the window is filtered and upper-cased; Enter moves to the next box.
    void FormKeyPress(QObject* Sender, QChar& Key);
    // The statements of the client lookup: 1, the client's name by code; 2, the client search list.
    QString ELookUP(QObject* Objeto, std::uint8_t Evento) const;

    // The invoice list: the client's groupable invoices of the period, each ticked or not.
    void bb_selecionarClick(QObject* Sender);
    void Selecionar();
    void DBGrid1DblClick(QObject* Sender);
    void DBGrid1DrawColumnCell(DBGrid* Sender, GridCanvas& Canvas, const QRect& Rect, int DataCol, GridColumn& Column,
                               GridDrawStates State);
    void DBGrid1TitleClick(GridColumn& Column);

    // The grouped order: the ticked invoices become one sales order, all of it or nothing.
    void bb_gerarClick(QObject* Sender);
    void Gerar();
    // The payment plan and charging configuration of the listed invoices' client.
    void acharPLGP();

private:
    void createControls();
    void layOutControls();
    void defineGridColumns();
    void setTabOrder();
    void bindClientLookup();
    void connectHandlers();
    void marcarTodas(GridColumn& Column);
    void buscarDocumento(GridColumn& Column);
    bool haNotaMarcada() const;

    // The client the listed invoices were selected for; 0 while nothing was listed.
    std::int32_t fClienteDaLista = 0;
    // Ties EditCli, bbCli and EditCliDes to the client search for as long as the window lives.
    std::unique_ptr<TCriadorLookup> fLookupCliente;
};

extern TFormPrincipal* FormPrincipal;

// The connection settings the program was started with.
extern QString Servidor;
extern QString Porta;
extern QString Usuario;
extern QString Senha;
extern QString Banco;

// The charging configuration and payment plan of the last generation, written into its order.
extern std::int32_t codTc;
extern std::int32_t codPlpg;
