#include "Conversions.h"

#include "ConversionError.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace Conversions {

namespace {

ConversionError notAnInteger(const QString& text)
{
    return ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

bool isPlainInteger(const QString& text)
{
    qsizetype start = (text.startsWith(u'-') || text.startsWith(u'+')) ? 1 : 0;
    if (start == text.size())
        return false;
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    }
    return true;
}

QLocale userLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

}  // namespace

std::int64_t strToInt64(const QString& text)
{
    if (!isPlainInteger(text))
        throw notAnInteger(text);
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok)
        throw notAnInteger(text);
    return value;
}

std::int32_t strToInt(const QString& text)
{
    const std::int64_t value = strToInt64(text);
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        throw notAnInteger(text);
    return static_cast<std::int32_t>(value);
}

double strToFloat(const QString& text)
{
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok)
        throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

QDateTime strToDateTime(const QString& text)
{
    QString dateFormat = QLocale().dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QStringLiteral("yyyy")))  // a two-digit year would turn 1500 into 1900 + n
        dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    const QString trimmed = text.trimmed();
    for (const QString& timeFormat : {QStringLiteral(" HH:mm:ss"), QStringLiteral(" HH:mm"), QString()}) {
        const QDateTime parsed = QDateTime::fromString(trimmed, dateFormat + timeFormat);
        if (parsed.isValid())
            return naiveDateTime(parsed);
    }
    throw ConversionError(QStringLiteral("'%1' is not a valid date and time").arg(text));
}

std::int64_t roundToInt64(double value)
{
    if (!std::isfinite(value) || value >= 9223372036854775808.0 || value < -9223372036854775808.0)
        throw ConversionError(QStringLiteral("Integer overflow"));
    return static_cast<std::int64_t>(std::nearbyint(value));  // the default rounding mode: half to even
}

std::int32_t checkedInt(std::int64_t value)
{
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        throw ConversionError(QStringLiteral("Integer overflow"));
    return static_cast<std::int32_t>(value);
}

std::int32_t roundToInt(double value)
{
    return checkedInt(roundToInt64(value));
}

// Fifteen significant digits, as a double reliably holds, and never an exponent.
QString floatToStr(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    const double rounded = QString::number(value, 'g', 15).toDouble();
    return userLocale().toString(rounded, 'f', QLocale::FloatingPointShortest);
}

QString dateToStr(const QDate& date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

QString timeToStr(const QTime& time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QString dateTimeToStr(const QDateTime& dateTime)
{
    if (dateTime.time() == QTime(0, 0))
        return dateToStr(dateTime.date());
    return dateToStr(dateTime.date()) + u' ' + timeToStr(dateTime.time());
}

QDateTime naiveDateTime(const QDate& date, const QTime& time)
{
    return QDateTime(date, time, Qt::UTC);
}

QDateTime naiveDateTime(const QDateTime& any)
{
    return naiveDateTime(any.date(), any.time());
}

QDateTime zeroDateTime()
{
    return naiveDateTime(QDate(1899, 12, 30));
}

}  // namespace Conversions
