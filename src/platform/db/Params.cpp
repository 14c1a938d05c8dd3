#include "Params.h"

#include "DatasetError.h"
#include "PgTypes.h"

#include <cmath>

void Param::assign(ParamType type, Value value)
{
    m_type = type;
    m_value = std::move(value);
}

void Param::setInteger(int value)
{
    assign(ParamType::Integer, Value(value));
}
void Param::setLargeInt(qint64 value)
{
    assign(ParamType::LargeInt, Value(value));
}
void Param::setFloat(double value)
{
    assign(ParamType::Float, Value(value));
}
void Param::setText(const QString& value)
{
    assign(ParamType::Text, Value(value));
}
void Param::setDate(const QDate& value)
{
    assign(ParamType::Date, Value(value));
}
void Param::setBoolean(bool value)
{
    assign(ParamType::Boolean, Value(value));
}
void Param::setNull(ParamType type)
{
    assign(type == ParamType::Unknown ? ParamType::Untyped : type, Value::null());
}

void Param::setTime(const QTime& value)
{
    assign(ParamType::Time, Value(QDateTime(QDate(1899, 12, 30), value, Qt::UTC)));
}

void Param::setDateTime(const QDateTime& value)
{
    assign(ParamType::DateTime, Value(value));
}

void Param::setValue(const Value& value)
{
    switch (value.kind()) {
        case ValueKind::SmallInt:
        case ValueKind::Integer:
            setInteger(value.toInt());
            break;
        case ValueKind::LargeInt:
            setLargeInt(value.toInt64());
            break;
        case ValueKind::Double:
        case ValueKind::Currency:
            setFloat(value.toDouble());
            break;
        case ValueKind::String:
            setText(value.toString());
            break;
        case ValueKind::DateTime:
            setDateTime(value.toDateTime());
            break;
        case ValueKind::Boolean:
            setBoolean(value.toBool());
            break;
        case ValueKind::Empty:
        case ValueKind::Null:
            setNull(ParamType::Untyped);
            break;
        case ValueKind::Array:
            throw DatasetError(QStringLiteral("Parameter '%1' cannot take an array of values").arg(m_name));
    }
}

Oid Param::typeOid() const
{
    switch (m_type) {
        case ParamType::Integer:
            return PgTypes::int4Oid;
        case ParamType::LargeInt:
            return PgTypes::int8Oid;
        case ParamType::Float:
            return PgTypes::float8Oid;
        case ParamType::Text:
            return PgTypes::textOid;
        case ParamType::Date:
            return PgTypes::dateOid;
        case ParamType::Time:
            return PgTypes::timeOid;
        case ParamType::DateTime:
            return PgTypes::timestampOid;
        case ParamType::Boolean:
            return PgTypes::boolOid;
        case ParamType::Unknown:
        case ParamType::Untyped:
            return 0;
    }
    return 0;
}

namespace {

QByteArray floatText(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    return QByteArray::number(value, 'g', 17);
}

QByteArray dateText(const QDate& date)
{
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        throw DatasetError(QStringLiteral("Invalid date parameter"));
    return date.toString(Qt::ISODate).toLatin1();
}

}  // namespace

QByteArray Param::serverText() const
{
    if (isNull())
        return {};
    switch (m_type) {
        case ParamType::Integer:
        case ParamType::LargeInt:
            return QByteArray::number(static_cast<qlonglong>(m_value.toInt64()));
        case ParamType::Float:
            return floatText(m_value.toDouble());
        case ParamType::Text:
            return m_value.toString().toUtf8();
        case ParamType::Date:
            return dateText(m_value.toDateTime().date());
        case ParamType::Time:
            return m_value.toDateTime().time().toString(QStringLiteral("HH:mm:ss.zzz")).toLatin1();
        case ParamType::DateTime: {
            const QDateTime dateTime = m_value.toDateTime();
            return dateText(dateTime.date()) + ' ' +
                   dateTime.time().toString(QStringLiteral("HH:mm:ss.zzz")).toLatin1();
        }
        case ParamType::Boolean:
            return m_value.toBool() ? "t" : "f";
        case ParamType::Unknown:
        case ParamType::Untyped:
            return {};
    }
    return {};
}

void Params::reset(const QStringList& names)
{
    m_params.clear();
    for (const QString& name : names)
        m_params.emplace_back(name);
}

Param& Params::operator[](int index)
{
    if (index < 0 || index >= count())
        throw DatasetError(
            QStringLiteral("Parameter index %1 out of range (the statement has %2)").arg(index).arg(count()));
    return m_params[static_cast<std::size_t>(index)];
}

const Param& Params::operator[](int index) const
{
    return const_cast<Params&>(*this)[index];
}
