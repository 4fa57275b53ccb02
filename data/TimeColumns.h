#pragma once

#include <QString>
#include <QTime>

#include <array>

// The seven times of a calendar day as the tables kolvira and
// KoheratStandarde hold them.
namespace TimeColumns {

inline constexpr int count = 7;

// The columns, in the order of the day.
inline constexpr std::array<const char *, count> names{
    "Imsaku", "Fexhri", "Lindja e diellit", "Dhuhri", "Asri", "Magribi", "Isha"};

// The columns as a list for an SQL text, quoted where a name has a blank.
QString sqlList();

// A time as the tables store it ("HH:mm:ss"), and back (invalid when the
// text is no such time).
QString stored(const QTime &time);
QTime fromStored(const QString &text);

} // namespace TimeColumns
