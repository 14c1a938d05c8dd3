#include "Eventos.h"

#include "Conversions.h"
#include "DBGrid.h"
#include "DataSource.h"
#include "Exception.h"
#include "Query.h"
#include "RangeError.h"

#include <QApplication>
#include <QLocale>

std::int32_t EmpresaLogada = 0;
std::int32_t FuncionarioLogado = 0;
QString UsuarioLogado;
Connection* ConexaoDoPrograma = nullptr;
int ColAntDBGridBL = 0;
bool NaoPassouOnEnter = false;
bool BotaoAtivo = false;
QString ConteudoDBEditAntLook;

namespace {

// The wait cursor for a scope; whatever was showing before comes back however the scope is left.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString messageOf(const std::exception& error)
{
    if (const auto* own = dynamic_cast<const Exception*>(&error))
        return own->message();
    return QString::fromUtf8(error.what());
}

// "#,##0.00" under the locale's separators.
QString formatMoney(double value)
{
    return QLocale().toString(value, 'f', 2);
}

QString formatFullDateTime(const QDateTime& value)
{
    return value.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
}

QDateTime missingDate()
{
    return Conversions::naiveDateTime(QDate(1500, 1, 1));
}

void bindParameters(Query& query, const Value& parametro)
{
    if (parametro.isArray()) {
        const std::vector<Value>& elements = parametro.elements();
        for (std::size_t i = 0; i < elements.size(); ++i)
            query.param(static_cast<int>(i)).setValue(elements[i]);
    } else if (query.params().count() > 0) {
        query.param(0).setValue(parametro);
    }
}

Value valueOrDefault(const Field& field)
{
    const Value value = field.value();
    return value.isNull() || value.isEmpty() ? ValorPadraoDoNulo(field.dataType()) : value;
}

}  // namespace

bool sql_OpenQuery(Query& Query)
{
    if (Query.active())
        return true;
    WaitCursor waiting;
    try {
        Query.open();
    } catch (const std::exception& error) {
        throw Exception(QStringLiteral("Erro na abertura da tabela\r\r") + messageOf(error) + QStringLiteral("\r\r") +
                        Query.sql().text());
    }
    return true;
}

CategoriaCampo categoriaDoCampo(FieldType type)
{
    using enum FieldType;
    switch (type) {
        case ftString:
        case ftBlob:
        case ftMemo:
        case ftFmtMemo:
        case ftFixedChar:
        case ftWideString:
            return CategoriaCampo::Texto;
        case ftSmallint:
        case ftInteger:
        case ftWord:
        case ftFloat:
        case ftCurrency:
        case ftBytes:
        case ftAutoInc:
        case ftLargeint:
            return CategoriaCampo::Numero;
        case ftBoolean:
            return CategoriaCampo::Booleano;
        case ftDate:
            return CategoriaCampo::Data;
        case ftTime:
            return CategoriaCampo::Hora;
        case ftDateTime:
            return CategoriaCampo::DataHora;
        default:
            return CategoriaCampo::Outro;
    }
}

Value ValorPadraoDoNulo(FieldType type)
{
    switch (categoriaDoCampo(type)) {
        case CategoriaCampo::Texto:
            return Value(QString());
        case CategoriaCampo::Numero:
            return Value(0);
        case CategoriaCampo::Booleano:
            return Value(false);
        case CategoriaCampo::Data:
        case CategoriaCampo::DataHora:
            return Value(missingDate());
        case CategoriaCampo::Hora:
            return Value(Conversions::zeroDateTime());
        case CategoriaCampo::Outro:
            break;
    }
    return Value();
}

Value EncontraValor(const QString& TextoSql, const Value& Parametro)
{
    Query QueryValor(QStringLiteral("QueryValor"), ConexaoDoPrograma);
    QueryValor.sql().setText(TextoSql);
    bindParameters(QueryValor, Parametro);
    sql_OpenQuery(QueryValor);
    QueryValor.first();

    const int QtdeCampos = QueryValor.fieldCount() - 1;
    if (QtdeCampos < 1)
        return QtdeCampos < 0 ? Value() : valueOrDefault(QueryValor.field(0));
    std::vector<Value> values;
    values.reserve(static_cast<std::size_t>(QtdeCampos) + 1);
    for (int i = 0; i <= QtdeCampos; ++i)
        values.push_back(valueOrDefault(QueryValor.field(i)));
    return Value(std::move(values));
}

