#include "PedidoAgrupado.h"

#include "Conversions.h"
#include "Eventos.h"
#include "Query.h"

#include <QDate>
#include <QDateTime>

namespace {

double flutuante(const Query& q, const char* campo)
{
    return q.fieldByName(QString::fromLatin1(campo)).asFloat();
}

std::int32_t inteiro(const Query& q, const char* campo)
{
    return q.fieldByName(QString::fromLatin1(campo)).asInteger();
}

// Quantities are whole numbers in an order: rounded, an exact half to the even neighbour.
std::int32_t quantidade(const Query& q, const char* campo)
{
    return Conversions::roundToInt(flutuante(q, campo));
}

QString texto(const Query& q, const char* campo)
{
    return q.fieldByName(QString::fromLatin1(campo)).asString();
}

QDateTime dataHora(const Query& q, const char* campo)
{
    return q.fieldByName(QString::fromLatin1(campo)).asDateTime();
}

QDateTime agora()
{
    return Conversions::naiveDateTime(QDateTime::currentDateTime());
}

// Sets a statement's parameters in the order of its markers, so each call below stands for the
// next column of the statement's column list.
class Parametros {
public:
    explicit Parametros(Query& query) : m_query(query) {}

    Parametros& inteiro(std::int32_t value)
    {
        return next([&](Param& p) { p.setInteger(value); });
    }
    Parametros& flutuante(double value)
    {
        return next([&](Param& p) { p.setFloat(value); });
    }
    Parametros& texto(const QString& value)
    {
        return next([&](Param& p) { p.setText(value); });
    }
    Parametros& data(const QDate& value)
    {
        return next([&](Param& p) { p.setDate(value); });
    }
    Parametros& dataHora(const QDateTime& value)
    {
        return next([&](Param& p) { p.setDateTime(value); });
    }
    Parametros& nulo()
    {
        return next([](Param& p) { p.setNull(ParamType::Integer); });
    }

    int count() const { return m_next; }

private:
    template <typename Set>
    Parametros& next(Set set)
    {
        set(m_query.param(m_next++));
        return *this;
    }

    Query& m_query;
    int m_next = 0;
};

}  // namespace

PedidoAgrupado::PedidoAgrupado(Query& ExecutarSQL, std::int32_t numero) : fExecutarSQL(ExecutarSQL), seqpv(numero) {}

std::int32_t PedidoAgrupado::sortearNumero(Query& ExecutarSQL)
{
    ExecutarSQL.close();
    ExecutarSQL.sql().clear();
    ExecutarSQL.sql().add(QStringLiteral("select nextval('pv_pvcod_seq') as seqpv"));
    ExecutarSQL.open();
    return ExecutarSQL.fieldByName(QStringLiteral("seqpv")).asInteger();
}

void PedidoAgrupado::prepararComando(std::initializer_list<const char*> lines)
{
    fExecutarSQL.close();
    fExecutarSQL.sql().clear();
    for (const char* line : lines)
        fExecutarSQL.sql().add(QString::fromUtf8(line));
}

void PedidoAgrupado::acumular(const Query& nf)
{
    valor_total_nf += flutuante(nf, "nfvl");
    valor_total_frete_nf += flutuante(nf, "nfvlfrete");
    valor_total_desc_nf += flutuante(nf, "nfvldesc");
    valor_total_seguro_nf += flutuante(nf, "nfvlseguro");
    valor_total_pesoliq_nf += flutuante(nf, "nfpesoliq");
    valor_total_pesobruto_nf += flutuante(nf, "nfpesobruto");
    notas += QString::number(inteiro(nf, "nfnum")) + QStringLiteral(", ");
}

