#pragma once

#include "DBGrid.h"
#include "DataSource.h"
#include "Form.h"
#include "Panel.h"
#include "Query.h"
#include "StatusBar.h"

#include <QColor>
#include <QString>
#include <QTimer>

// What the two search windows share: a grid over the search query, the status bar that shows the
// search column and the typed text, incremental search by typing, the column-change and title-click
// rewrites of the statement, row highlighting and the flashing timer. The windows differ in where
// they remember the sort column, their field kind, how a choice is made and the keys they accept.
class TFormBusca : public Form {
public:
    Panel* Panel1;
    DBGrid* DBGridB;
    Panel* Panel2;
    StatusBar* StatusBar1;
    Query QueryLoc;
    DataSource DsLoc;
    QTimer* Timer1;

    // Descending order wanted on a column change; reset when the window closes.
    bool Decrescente = false;
    // Rows whose field `campo` reads exactly `condicaoCampo` are drawn in `corDeDestaque` when
    // `usaDestaque` is on.
    QString campo;
    QString condicaoCampo;
    QColor corDeDestaque = QColor(Qt::black);
    bool usaDestaque = false;

    void DBGridBKeyPress(QObject* Sender, QChar& Key);
    void DBGridBColEnter(QObject* Sender);
    void DBGridBDrawColumnCell(DBGrid* Sender, GridCanvas& Canvas, const QRect& Rect, int DataCol, GridColumn& Column,
                               GridDrawStates State);
    void FormClose(QObject* Sender);
    void Timer1Timer(QObject* Sender);
    // Rewrites the statement to search (and sort) by `Column`, keeping the current direction; the
    // query is left closed for the search that follows.
    void AlteraSQL(GridColumn& Column);

protected:
    TFormBusca(const QString& caption, QSize clientSize, int larguraDoTextoDigitado, QWidget* parent);

    // The index of the column the statement was last rewritten for.
    virtual int& colunaLembrada() = 0;
    // The field kind of the search column, which tells the key filter what may be typed.
    virtual int& tipoCampo() = 0;
    virtual bool escolheu() const = 0;
    // Whether the key filter lets `Key` through for the current field kind.
    virtual bool aceitaTecla(QChar Key) = 0;
    // A key the window handles by itself right after the filter (true: nothing else happens).
    virtual bool teclaPropria(QChar& Key) = 0;
    // Enter: choose.
    virtual void escolhe() = 0;

    // Re-sorts by the clicked column and shows it in the status bar of `FormLoc`.
    void OnTitleClickDoDBGridB(GridColumn& Column, QWidget* FormLoc);
    // Keys every search window accepts whatever the field kind: Backspace, Enter, Escape.
    static bool teclaDeControle(QChar Key);
    static bool digitoOuSeparador(QChar Key);
    static bool letraAscii(QChar Key);
    // What may be typed in a text column of either window.
    static bool teclaDeTexto(QChar Key);

private:
    void createControls(const QString& caption, QSize clientSize, int larguraDoTextoDigitado);
    void layOutControls(QSize clientSize);
    void atualizaTextoDigitado(QChar& Key);
    void buscaTextoDigitado();
    QString padraoDeBusca(const GridColumn& coluna) const;
    void cancela();
    void mostraColuna(StatusBar& barra, const GridColumn& Column);
};
