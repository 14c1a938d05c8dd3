#pragma once

#include "TFormBusca.h"

// The multi-select search window: the search window with a tick column `check` in front. The user
// ticks rows with the space bar in the tick column or a double click, and Enter chooses every ticked
// row (the current one when none is ticked). Ticks live only in the query's memory: every re-query
// reads the rows again unticked. Afterwards QueryLoc is open with the ticked rows ("check" = "X"),
// or closed when the search was cancelled.
class TFormLAvanc : public TFormBusca {
public:
    explicit TFormLAvanc(QWidget* parent = nullptr);

    void FormCreate(QObject* Sender);
    void FormShow(QObject* Sender);
    // The tick column's title ticks or unticks every row; any other title re-sorts by its column.
    void DBGridBTitleClick(GridColumn& Column);
    void DBGridBDblClick(QObject* Sender);
    // Toggles the tick of the current row.
    void marcar();
    void marcarTodos(GridColumn& Column);

protected:
    int& colunaLembrada() override;
    int& tipoCampo() override;
    bool escolheu() const override;
    bool aceitaTecla(QChar Key) override;
    bool teclaPropria(QChar& Key) override;
    void escolhe() override;

private:
    void marcaLinha(const QString& marca);
};

// The multi-select window while one exists.
extern TFormLAvanc* FormLAvanc;

namespace UnLAvanc {
// The field kind of the search column (1 text, 0 numeric), kept from one window to the next.
extern int TipoCampo;
// The user confirmed a choice in the window.
extern bool Escolheu;
}  // namespace UnLAvanc