void PedidoAgrupado::mesclarItem(const Query& nfi)
{
    prepararComando(
        {"SELECT pviqtde, pvivltotal,pviqtde,pvivltab,pvicustocompra,pvicustoreal,pvivlfrete,pvivlst,"
         "pvivlipi FROM public.pvi ",
         "WHERE pviprocod = :0 AND pvipvempparcod = :1 and pvipvcod = :2"});
    Parametros(fExecutarSQL).inteiro(inteiro(nfi, "nfiprocod")).inteiro(inteiro(nfi, "nfinfempparcod")).inteiro(seqpv);
    fExecutarSQL.open();
    if (fExecutarSQL.isEmpty())
        inserirLinha(nfi);
    else
        atualizarLinha(nfi);
}

void PedidoAgrupado::atualizarLinha(const Query& nfi)
{
    const Query& linha = fExecutarSQL;
    const std::int32_t qtdeAtual = quantidade(linha, "pviqtde");
    const long double vlTotalAtual = flutuante(linha, "pvivltotal");
    const long double vlTotalTabAtual = flutuante(linha, "pvivltab");
    const long double vlTotalCustoCompraAtual = flutuante(linha, "pvicustocompra");
    const long double vlTotalCustoRealAtual = flutuante(linha, "pvicustoreal");
    const long double vlTotalFreteAtual = flutuante(linha, "pvivlfrete");
    const long double vlTotalSTAtual = flutuante(linha, "pvivlst");
    const long double vlTotalIPIAtual = flutuante(linha, "pvivlipi");

    prepararComando(
        {"UPDATE public.pvi SET pviqtde = :0, pvivltotal = :1,pvivltab = :2, pvicustocompra = :3, "
         "pvicustoreal = :4, pvivlfrete = :5, pvivlst = :6, pvivlipi = :7 ",
         "WHERE pviprocod = :8 AND pvipvempparcod = :9 and pvipvcod = :10"});
    const auto soma = [&](const char* campo, long double atual) {
        return static_cast<double>(static_cast<long double>(flutuante(nfi, campo)) + atual);
    };
    Parametros(fExecutarSQL)
        .inteiro(Conversions::checkedInt(std::int64_t{quantidade(nfi, "nfiqtde")} + qtdeAtual))
        .flutuante(soma("nfivl", vlTotalAtual))
        .flutuante(soma("nfivltabunit", vlTotalTabAtual))
        .flutuante(soma("nficustocompra", vlTotalCustoCompraAtual))
        .flutuante(soma("nficustoreal", vlTotalCustoRealAtual))
        .flutuante(soma("nfivlfrete", vlTotalFreteAtual))
        .flutuante(soma("nfivlicmsst", vlTotalSTAtual))
        .flutuante(soma("nfivlipi", vlTotalIPIAtual))
        .inteiro(inteiro(nfi, "nfiprocod"))
        .inteiro(inteiro(nfi, "nfinfempparcod"))
        .inteiro(seqpv);
    fExecutarSQL.execute();
}

