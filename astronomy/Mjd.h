#pragma once

#include <QDate>
#include <QDateTime>

// Instants as modified Julian dates in UTC (days since 1858-11-17 0h UTC).
// A double keeps them to a microsecond for centuries around now.
namespace Mjd {

inline constexpr double secondsPerDay = 86400.0;
// 2000 January 1, 12h: the epoch of the tables of the earth's rotation.
inline constexpr double j2000 = 51544.5;

// 0h UTC of a calendar date.
double fromDate(QDate date);
// The instant at which the mean sun's clock of a longitude (degrees, east
// positive) shows the hours on the date: its mean solar time.
double fromLocalMeanTime(QDate date, double hours, double longitude);
// The date on which the instant falls.
QDate toDate(double mjd);
// The instant, rounded to the nearest whole minute.
QDateTime toMinute(double mjdUtc);
// The instant to the second, for messages and tests.
QDateTime toSecond(double mjdUtc);

} // namespace Mjd
