#pragma once

#include <QString>

#include <cstdint>

class Query;

// The grouped sales order while a generation run writes it: the totals gathered from the ticked
// invoices, their items merged into one line per product and company, and the header written last.
// Every statement goes through the data module's command dataset.
class PedidoAgrupado {
public:
    PedidoAgrupado(Query& ExecutarSQL, std::int32_t seqpv);

    // Draws the next order number; a drawn number stays spent whatever becomes of the order.
    static std::int32_t sortearNumero(Query& ExecutarSQL);

    std::int32_t numero() const { return seqpv; }

    // Adds the invoice the list stands on to the header's sums and remarks.
    void acumular(const Query& nf);
    // Adds one invoice item to the order's line for its product and company, creating the line for
    // the first item.
    void mesclarItem(const Query& nfi);
    // The name of the client of the invoice the list stands on (the last ticked one).
    void buscarNomeCliente(const Query& nf);
    // Inserts the header, copying party and reference columns from the invoice the list stands on.
    void gravarCabecalho(const Query& nf, std::int32_t codPlpg, std::int32_t codTc);

private:
    void atualizarLinha(const Query& nfi);
    void inserirLinha(const Query& nfi);
    void prepararComando(std::initializer_list<const char*> lines);

    Query& fExecutarSQL;
    std::int32_t seqpv;
    double valor_total_nf = 0;
    double valor_total_frete_nf = 0;
    double valor_total_desc_nf = 0;
    double valor_total_seguro_nf = 0;
    double valor_total_pesoliq_nf = 0;
    double valor_total_pesobruto_nf = 0;
    QString notas = QStringLiteral("Notas Agrupadas - ");
    QString nomeCli;
};