void PedidoAgrupado::inserirLinha(const Query& nfi)
{
    prepararComando({"INSERT INTO public.pvi (",
                     "pvicadusuparcod, pvicadhorario, pvialtusuparcod, pvialthorario, pviacao, pvicanal, "
                     "pvipvempparcod, pvipvcod, pviprocod,",
                     "pviuvecod, pviuvedes, pviuveun, pviuvemult, pviqtde, pviqtdeate, pviqtdeatecar, pvivltab, ",
                     "pvivlven, pvivltotal, pvicustocompra, pvicustoreal, pvipromcod, pviletraaliqecf, "
                     "pvidescqtdecod, pvicbprocod, ",
                     "pvivlst, pvivlipi, pviseq, pvibasedebcred, pvilote, pvivlfrete, pvidescflex, pviinfadprod, "
                     "pvipedcli, pvimetrocubico) ",
                     "VALUES (",
                     ":0,:1,:2,:3,:4,:5,:6,:7,:8,:9,:10,:11,:12,:13,:14,:15,:16,:17,:18,:19,:20,:21,:22,:23,",
                     ":24,:25,:26,:27,:28,:29,:30,:31,:32,:33,:34);"});
    const std::int32_t qtde = quantidade(nfi, "nfiqtde");
    Parametros(fExecutarSQL)
        .inteiro(inteiro(nfi, "nficadusuparcod"))
        .dataHora(dataHora(nfi, "nficadhorario"))
        .inteiro(inteiro(nfi, "nfialtusuparcod"))
        .dataHora(dataHora(nfi, "nfialthorario"))
        .texto(QStringLiteral("Quelvar"))
        .texto(QStringLiteral("TL"))
        .inteiro(inteiro(nfi, "nfinfempparcod"))
        .inteiro(seqpv)
        .inteiro(inteiro(nfi, "nfiprocod"))
        // pviuvecod ... pvivltab
        .inteiro(inteiro(nfi, "nfiuvecod"))
        .texto(texto(nfi, "nfiuvedes"))
        .texto(texto(nfi, "nfiuveun"))
        .inteiro(quantidade(nfi, "nfiuvemult"))
        .inteiro(qtde)
        .inteiro(qtde)
        .inteiro(qtde)
        .flutuante(flutuante(nfi, "nfivltabunit"))
        // pvivlven ... pvicbprocod
        .flutuante(flutuante(nfi, "nfivlunit"))
        .flutuante(flutuante(nfi, "nfivl"))
        .flutuante(flutuante(nfi, "nficustocompra"))
        .flutuante(flutuante(nfi, "nficustoreal"))
        .inteiro(0)
        .texto(QString())
        .inteiro(0)
        .inteiro(0)
        // pvivlst ... pvimetrocubico
        .flutuante(flutuante(nfi, "nfivlicmsst"))
        .flutuante(flutuante(nfi, "nfivlipi"))
        .inteiro(inteiro(nfi, "nfiseq"))
        .flutuante(flutuante(nfi, "nfibasedebcred"))
        .inteiro(0)
        .flutuante(flutuante(nfi, "nfivlfrete"))
        .flutuante(0)
        .texto(texto(nfi, "nfiinfadprod"))
        .inteiro(inteiro(nfi, "nfipedcli"))
        .flutuante(flutuante(nfi, "nfimetrocubico"));
    fExecutarSQL.execute();
}

void PedidoAgrupado::buscarNomeCliente(const Query& nf)
{
    nomeCli = EncontraValor(QStringLiteral("select pardes from par join cli on cliparcod = parcod where parcod = :0"),
                            Value(inteiro(nf, "nfparcod")))
                  .toString();
}

