#pragma once

#include "TFormBusca.h"

// The search window: the caller fills QueryLoc with a statement that has one LIKE parameter and an
// ORDER BY, opens it with "%", adds the grid columns and shows the window modally. The user searches
// by typing in a column, re-sorts by clicking a title, and chooses a row with Enter or a double
// click; Escape or the close box cancel. Afterwards QueryLoc is open on the chosen row, or closed.
class TFormL : public TFormBusca {
public:
    explicit TFormL(QWidget* parent = nullptr);

    // The column the statement was last rewritten for.
    int ColAntDBGridBL = 0;
    // At show, sort again by the column the last search window was sorted by.
    bool buscaNovamenteOnShow = true;
    bool Escolheu = false;

    void FormCreate(QObject* Sender);
    void FormShow(QObject* Sender);
    void DBGridBTitleClick(GridColumn& Column);
    void DBGridBDblClick(QObject* Sender);
    // Points the search and the sort at `p_campo` (a field name or an alias of the select list)
    // before the window is shown; the caller sets the parameter and opens the query.
    void TrocaTextoDaSQL(const QString& p_campo);

protected:
    int& colunaLembrada() override { return ColAntDBGridBL; }
    int& tipoCampo() override;
    bool escolheu() const override { return Escolheu; }
    bool aceitaTecla(QChar Key) override;
    bool teclaPropria(QChar&) override { return false; }
    void escolhe() override { DBGridBDblClick(DBGridB); }
};

// The search window while one exists.
extern TFormL* FormL;

namespace UnL {
// The field kind of the search column (1 text, 0 numeric), kept from one search window to the next.
extern int TipoCampo;
}  // namespace UnL
