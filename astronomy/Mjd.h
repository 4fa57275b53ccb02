#pragma once

#include <QDate>
#include <QDateTime>

// Instants as modified Julian dates in UTC (days since 1858-11-17 0h UTC).
// A double keeps them to a microsecond for centuries around now.
namespace Mjd {

inline constexpr double secondsPerDay = 86400.0;

// 0h UTC of a calendar date.
double fromDate(QDate date);
// The instant, rounded to the nearest whole minute.
QDateTime toMinute(double mjdUtc);
// The instant to the second, for messages and tests.
QDateTime toSecond(double mjdUtc);

} // namespace Mjd
