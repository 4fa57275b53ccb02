#pragma once

#include "data/PrayerNames.h"

#include <QString>
#include <QTime>

#include <array>

// The seven times of a calendar day as the tables kolvira and
// KoheratStandarde hold them.
namespace TimeColumns {

inline constexpr int count = PrayerNames::dayTimes;

// The columns, in the order of the day.
inline constexpr const std::array<const char *, count> &names = PrayerNames::columns;

// The columns as a list for an SQL text, quoted where a name has a blank.
QString sqlList();

// A time as the tables store it ("HH:mm:ss"), and back (invalid when the
// text is no such time).
QString stored(const QTime &time);
QTime fromStored(const QString &text);

} // namespace TimeColumns
