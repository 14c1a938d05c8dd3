#pragma once

#include "QStringPrinter.h"
#include "DatabaseTest.h"
#include "Eventos.h"
#include "Field.h"
#include "ModalWatcher.h"
#include "TFormBusca.h"
#include "UnDM.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTest>

#include <memory>

// A search window over the clients of a fresh database, prepared the way the lookup searches
// prepare it: statement, parameter "%", open, one column per field. Error boxes are answered and kept.
class SearchWindowFixture : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        db().exec(
            QStringLiteral("INSERT INTO par (parcod, pardes, parfan, parcnpjcpf, parsit) VALUES "
                           "(101, 'MARIA DA SILVA', 'MERCADO MARIA', '111', 'A'),"
                           "(102, 'JOSE MARIANO', 'PADARIA ZE', '222', 'A'),"
                           "(103, 'ANA RITA', 'ANA MODAS', '333', 'A'),"
                           "(104, 'MARCOS RIBEIRO', 'RIBEIRO', '444', 'I'),"
                           "(105, 'BRUNO', 'BAR DO BRUNO', '555', 'A')"));
        db().configure(dm.FDConnection1);
        dm.FDConnection1.open();
        DM = &dm;
        ColAntDBGridBL = 0;
        watcher = std::make_unique<ModalWatcher>();
    }

    void TearDown() override
    {
        DM = nullptr;
        ColAntDBGridBL = 0;
    }

    // Fills the window's query and grid as a caller does, then shows it (not modally).
    static void prepara(TFormBusca& form, const QString& sql, const QStringList& titulos, bool mostra = true)
    {
        form.QueryLoc.close();
        form.QueryLoc.sql().clear();
        form.QueryLoc.sql().add(sql);
        form.QueryLoc.param(0).setText(QStringLiteral("%"));
        form.QueryLoc.open();
        for (int i = 0; i < form.QueryLoc.fieldCount(); ++i)
            form.DBGridB->addColumn(form.QueryLoc.field(i).fieldName(), titulos.value(i), i == 0 ? 60 : 140);
        if (!mostra)
            return;
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    static QString sql(const TFormBusca& form) { return form.QueryLoc.sql().text(); }
    static QString padrao(TFormBusca& form) { return form.QueryLoc.param(0).value().toString(); }
    static QString digitado(const TFormBusca& form) { return form.StatusBar1->panelText(1); }

    // A column of every row, as the window's query shows it now.
    static QStringList coluna(TFormBusca& form, const QString& campo)
    {
        QStringList valores;
        const Field& field = form.QueryLoc.fieldByName(campo);
        for (int row = 0; row < form.QueryLoc.recordCount(); ++row)
            valores << field.textAt(row);
        return valores;
    }

    // Types each character of `texto` into the widget, accented letters included.
    static void digita(QWidget* widget, const QString& texto)
    {
        for (const QChar c : texto) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &release);
        }
    }

    static void clicaNoTitulo(TFormBusca& form, int coluna)
    {
        const QHeaderView* titulos = form.DBGridB->horizontalHeader();
        QTest::mouseClick(titulos->viewport(), Qt::LeftButton, {},
                          QPoint(titulos->sectionViewportPosition(coluna) + 5, titulos->height() / 2));
    }

    static void clicaDuasVezes(TFormBusca& form, int linha, int coluna)
    {
        DBGrid& grade = *form.DBGridB;
        QTest::mouseDClick(grade.viewport(), Qt::LeftButton, {},
                           grade.visualRect(grade.model()->index(linha, coluna)).center());
    }

    TDM dm;
    std::unique_ptr<ModalWatcher> watcher;
};
