// The main window's grouped order: the ticked invoices become one sales order.
#include "UnPrincipal.h"

#include "Eventos.h"
#include "PedidoAgrupado.h"
#include "Transaction.h"
#include "UnDM.h"
#include "UnExcecaoDataSet.h"

#include <exception>

std::int32_t codTc = 0;
std::int32_t codPlpg = 0;

namespace {

const QString kCobrancaDoCliente = QStringLiteral(
    "select clitccod, cli_plano_pagamento from cli      join plpg on cli_plano_pagamento = plpgcod      "
    "join clitc on clitccliparcod = cliparcod      join tc on clitctccod=tccod                 and plpgpzmedio "
    "between tcpzmediomin and tcpzmediomax where cliparcod = :0 order by clitcseq limit 1");

void abrirItens(Query& nfi, const Query& nf)
{
    nfi.close();
    nfi.param(0).setInteger(nf.fieldByName(QStringLiteral("nfcod")).asInteger());
    nfi.param(1).setInteger(nf.fieldByName(QStringLiteral("nfempparcod")).asInteger());
    nfi.open();
}

}  // namespace

void TFormPrincipal::bb_gerarClick(QObject*)
{
    Gerar();
}

void TFormPrincipal::acharPLGP()
{
    const Value dadosCob = EncontraValor(kCobrancaDoCliente, Value(fClienteDaLista));
    const std::vector<Value>& valores = dadosCob.elements();
    if (valores.at(0).toInt() <= 0)
        throw TExcecaoDataSet(QStringLiteral("Esse cliente não possui Cobrança configurada"),
                              &DM->FDQueryNF.fieldByName(QStringLiteral("nfparcod")), true);
    codTc = valores.at(0).toInt();
    codPlpg = valores.at(1).toInt();
}

void TFormPrincipal::Gerar()
{
    Query& nf = DM->FDQueryNF;

    // One transaction for the whole order, ended before the list is read again; the list is
    // restored whether the order was written or not.
    const auto NFparaPV = [&] {
        std::exception_ptr falha;
        try {
            const ControlsDisabled gradeParada(nf);
            nf.setFilter(QStringLiteral("ativo = 1 "));
            nf.setFiltered(true);
            Transaction transacao(DM->FDConnection1);
            PedidoAgrupado pedido(DM->ExecutarSQL, PedidoAgrupado::sortearNumero(DM->ExecutarSQL));
            for (nf.first(); !nf.eof(); nf.next()) {
                pedido.acumular(nf);
                abrirItens(DM->FDQueryNfi, nf);
                for (DM->FDQueryNfi.first(); !DM->FDQueryNfi.eof(); DM->FDQueryNfi.next())
                    pedido.mesclarItem(DM->FDQueryNfi);
            }
            pedido.buscarNomeCliente(nf);
            pedido.gravarCabecalho(nf, codPlpg, codTc);
            transacao.commit();
        } catch (...) {
            falha = std::current_exception();
        }
        nf.setFiltered(false);
        bb_selecionar->performClick();
        if (falha)
            std::rethrow_exception(falha);
        Mensagem(QStringLiteral("Documento gravado com sucesso!"), Informacao);
    };

    if (!haNotaMarcada()) {
        Mensagem(QStringLiteral("Nenhuma nota selecionada."), Informacao);
        return;
    }
    acharPLGP();
    NFparaPV();
}
