#include "UnDM.h"

#include "Eventos.h"

#include <QStringList>

TDM* DM = nullptr;

TDM::TDM()
{
    FDConnection1.setDriverName(QStringLiteral("PG"));
    DsNF.setDataSet(&FDQueryNF);
    defineInvoiceFields();
    defineInvoiceItems();
    ConexaoDoPrograma = &FDConnection1;
}

TDM::~TDM()
{
    if (ConexaoDoPrograma == &FDConnection1)
        ConexaoDoPrograma = nullptr;
}

namespace {

struct FieldDef {
    const char* name;
    FieldType type;
    int size = 0;
};

void addFields(Query& query, std::initializer_list<FieldDef> fields)
{
    for (const FieldDef& def : fields)
        query.addField(QString::fromLatin1(def.name), def.type, def.size);
}

void addFields(Query& query, FieldType type, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        query.addField(QString::fromLatin1(name), type);
}

}  // namespace

// The invoice list shows exactly these fields, whatever else "select *" brings along.
void TDM::defineInvoiceFields()
{
    using enum FieldType;
    Query& q = FDQueryNF;
    addFields(q, {{"ativo", ftInteger},        {"nfcod", ftInteger},       {"nfempparcod", ftInteger},
                  {"nfparcod", ftInteger},     {"nfnum", ftInteger},       {"nfserie", ftWideString, 4},
                  {"nfdtemi", ftDate},         {"nfdtsai", ftDate},        {"nfopnfcod", ftInteger},
                  {"nfvl", ftFMTBcd},          {"nfvldesc", ftFMTBcd},     {"nfvlfrete", ftFMTBcd},
                  {"nfvlseguro", ftFMTBcd},    {"nfpesoliq", ftFMTBcd},    {"nfpesobruto", ftFMTBcd},
                  {"nfvol", ftFMTBcd},         {"nfpvcod", ftInteger},     {"nfrcaparcod", ftInteger},
                  {"nfcarcod", ftInteger},     {"nftranspcod", ftInteger}, {"nfrefpvcod", ftInteger},
                  {"nfrefnfcod", ftInteger},   {"parcod", ftInteger},      {"pardes", ftWideString, 120},
                  {"nfobs", ftWideString, 254}});
    q.fieldByName(QStringLiteral("nfobs")).setReadOnly(true);

    addFields(q, ftInteger,
              {"nfcadusuparcod",   "nfaltusuparcod",  "nfplpgcod",        "nftccod",           "nfsupparcod",
               "nfrcaauxparcod",   "nfcarcodorig",    "nfordcar",         "nfveicod",          "nfmotparcod",
               "nfconhecfretecod", "nfpccod",         "nfdevolnum",       "nfmotivdevolnfcod", "nf_num_cupom",
               "nfdevolnfcod",     "nfefetusuparcod", "nfdesagusuparcod", "nfctecod",          "nfservcod",
               "nfsefazusuparcod", "nfpdvcod",        "nfmdfecod",        "nf_conta_id",       "nf_cc_id",
               "nfvendfutnum",     "nfvendfutnfcod",  "nfmuncod"});
    addFields(q, ftDateTime, {"nfcadhorario", "nfalthorario", "nfefetdt", "nfdesaghorario", "nfsefazhorario"});
    addFields(q, ftTime, {"nfhrsai"});
    addFields(q, ftFMTBcd,
              {"nfvlpro", "nfbcicms", "nfvlicms", "nfbcicmsst", "nfvlicmsst", "nfvloutrasdesp", "nfvlipi", "nfvlisento",
               "nfvloutros", "nfnumvol", "nfvlcreddevol", "nfmetrocubico"});
    addFields(q, {{"nfsta", ftFixedChar, 2},
                  {"nfespecie", ftFixedChar, 4},
                  {"nftipoemissao", ftFixedChar, 1},
                  {"nftipofrete", ftFixedChar, 1},
                  {"nfufsigla", ftFixedChar, 2},
                  {"nfmodelo", ftWideString, 10},
                  {"nfdevolserie", ftWideString, 4},
                  {"nfvendfutserie", ftWideString, 4},
                  {"nfespecievolume", ftWideString, 20},
                  {"nfnumeracaovolume", ftWideString, 20},
                  {"nfsefazsituacao", ftWideString, 20},
                  {"nfarquivoxml", ftWideString, 100},
                  {"nfsefazchave", ftWideString, 50}});
    addFields(q, ftMemo, {"nfsefazobs", "nfsefazprotocolo", "nfsefazmens"});
}

void TDM::defineInvoiceItems()
{
    const QString indent(31, u' ');
    const QStringList lines = {
        QStringLiteral("select nficadusuparcod, nficadhorario, nfialtusuparcod, nfialthorario, nfinfempparcod, "
                       "nfinfparcod, nfinfnum, nfinfcod, "),
        indent + QStringLiteral("nfiprocod, nfiuvecod, nfiuvedes, nfiuveun, nfiuvemult, nfiqtde, nfivltabunit, "
                                "nfivlunit, nfivl, nfivlfrete, nfivldesc, "),
        indent + QStringLiteral("nficustocompra, nficustoreal, nfivlicmsst, nfivlipi, nfiseq, nfibasedebcred, "),
        indent + QStringLiteral("nfiqtdecorte, nfiinfadprod, nfiproref, nfipedcli, nfimetrocubico "),
        indent + QStringLiteral("from nfi "),
        indent + QStringLiteral("where nfinfcod = :0 and nfinfempparcod = :1"),
    };
    for (const QString& line : lines)
        FDQueryNfi.sql().add(line);

    using enum FieldType;
    addFields(FDQueryNfi, {{"nficadusuparcod", ftInteger},
                           {"nficadhorario", ftDateTime},
                           {"nfialtusuparcod", ftInteger},
                           {"nfialthorario", ftDateTime},
                           {"nfinfempparcod", ftInteger},
                           {"nfinfparcod", ftInteger},
                           {"nfinfnum", ftInteger},
                           {"nfinfcod", ftInteger},
                           {"nfiprocod", ftInteger},
                           {"nfiuvecod", ftInteger},
                           {"nfiuvedes", ftWideString, 60},
                           {"nfiuveun", ftWideString, 10},
                           {"nfiuvemult", ftFMTBcd},
                           {"nfiqtde", ftFMTBcd},
                           {"nfivltabunit", ftFMTBcd},
                           {"nfivlunit", ftFMTBcd},
                           {"nfivl", ftFMTBcd},
                           {"nfivlfrete", ftFMTBcd},
                           {"nfivldesc", ftFMTBcd},
                           {"nficustocompra", ftFMTBcd},
                           {"nficustoreal", ftFMTBcd},
                           {"nfivlicmsst", ftFMTBcd},
                           {"nfivlipi", ftFMTBcd},
                           {"nfiseq", ftInteger},
                           {"nfibasedebcred", ftFMTBcd},
                           {"nfiqtdecorte", ftFMTBcd},
                           {"nfiinfadprod", ftFixedChar, 254},
                           {"nfiproref", ftFixedChar, 10},
                           {"nfipedcli", ftInteger},
                           {"nfimetrocubico", ftFMTBcd}});
}
