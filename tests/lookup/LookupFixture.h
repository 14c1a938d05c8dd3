#pragma once

#include "SearchWindowFixture.h"
#include "BitBtn.h"
#include "Edit.h"
#include "EventosLooKup.h"
#include "Form.h"
#include "UnL.h"
#include "UnLAvanc.h"

#include <QApplication>
#include <QTest>

#include <functional>
#include <vector>

// A window with a code box, its search button, a name and a trade-name box and one more box to
// move on to, over the parties of SearchWindowFixture. Search windows are answered by `resposta`
// (by default they are closed without a choice); every window seen is kept by its caption.
// The statement registra(:0) counts the by-code look-ups the server runs, with their parameter type.
class LookupFixture : public SearchWindowFixture {
protected:
    void SetUp() override
    {
        SearchWindowFixture::SetUp();
        db().exec(
            QStringLiteral("create table if not exists consultas (tipo text); truncate consultas;"
                           "create or replace function registra(p anyelement) returns boolean language sql as "
                           "$$ insert into consultas values (pg_typeof(p)::text) returning true $$;"));
        NaoPassouOnEnter = false;
        BotaoAtivo = false;
        ConteudoDBEditAntLook.clear();
        ConteudoEditDes.clear();
        watcher = std::make_unique<ModalWatcher>([this](QWidget& aberta) { responde(aberta); });

        janela.setClientSize(400, 200);
        codigo = new Edit(&janela);
        botao = new BitBtn(&janela);
        nome = new Edit(&janela);
        fantasia = new Edit(&janela);
        outro = new Edit(&janela);
        int x = 0;
        for (QWidget* w : std::initializer_list<QWidget*>{codigo, botao, nome, fantasia, outro}) {
            w->setGeometry(x, 10, 70, 24);
            x += 75;
        }
        botao->setTabStop(false);
        janela.show();
        QApplication::setActiveWindow(&janela);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    }

    void TearDown() override
    {
        BotaoAtivo = false;
        NaoPassouOnEnter = false;
        SearchWindowFixture::TearDown();
    }

    // The by-code statement names and trade names an active party (the code may come as integer or
    // as text); the list shows every active one.
    static QString sqlPadrao(QObject*, std::uint8_t evento)
    {
        if (evento == 1)
            return QStringLiteral(
                "select pardes, parfan from par where parcod = cast(:0 as integer) and parsit = 'A' and registra(:0)");
        return QStringLiteral(
            "select parcod as Código, pardes as Descrição, parfan as Fantasia from par "
            "where cast(pardes as varchar(254)) like :0 and parsit = 'A' order by pardes");
    }

    void responde(QWidget& aberta)
    {
        vistas.push_back(aberta.windowTitle());
        if (auto* busca = dynamic_cast<TFormBusca*>(&aberta); busca && resposta)
            resposta(*busca);
        else
            aberta.close();
    }

    // Answers a search window by choosing the row of `codigoDaLinha`.
    static std::function<void(TFormBusca&)> escolhe(int codigoDaLinha)
    {
        return [codigoDaLinha](TFormBusca& busca) {
            busca.QueryLoc.locate(QStringLiteral("código"), Value(codigoDaLinha));
            QTest::keyClick(busca.DBGridB, Qt::Key_Return);
        };
    }

    void reativa()
    {
        QApplication::setActiveWindow(&janela);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    }

    void entra()
    {
        reativa();
        codigo->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), codigo);
    }

    // Leaves the code box with Tab, as the user does.
    void sai()
    {
        QTest::keyClick(codigo, Qt::Key_Tab);
        QApplication::processEvents();
    }

    void digitaESai(const QString& teclas)
    {
        QTest::keyClicks(codigo, teclas);
        sai();
    }

    // The by-code look-ups the server ran, each by the type its code arrived with.
    QStringList consultas() const { return db().column(QStringLiteral("select tipo from consultas")); }

    Form janela;
    Edit* codigo;
    BitBtn* botao;
    Edit* nome;
    Edit* fantasia;
    Edit* outro;
    std::vector<QString> vistas;
    std::function<void(TFormBusca&)> resposta;
};
