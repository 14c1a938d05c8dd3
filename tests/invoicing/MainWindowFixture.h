#pragma once

#include "QStringPrinter.h"
#include "Application.h"
#include "Eventos.h"
#include "ModalWatcher.h"
#include "TestDatabase.h"
#include "UnDM.h"
#include "UnPrincipal.h"

#include <gtest/gtest.h>

#include <memory>

// The program as the host system starts it: the data module, then the main window built from a
// command line, against a fresh database of the suite's own. Modal boxes are answered and kept.
class MainWindowFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_db = std::make_unique<TestDatabase>(); }
    static void TearDownTestSuite() { s_db.reset(); }

    void SetUp() override
    {
        // What start-up leaves alone must be told apart from what it set.
        EmpresaLogada = -99;
        FuncionarioLogado = -99;
        UsuarioLogado = QStringLiteral("antes");
    }

    void TearDown() override
    {
        FormPrincipal = nullptr;
        form.reset();
        DM = nullptr;
        dm.reset();
        watcher.reset();
    }

    static QStringList goodArguments()
    {
        return {QStringLiteral("quelvar"), TestDatabase::host(),     TestDatabase::port(),
                TestDatabase::user(),      TestDatabase::password(), s_db->name(),
                QStringLiteral("1"),       QStringLiteral("10"),     QStringLiteral("joana")};
    }

    void start(const QStringList& arguments)
    {
        Application::setArguments(arguments);
        watcher = std::make_unique<ModalWatcher>();
        dm = std::make_unique<TDM>();
        DM = dm.get();
        form = std::make_unique<TFormPrincipal>();
        FormPrincipal = form.get();
    }

    static const TestDatabase& db() { return *s_db; }

    std::unique_ptr<ModalWatcher> watcher;
    std::unique_ptr<TDM> dm;
    std::unique_ptr<TFormPrincipal> form;

private:
    static inline std::unique_ptr<TestDatabase> s_db;
};
