#pragma once

#include "Value.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <libpq-fe.h>

#include <vector>

// The type a parameter is sent as. Unknown means it was never assigned.
enum class ParamType { Unknown, Integer, LargeInt, Float, Text, Date, Time, DateTime, Boolean, Untyped };

// One positional parameter of a statement. Values always travel bound, never inside the SQL text.
class Param {
public:
    explicit Param(QString name = {}) : m_name(std::move(name)) {}

    const QString& name() const { return m_name; }
    ParamType type() const { return m_type; }
    const Value& value() const { return m_value; }
    bool isNull() const { return m_value.isNull() || m_value.isEmpty(); }

    void setInteger(int value);
    void setLargeInt(qint64 value);
    void setFloat(double value);
    void setText(const QString& value);
    void setDate(const QDate& value);
    void setTime(const QTime& value);
    void setDateTime(const QDateTime& value);
    void setBoolean(bool value);
    // NULL of the given type (an integer by default, which the server converts where it must).
    void setNull(ParamType type = ParamType::Integer);
    // Takes the type from the value: integers, floats, texts, date-times, booleans; Null and Empty
    // are sent as an untyped NULL.
    void setValue(const Value& value);

    Oid typeOid() const;
    // The text form the server reads; empty for NULL.
    QByteArray serverText() const;

private:
    void assign(ParamType type, Value value);

    QString m_name;
    ParamType m_type = ParamType::Unknown;
    Value m_value;
};

// The parameters of one statement, in the order their markers first appear.
class Params {
public:
    void reset(const QStringList& names);

    int count() const { return static_cast<int>(m_params.size()); }
    Param& operator[](int index);
    const Param& operator[](int index) const;

    auto begin() const { return m_params.begin(); }
    auto end() const { return m_params.end(); }

private:
    std::vector<Param> m_params;
};
