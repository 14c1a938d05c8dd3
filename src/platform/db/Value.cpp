#include "Value.h"

#include "ConversionError.h"
#include "Conversions.h"

#include <cmath>

Currency Currency::fromDouble(double value)
{
    return Currency{Conversions::roundToInt64(value * scale)};
}

Value::Value(const QDateTime& v) : m_data(Conversions::naiveDateTime(v)) {}

Value::Value(const QDate& v) : m_data(Conversions::naiveDateTime(v)) {}

Value Value::null()
{
    return Value(Data(NullTag{}));
}

Value Value::smallInt(std::int16_t v)
{
    return Value(Data(SmallInt{v}));
}

ValueKind Value::kind() const
{
    return static_cast<ValueKind>(m_data.index());
}

bool Value::isNumeric() const
{
    switch (kind()) {
        case ValueKind::SmallInt:
        case ValueKind::Integer:
        case ValueKind::LargeInt:
        case ValueKind::Double:
        case ValueKind::Currency:
            return true;
        default:
            return false;
    }
}

QString Value::kindName(ValueKind kind)
{
    switch (kind) {
        case ValueKind::Empty:
            return QStringLiteral("Empty");
        case ValueKind::Null:
            return QStringLiteral("Null");
        case ValueKind::SmallInt:
            return QStringLiteral("SmallInt");
        case ValueKind::Integer:
            return QStringLiteral("Integer");
        case ValueKind::LargeInt:
            return QStringLiteral("LargeInt");
        case ValueKind::Double:
            return QStringLiteral("Double");
        case ValueKind::Currency:
            return QStringLiteral("Currency");
        case ValueKind::DateTime:
            return QStringLiteral("Date");
        case ValueKind::Boolean:
            return QStringLiteral("Boolean");
        case ValueKind::String:
            return QStringLiteral("String");
        case ValueKind::Array:
            return QStringLiteral("Array");
    }
    return {};
}

void Value::cannotConvert(ValueKind target) const
{
    throw ConversionError(QStringLiteral("Could not convert variant of type (%1) into type (%2)")
                              .arg(kindName(kind()), kindName(target)));
}

std::int64_t Value::toInt64() const
{
    switch (kind()) {
        case ValueKind::Empty:
            return 0;
        case ValueKind::SmallInt:
            return std::get<SmallInt>(m_data).value;
        case ValueKind::Integer:
            return std::get<std::int32_t>(m_data);
        case ValueKind::LargeInt:
            return std::get<std::int64_t>(m_data);
        case ValueKind::Double:
            return Conversions::roundToInt64(std::get<double>(m_data));
        case ValueKind::Currency:
            return Conversions::roundToInt64(std::get<Currency>(m_data).toDouble());
        case ValueKind::Boolean:
            return std::get<bool>(m_data) ? 1 : 0;
        case ValueKind::String:
            return Conversions::strToInt64(std::get<QString>(m_data));
        default:
            cannotConvert(ValueKind::LargeInt);
    }
}

std::int32_t Value::toInt() const
{
    if (kind() == ValueKind::String)
        return Conversions::strToInt(std::get<QString>(m_data));
    return Conversions::checkedInt(toInt64());
}

double Value::toDouble() const
{
    switch (kind()) {
        case ValueKind::Empty:
            return 0.0;
        case ValueKind::SmallInt:
        case ValueKind::Integer:
        case ValueKind::LargeInt:
        case ValueKind::Boolean:
            return static_cast<double>(toInt64());
        case ValueKind::Double:
            return std::get<double>(m_data);
        case ValueKind::Currency:
            return std::get<Currency>(m_data).toDouble();
        case ValueKind::String:
            return Conversions::strToFloat(std::get<QString>(m_data));
        default:
            cannotConvert(ValueKind::Double);
    }
}

Currency Value::toCurrency() const
{
    if (kind() == ValueKind::Currency)
        return std::get<Currency>(m_data);
    return Currency::fromDouble(toDouble());
}

bool Value::toBool() const
{
    switch (kind()) {
        case ValueKind::Empty:
            return false;
        case ValueKind::Boolean:
            return std::get<bool>(m_data);
        case ValueKind::SmallInt:
        case ValueKind::Integer:
        case ValueKind::LargeInt:
            return toInt64() != 0;
        case ValueKind::Double:
        case ValueKind::Currency:
            return toDouble() != 0.0;
        case ValueKind::String: {
            const QString text = std::get<QString>(m_data).trimmed().toLower();
            for (const char* yes : {"true", "verdadeiro", "t", "s", "1"})
                if (text == QLatin1String(yes))
                    return true;
            for (const char* no : {"false", "falso", "f", "n", "0"})
                if (text == QLatin1String(no))
                    return false;
            throw ConversionError(QStringLiteral("'%1' is not a valid boolean value").arg(std::get<QString>(m_data)));
        }
        default:
            cannotConvert(ValueKind::Boolean);
    }
}

QDateTime Value::toDateTime() const
{
    switch (kind()) {
        case ValueKind::Empty:
            return Conversions::zeroDateTime();
        case ValueKind::DateTime:
            return std::get<QDateTime>(m_data);
        case ValueKind::String:
            return Conversions::strToDateTime(std::get<QString>(m_data));
        default:
            cannotConvert(ValueKind::DateTime);
    }
}

QString Value::toString() const
{
    switch (kind()) {
        case ValueKind::Empty:
        case ValueKind::Null:
            return {};
        case ValueKind::SmallInt:
        case ValueKind::Integer:
        case ValueKind::LargeInt:
            return QString::number(toInt64());
        case ValueKind::Double:
        case ValueKind::Currency:
            return Conversions::floatToStr(toDouble());
        case ValueKind::DateTime:
            return Conversions::dateTimeToStr(std::get<QDateTime>(m_data));
        case ValueKind::Boolean:
            return std::get<bool>(m_data) ? QStringLiteral("Verdadeiro") : QStringLiteral("Falso");
        case ValueKind::String:
            return std::get<QString>(m_data);
        case ValueKind::Array:
            cannotConvert(ValueKind::String);
    }
    return {};
}

const std::vector<Value>& Value::elements() const
{
    if (kind() != ValueKind::Array)
        cannotConvert(ValueKind::Array);
    return std::get<std::vector<Value>>(m_data);
}