Value ConverterValoresString(const Value& Dados)
{
    if (!Dados.isArray())
        return Value(FormataValorEmString(Dados));
    std::vector<Value> texts;
    for (const Value& element : Dados.elements())
        texts.emplace_back(FormataValorEmString(element));
    return Value(std::move(texts));
}

QString FormataValorEmString(const Value& valor)
{
    switch (valor.kind()) {
        case ValueKind::Empty:
        case ValueKind::String:
            return valor.toString();
        case ValueKind::SmallInt:
        case ValueKind::Integer:
        case ValueKind::LargeInt:
            return QString::number(valor.toInt64());
        case ValueKind::Double:
        case ValueKind::Currency:
            return formatMoney(valor.toDouble());
        case ValueKind::DateTime:
            return ValorNull(valor) ? formatFullDateTime(valor.toDateTime())
                                    : Conversions::dateTimeToStr(valor.toDateTime());
        case ValueKind::Boolean:
            return valor.toBool() ? QStringLiteral("Verdadeiro") : QStringLiteral("Falso");
        default:
            return QString();
    }
}

bool ValorNull(const Value& valor)
{
    switch (valor.kind()) {
        case ValueKind::Empty:
        case ValueKind::Null:
            return true;
        case ValueKind::SmallInt:
        case ValueKind::Integer:
        case ValueKind::LargeInt:
            return valor.toInt64() == 0;
        case ValueKind::Double:
        case ValueKind::Currency:
            return valor.toDouble() == 0.0;
        case ValueKind::DateTime: {
            const QString text = formatFullDateTime(valor.toDateTime());
            return text == QStringLiteral("01/01/1500 00:00:00") || text == QStringLiteral("30/12/1899 00:00:00");
        }
        case ValueKind::String:
            return valor.toString().isEmpty();
        default:
            return false;
    }
}

double NumeroSemMascara(const QString& Valor)
{
    QString kept;
    for (const QChar c : Valor)
        if (c == u',' || c == u'-' || (c >= u'0' && c <= u'9'))
            kept += c;
    if (kept.isEmpty())
        return 0;
    try {
        return Conversions::strToFloat(kept);
    } catch (const std::exception&) {
        return 0;
    }
}

QString SomenteNumeros(const QString& Documento)
{
    QString digits;
    for (const QChar c : Documento)
        if (c >= u'0' && c <= u'9')
            digits += c;
    return digits;
}

namespace {

const Field* fieldOf(const DataSource* Ds, const QString& campo)
{
    const Query* dataSet = Ds ? Ds->dataSet() : nullptr;
    return dataSet ? dataSet->findField(campo) : nullptr;
}

}  // namespace

QString BuscaDisplayLabel(const DataSource* Ds, const QString& campo)
{
    if (const Field* field = fieldOf(Ds, campo))
        return field->displayLabel();
    if (campo.isEmpty())
        throw RangeError(QStringLiteral("Nome de campo vazio: não há rótulo a mostrar"));
    QString label = campo;
    label.replace(u'_', u' ');
    if (label[0] >= u'a' && label[0] <= u'z')
        label[0] = label[0].toUpper();
    return label;
}

int BuscaDisplayWidth(const DataSource* Ds, const QString& campo)
{
    const Field* field = fieldOf(Ds, campo);
    return field ? field->displayWidth() : 0;
}

int RetornaWidthDefault(FieldType TipoDoCampo)
{
    switch (categoriaDoCampo(TipoDoCampo)) {
        case CategoriaCampo::Texto:
            return 35;
        case CategoriaCampo::Numero:
        case CategoriaCampo::Data:
            return 15;
        case CategoriaCampo::Booleano:
            return 5;
        case CategoriaCampo::Hora:
            return 8;
        case CategoriaCampo::DataHora:
            return 22;
        case CategoriaCampo::Outro:
            break;
    }
    return 10;
}

void OnShowDoFormL(DBGrid* DBGridB)
{
    if (ColAntDBGridBL >= DBGridB->columnCount())
        ColAntDBGridBL = 0;
    if (!DBGridB->OnTitleClick)
        throw Exception(QStringLiteral("A grade de busca não tem ordenação pelo título"));
    DBGridB->OnTitleClick(DBGridB->column(ColAntDBGridBL));
}
