#pragma once

#include <QtGlobal>

// The arithmetic Hijri calendar: cycles of 30 years with 11 leap years
// (2, 5, 7, 10, 13, 16, 18, 21, 24, 26, 29), months of 30 and 29 days in
// turn, the twelfth of a leap year 30. Months are counted from 1 Muharram 1
// (month index = 12 × (year − 1) + month − 1), days from that day (day 0).
namespace TabularHijri {

// The day a month begins on; monthIndex >= 0.
qint64 monthStart(int monthIndex);
// The month a day belongs to; day >= 0.
int monthContaining(qint64 day);

} // namespace TabularHijri