void PedidoAgrupado::gravarCabecalho(const Query& nf, std::int32_t codPlpg, std::int32_t codTc)
{
    prepararComando({"INSERT INTO public.pv (",
                     "pvcod, pvcadusuparcod, pvcadhorario, pvaltusuparcod, pvalthorario, pvacao, pvnumped, "
                     "pvempparcod,",
                     "pvcanal, pvsta, pvcliparcod, pvopnfcod, pvplpgcod, pvvltotal,",
                     "pvvlfrete, pvvlseguro, pvindice, pvrcaparcod, pvrcaauxparcod,",
                     "pvobsped, pvobsmapa, pvobsnf, pvpedcli, pvdtprog, pvcarcod, pvnomecliente,",
                     "pvecfnumserie, pvecfcpf, pvfvcodrem, pvfvenvio, pvfvresposta, pvtmecod, pvusuparcodalterando,",
                     "pvcbopcod, pvdtpalm, pvrefpvcod, pvcupomecf, pvpdv, pvnumserieecf, pvdescpvcod, pvbloq,",
                     "pvbloqusuparcod, pvbloqhorario, pvbloqobs, pv_conf_cega_liberado, pvtipofrete, pvcarcodorig,",
                     "pvvol, pvcliendcod, pvpdvnum, pvcupnum, pvpesoliq, pvpesobruto, pvtranspparcod, "
                     "pvvlfreteentrega,",
                     "pvdtentrega, pvsit, pvimpresso, pvpropcod, pvmetrocubico, pvobscx, pvnumautorizacao, "
                     "pvrefnfcod, ",
                     "pvvldesc,pvvltotalate,pvvltotalatecar,pvcol,pvtccod)", "VALUES (",
                     ":0,:1,:2,:3,:4,:5,:6,:7,:8,:9,:10,:11,:12,:13,:14,:15,:16,:17,:18,:19,:20,:21,:22,:23,",
                     ":24,:25,:26,:27,:28,:29,:30,:31,:32,:33,:34,:35,:36,:37,:38,:39,:40,:41,:42,:43,:44,:45,:46,",
                     ":47,:48,:49,:50,:51,:52,:53,:54,:55,:56,:57,:58,:59,:60,:61,:62,:63,:64,:65,:66,:67);"});
    const QDate hoje = QDate::currentDate();
    const std::int32_t nfrcaparcod = inteiro(nf, "nfrcaparcod");
    Parametros(fExecutarSQL)
        // pvcod ... pvempparcod
        .inteiro(seqpv)
        .inteiro(FuncionarioLogado)
        .dataHora(agora())
        .inteiro(FuncionarioLogado)
        .dataHora(agora())
        .texto(QStringLiteral("quelvar"))
        .inteiro(inteiro(nf, "nfpvcod"))
        .inteiro(inteiro(nf, "nfempparcod"))
        // pvcanal ... pvvltotal
        .texto(QStringLiteral("TL"))
        .texto(QStringLiteral("AP"))
        .inteiro(inteiro(nf, "nfparcod"))
        .inteiro(inteiro(nf, "nfopnfcod"))
        .inteiro(codPlpg)
        .flutuante(valor_total_nf)
        // pvvlfrete ... pvrcaauxparcod: the main representative in both, as the host system expects
        .flutuante(valor_total_frete_nf)
        .flutuante(valor_total_seguro_nf)
        .inteiro(0)
        .inteiro(nfrcaparcod)
        .inteiro(nfrcaparcod)
        // pvobsped ... pvnomecliente
        .texto(notas)
        .texto(QString())
        .texto(notas)
        .texto(QString())
        .data(hoje)
        .nulo()
        .texto(nomeCli)
        // pvecfnumserie ... pvusuparcodalterando
        .texto(QString())
        .texto(QString())
        .inteiro(0)
        .texto(QString())
        .texto(QString())
        .inteiro(0)
        .inteiro(0)
        // pvcbopcod ... pvbloq
        .inteiro(0)
        .data(hoje)
        .inteiro(inteiro(nf, "nfrefpvcod"))
        .inteiro(0)
        .inteiro(0)
        .texto(QString())
        .inteiro(0)
        .texto(QStringLiteral("N"))
        // pvbloqusuparcod ... pvcarcodorig
        .inteiro(0)
        .dataHora(agora())
        .texto(QString())
        .texto(QStringLiteral("N"))
        .inteiro(0)
        .inteiro(0)
        // pvvol ... pvvlfreteentrega: the volume is the last invoice's, not a sum
        .flutuante(flutuante(nf, "nfvol"))
        .inteiro(0)
        .texto(QString())
        .texto(QString())
        .flutuante(valor_total_pesoliq_nf)
        .flutuante(valor_total_pesobruto_nf)
        .inteiro(inteiro(nf, "nftranspcod"))
        .flutuante(0)
        // pvdtentrega ... pvrefnfcod
        .data(hoje)
        .texto(QStringLiteral("APROVADO"))
        .texto(QStringLiteral("N"))
        .inteiro(0)
        .flutuante(0)
        .texto(QString())
        .texto(QString())
        .inteiro(inteiro(nf, "nfrefnfcod"))
        // pvvldesc ... pvtccod
        .flutuante(valor_total_desc_nf)
        .flutuante(valor_total_nf)
        .flutuante(valor_total_nf)
        .inteiro(0)
        .inteiro(codTc);
    fExecutarSQL.execute();
}
