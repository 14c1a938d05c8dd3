#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

// The runtime's standard conversions between text and values. Text read from or shown to the user
// follows the default QLocale (the application sets it from the environment it is started in).
namespace Conversions {

// Decimal digits with an optional sign, within 32 bits; nothing else (no blanks, no hexadecimal).
std::int32_t strToInt(const QString& text);
std::int64_t strToInt64(const QString& text);
// A number with the locale's decimal separator, blanks around it allowed.
double strToFloat(const QString& text);
// The locale's short date, optionally followed by a time of day.
QDateTime strToDateTime(const QString& text);

// Rounds to the nearest integer, an exact half to the even neighbour; throws when outside 32 bits.
std::int32_t roundToInt(double value);
std::int64_t roundToInt64(double value);
std::int32_t checkedInt(std::int64_t value);

QString floatToStr(double value);
QString dateToStr(const QDate& date);
QString timeToStr(const QTime& time);
// The date alone when the time of day is midnight, otherwise date and time.
QString dateTimeToStr(const QDateTime& dateTime);

// Date-times are naive (no time zone): they are kept in UTC spec so no daylight-saving rule of the
// machine can shift or invalidate them.
QDateTime naiveDateTime(const QDate& date, const QTime& time = QTime(0, 0));
QDateTime naiveDateTime(const QDateTime& any);
// 30/12/1899 00:00, the zero date-time, which the program also treats as "no date".
QDateTime zeroDateTime();

}  // namespace Conversions
