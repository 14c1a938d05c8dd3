#include "Field.h"

#include "Conversions.h"
#include "Query.h"

Field::Field(Query& dataSet, QString name, FieldType type, int size, int index)
    : m_dataSet(dataSet), m_name(std::move(name)), m_type(type), m_size(size), m_index(index)
{
}

Value Field::value() const
{
    return m_dataSet.currentFieldValue(*this);
}

Value Field::valueAt(int row) const
{
    return m_dataSet.fieldValueAt(*this, row);
}

bool Field::isNull() const
{
    const Value v = value();
    return v.isNull() || v.isEmpty();
}

int Field::asInteger() const
{
    const Value v = value();
    return v.isNull() ? 0 : v.toInt();
}

qint64 Field::asLargeInt() const
{
    const Value v = value();
    return v.isNull() ? 0 : v.toInt64();
}

double Field::asFloat() const
{
    const Value v = value();
    return v.isNull() ? 0.0 : v.toDouble();
}

QString Field::asString() const
{
    return textOf(value());
}

QString Field::textAt(int row) const
{
    return textOf(valueAt(row));
}

QDateTime Field::asDateTime() const
{
    const Value v = value();
    return v.isNull() ? Conversions::zeroDateTime() : v.toDateTime();
}

bool Field::asBoolean() const
{
    const Value v = value();
    return v.isNull() ? false : v.toBool();
}

void Field::setValue(const Value& value)
{
    m_dataSet.setCurrentFieldValue(*this, value);
}

Value Field::coerce(const Value& value) const
{
    if (value.isNull() || value.isEmpty())
        return Value::null();
    switch (fieldFamily(m_type)) {
        case FieldFamily::Text:
            return value.kind() == ValueKind::String ? value : Value(textOf(value));
        case FieldFamily::Integer:
            return (value.kind() == ValueKind::Integer || value.kind() == ValueKind::SmallInt) ? value
                                                                                               : Value(value.toInt());
        case FieldFamily::LargeInt:
            return Value(static_cast<long long>(value.toInt64()));
        case FieldFamily::Float:
            return Value(value.toDouble());
        case FieldFamily::Currency:
            return Value(value.toCurrency());
        case FieldFamily::Boolean:
            return Value(value.toBool());
        case FieldFamily::Date:
            return Value(value.toDateTime().date());
        case FieldFamily::Time:
            return Value(Conversions::naiveDateTime(QDate(1899, 12, 30), value.toDateTime().time()));
        case FieldFamily::DateTime:
            return Value(value.toDateTime());
        case FieldFamily::Other:
            return value;
    }
    return value;
}

QString Field::textOf(const Value& value) const
{
    if (value.kind() == ValueKind::DateTime) {
        if (fieldFamily(m_type) == FieldFamily::Date)
            return Conversions::dateToStr(value.toDateTime().date());
        if (fieldFamily(m_type) == FieldFamily::Time)
            return Conversions::timeToStr(value.toDateTime().time());
    }
    return value.toString();
}

void Field::focusControl()
{
    m_dataSet.requestFocusControl(*this);
}
