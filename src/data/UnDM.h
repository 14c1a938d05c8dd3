#pragma once

#include "Connection.h"
#include "DataSource.h"
#include "PgDriverLink.h"
#include "Query.h"

// The data module: the program's one connection and the datasets the main window and the order
// generation share. It has no behaviour of its own; the windows drive it.
class TDM {
public:
    TDM();
    ~TDM();
    TDM(const TDM&) = delete;
    TDM& operator=(const TDM&) = delete;

    Connection FDConnection1;
    PgDriverLink FDPhysPgDriverLink1;
    Query ExecutarSQL{QStringLiteral("ExecutarSQL"), &FDConnection1};
    DataSource DsNF;
    Query FDQueryNF{QStringLiteral("FDQueryNF"), &FDConnection1};
    Query FDQueryNfi{QStringLiteral("FDQueryNfi"), &FDConnection1};

private:
    void defineInvoiceFields();
    void defineInvoiceItems();
};

extern TDM* DM;
