#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <variant>
#include <vector>

// A money amount with four decimal places, kept exactly as a scaled integer.
struct Currency {
    static constexpr std::int64_t scale = 10000;
    std::int64_t scaled = 0;

    static Currency fromDouble(double value);
    double toDouble() const { return static_cast<double>(scaled) / scale; }
    bool operator==(const Currency&) const = default;
};

enum class ValueKind { Empty, Null, SmallInt, Integer, LargeInt, Double, Currency, DateTime, Boolean, String, Array };

// The tagged value that fields, parameters and the query helpers exchange. Empty (never assigned)
// and Null (the database's NULL) are distinct from 0 and from the empty text.
class Value {
public:
    Value() = default;
    Value(int v) : m_data(std::int32_t(v)) {}
    Value(long v) : m_data(std::int64_t(v)) {}
    Value(long long v) : m_data(std::int64_t(v)) {}
    Value(double v) : m_data(v) {}
    Value(bool v) : m_data(v) {}
    Value(const QString& v) : m_data(v) {}
    Value(const char* v) : m_data(QString::fromUtf8(v)) {}
    Value(const QDateTime& v);
    Value(const QDate& v);
    Value(Currency v) : m_data(v) {}
    Value(std::vector<Value> elements) : m_data(std::move(elements)) {}

    static Value null();
    static Value smallInt(std::int16_t v);

    ValueKind kind() const;
    bool isEmpty() const { return kind() == ValueKind::Empty; }
    bool isNull() const { return kind() == ValueKind::Null; }
    bool isArray() const { return kind() == ValueKind::Array; }
    bool isNumeric() const;

    // Conversions raise ConversionError where the value does not convert; a Null never converts,
    // an Empty reads as 0, the empty text, false or the zero date-time.
    std::int32_t toInt() const;
    std::int64_t toInt64() const;
    double toDouble() const;
    Currency toCurrency() const;
    bool toBool() const;
    QDateTime toDateTime() const;
    QString toString() const;
    const std::vector<Value>& elements() const;

    bool operator==(const Value& other) const { return m_data == other.m_data; }

    static QString kindName(ValueKind kind);

private:
    struct NullTag {
        bool operator==(const NullTag&) const = default;
    };
    struct SmallInt {
        std::int16_t value;
        bool operator==(const SmallInt&) const = default;
    };
    // Alternatives in the order of ValueKind.
    using Data = std::variant<std::monostate, NullTag, SmallInt, std::int32_t, std::int64_t, double, Currency,
                              QDateTime, bool, QString, std::vector<Value>>;

    explicit Value(Data data) : m_data(std::move(data)) {}
    [[noreturn]] void cannotConvert(ValueKind target) const;

    Data m_data;
};
