#include "PgTypes.h"

#include "ConversionError.h"
#include "Conversions.h"

#include <QStringList>

#include <cmath>
#include <limits>

namespace PgTypes {

namespace {

// varchar and bpchar keep the declared length plus a 4-byte header in typmod.
int declaredLength(int typmod)
{
    return typmod > 4 ? typmod - 4 : 0;
}

ConversionError unreadable(const QString& text, const char* what)
{
    return ConversionError(QStringLiteral("'%1' is not a valid %2").arg(text, QLatin1String(what)));
}

// hh:mm:ss[.ffffff]; milliseconds are kept, finer digits dropped.
QTime parseTime(const QString& text)
{
    const QStringList parts = text.split(u':');
    bool ok = parts.size() == 3;
    const int hours = ok ? parts[0].toInt(&ok) : 0;
    const int minutes = ok ? parts[1].toInt(&ok) : 0;
    const QString secondsText = ok ? parts[2] : QString();
    const qsizetype dot = secondsText.indexOf(u'.');
    const int seconds = ok ? secondsText.left(dot < 0 ? secondsText.size() : dot).toInt(&ok) : 0;
    const int millis = (ok && dot >= 0) ? (secondsText.mid(dot + 1) + QStringLiteral("00")).left(3).toInt(&ok) : 0;
    if (ok && hours == 24 && minutes == 0 && seconds == 0 && millis == 0)
        return QTime(23, 59, 59, 999);
    const QTime time(hours, minutes, seconds, millis);
    if (!ok || !time.isValid())
        throw unreadable(text, "time");
    return time;
}

QDate parseDate(const QString& text)
{
    const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    if (!date.isValid() || text.endsWith(QStringLiteral(" BC")))
        throw unreadable(text, "date");
    return date;
}

// The session shows timestamptz values in its own zone with an offset suffix, which is dropped.
QDateTime parseTimestamp(const QString& text)
{
    if (text.size() < 19 || text[10] != u' ')
        throw unreadable(text, "date and time");
    const QDate date = parseDate(text.left(10));
    if (text.endsWith(QStringLiteral(" BC")))
        throw unreadable(text, "date and time");
    QString timePart = text.mid(11);
    for (qsizetype i = 8; i < timePart.size(); ++i) {
        if (timePart[i] == u'+' || timePart[i] == u'-') {
            timePart.truncate(i);
            break;
        }
    }
    return Conversions::naiveDateTime(date, parseTime(timePart));
}

double parseFloat(const QString& text)
{
    if (text == QLatin1String("NaN"))
        return std::numeric_limits<double>::quiet_NaN();
    if (text == QLatin1String("Infinity"))
        return std::numeric_limits<double>::infinity();
    if (text == QLatin1String("-Infinity"))
        return -std::numeric_limits<double>::infinity();
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        throw unreadable(text, "floating point value");
    return value;
}

QString trimTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.left(end);
}

}  // namespace

PgColumnType columnType(Oid type, int typmod)
{
    switch (type) {
        case boolOid:
            return {FieldType::ftBoolean, 0};
        case int2Oid:
            return {FieldType::ftSmallint, 0};
        case int4Oid:
            return {FieldType::ftInteger, 0};
        case int8Oid:
            return {FieldType::ftLargeint, 0};
        case float4Oid:
        case float8Oid:
            return {FieldType::ftFloat, 0};
        case numericOid:
            return {FieldType::ftFMTBcd, 0};
        case varcharOid:
            return {FieldType::ftWideString, declaredLength(typmod)};
        case nameOid:
            return {FieldType::ftWideString, 63};
        case bpcharOid:
            return {FieldType::ftFixedChar, declaredLength(typmod)};
        case charOid:
            return {FieldType::ftFixedChar, 1};
        case textOid:
            return {FieldType::ftMemo, 0};
        case byteaOid:
            return {FieldType::ftBlob, 0};
        case dateOid:
            return {FieldType::ftDate, 0};
        case timeOid:
            return {FieldType::ftTime, 0};
        case timestampOid:
        case timestamptzOid:
            return {FieldType::ftDateTime, 0};
        default:
            return {FieldType::ftUnknown, 0};
    }
}

Value parseValue(Oid type, const char* raw, int length)
{
    const QString text = QString::fromUtf8(raw, length);
    switch (type) {
        case boolOid:
            return Value(text == QLatin1String("t"));
        case int2Oid:
            return Value::smallInt(static_cast<std::int16_t>(text.toShort()));
        case int4Oid:
            return Value(text.toInt());
        case int8Oid:
            return Value(text.toLongLong());
        case float4Oid:
        case float8Oid:
        case numericOid:
            return Value(parseFloat(text));
        case bpcharOid:
        case charOid:
            return Value(trimTrailingBlanks(text));
        case dateOid:
            if (text.size() != 10)
                throw unreadable(text, "date");
            return Value(parseDate(text));
        case timeOid:
            return Value(Conversions::naiveDateTime(QDate(1899, 12, 30), parseTime(text)));
        case timestampOid:
        case timestamptzOid:
            return Value(parseTimestamp(text));
        default:
            return Value(text);
    }
}

}  // namespace PgTypes
