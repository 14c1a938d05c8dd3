#pragma once

#include "MainWindowFixture.h"
#include "Query.h"

#include <QApplication>
#include <QTest>

// Host data the invoicing tests share: companies 1 and 2; client 7 with a charging configuration
// (entry 71 wins over 70 by its sequence), client 8 whose only charging type does not fit its plan,
// client 9 with entry 90; fiscal operation 1 groupable ("G"), 2 not.
inline const char* const kHostBase = R"sql(
insert into par (parcod, pardes) values
    (1, 'EMPRESA MATRIZ'), (2, 'EMPRESA FILIAL'), (7, 'CLIENTE SETE LTDA'), (8, 'CLIENTE OITO SEM COBRANCA'),
    (9, 'CLIENTE NOVE SILVA'), (30, 'TRANSPORTADORA A'), (31, 'TRANSPORTADORA B'), (40, 'SEM CADASTRO DE CLIENTE');
insert into opnf (opnfcod, opnfdes, opnfsta) values (1, 'VENDA AGRUPAVEL', 'G'), (2, 'REMESSA', 'V');
insert into plpg (plpgcod, plpgdes, plpgpzmedio) values (3, '30 DIAS', 30), (4, '45 DIAS', 45);
insert into tc (tccod, tcdes, tcpzmediomin, tcpzmediomax) values (5, 'BOLETO', 0, 30), (6, 'CARTEIRA', 31, 40);
insert into cli (cliparcod, cli_plano_pagamento) values (7, 3), (8, 4), (9, 3);
insert into clitc (clitccod, clitccliparcod, clitctccod, clitcseq) values
    (70, 7, 5, 2), (71, 7, 5, 1), (80, 8, 6, 1), (90, 9, 5, 1);
)sql";

// An insert of the given columns and values followed by further "column = value" pairs.
inline QString insertInto(const QString& table, QString columns, QString values, const QString& extras)
{
    for (const QString& pair : extras.split(u',', Qt::SkipEmptyParts)) {
        const QStringList parts = pair.split(u'=');
        columns += QStringLiteral(", ") + parts[0].trimmed();
        values += QStringLiteral(", ") + parts[1].trimmed();
    }
    return QStringLiteral("insert into %1 (%2) values (%3);").arg(table, columns, values);
}

// One invoice of operation 1 issued by company 1 to client 7 on 10 March 2025 unless told otherwise.
struct Nota {
    int cod;
    int num;
    int cliente = 7;
    int empresa = 1;
    int operacao = 1;
    QString emissao = QStringLiteral("2025-03-10");
    QString saida = QStringLiteral("null");
    QString extras;  // further "column = value" pairs, comma-separated

    QString sql() const
    {
        QString columns = QStringLiteral("nfcod, nfnum, nfparcod, nfempparcod, nfopnfcod, nfdtemi, nfdtsai");
        QString values = QStringLiteral("%1, %2, %3, %4, %5, '%6', %7")
                             .arg(cod)
                             .arg(num)
                             .arg(cliente)
                             .arg(empresa)
                             .arg(operacao)
                             .arg(emissao, saida == QStringLiteral("null") ? saida : u'\'' + saida + u'\'');
        return insertInto(QStringLiteral("nf"), columns, values, extras);
    }
};

// One item of an invoice: product, quantity and total, plus further "column = value" pairs.
inline QString item(int nfcod, int seq, int produto, const QString& qtde, const QString& total, int empresa = 1,
                    const QString& extras = {})
{
    QString columns = QStringLiteral("nfinfcod, nfinfempparcod, nfiseq, nfiprocod, nfiqtde, nfivl");
    QString values =
        QStringLiteral("%1, %2, %3, %4, %5, %6").arg(nfcod).arg(empresa).arg(seq).arg(produto).arg(qtde, total);
    return insertInto(QStringLiteral("nfi"), columns, values, extras);
}

// The main window started against the shared host data, shown and active, the period switched off.
class InvoiceListFixture : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        db().reset();
        db().exec(QStringLiteral("drop trigger if exists recusa on pv; drop trigger if exists recusa on pvi"));
        db().exec(QString::fromUtf8(kHostBase));
        start(goodArguments());
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->CBQQData->setChecked(true);
    }

    static void insert(std::initializer_list<Nota> notas)
    {
        for (const Nota& nota : notas)
            db().exec(nota.sql());
    }

    // What a click on "Selecionar" does, errors shown in the error box as for the user.
    void selecionar(const QString& cliente)
    {
        form->EditCli->setText(cliente);
        form->bb_selecionar->click();
    }

    Query& lista() const { return DM->FDQueryNF; }

    // One field of every listed row, in list order.
    QStringList listed(const QString& field = QStringLiteral("nfnum")) const
    {
        QStringList values;
        if (!lista().active())
            return values;
        for (int row = 0; row < lista().recordCount(); ++row)
            values << lista().fieldByName(field).textAt(row);
        return values;
    }

    QStringList ticked() const
    {
        QStringList numbers;
        for (int row = 0; row < lista().recordCount(); ++row)
            if (lista().fieldByName(QStringLiteral("ativo")).valueAt(row).toInt() == 1)
                numbers << lista().fieldByName(QStringLiteral("nfnum")).textAt(row);
        return numbers;
    }

    // A double click on a cell of the list, as the user does it.
    void doubleClickRow(int row, int column = 2)
    {
        QWidget* viewport = form->DBGrid1->viewport();
        const QRect cell = form->DBGrid1->visualRect(form->DBGrid1->model()->index(row, column));
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, cell.center());
    }

    void tickRows(std::initializer_list<int> rows)
    {
        for (int row : rows)
            doubleClickRow(row);
    }

    std::vector<QString> messages() const { return watcher->texts(); }
};
