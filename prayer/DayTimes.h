#pragma once

#include "data/TimeColumns.h"
#include "data/Variant.h"

#include <QDate>
#include <QString>
#include <array>

class CalendarConnection;

// The seven times of one day as the main window shows them.
namespace DayTimes {

inline constexpr int count = TimeColumns::count;
using Texts = std::array<QString, count>;

// The seven times by their place in the day, which indexes Texts and the
// settings of each time.
enum Time : int { Imsaku, Fexhri, LindjaEDiellit, Dhuhri, Asri, Magribi, Isha };

// The text shown for a time that is missing or cannot be read; it matches no
// clock minute, so no adhan can start from it.
QString missingTime();

// "Select * from kolvira where Dita=6 and Muaji=12": no leading zeros.
QString queryText(const QDate &day);

// A stored time as "hh:mm" (24-hour), or missingTime().
QString timeText(const Variant &value);
// A time as shown, "hh:mm" (24-hour), or missingTime() when it is invalid.
QString timeText(const QTime &time);

// The day's seven times; missingTime() for each when the day has no row.
// Failures of the database travel up as DatabaseError.
Texts load(const QDate &day, CalendarConnection &connection);

} // namespace DayTimes
