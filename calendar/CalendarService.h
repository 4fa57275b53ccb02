#pragma once

#include "calendar/CalendarError.h"
#include "calendar/Clock.h"

#include <QDate>
#include <QDateTime>
#include <QString>

// The program's date services. One process-wide selector chooses the
// calendar in which they read and write day, month and year numbers; a QDate
// is a day and belongs to no calendar. The selector is Gregorian whenever no
// conversion is running: change it only through a SelectorGuard.
namespace CalendarService {

constexpr int Gregorian = 0;
constexpr int Hijri = 1;

int selector();
// Throws CalendarError for anything but Gregorian or Hijri.
void setSelector(int calendar);

// Reads a month-first text "m/d/yyyy" (day and month with or without a
// leading zero, "/" or the system's date separator, a four-digit year) in
// the selected calendar. Throws CalendarError when the text names no day.
QDate readDateText(const QString &text);
// The day as "mm/dd/yyyy" in the selected calendar; readDateText reads it back.
QString shortDateText(const QDate &date);
// "dd" two-digit day, "mm" two-digit month, "yyyy" four-digit year, in the
// selected calendar; "w" weekday 1 to 7 with Sunday = 1 in either calendar.
QString formatField(const QDate &date, const QString &pattern);
// "m" month, "d" day of month or "yyyy" year in the selected calendar.
int datePart(const QString &interval, const QDate &date);
// With "yyyy": the year number of later minus that of earlier in the
// selected calendar (year boundaries crossed, not completed years).
int yearDifference(const QString &interval, const QDate &earlier, const QDate &later);
// The current local date and time.
QDateTime now(const Clock &clock = Clock::system());

} // namespace CalendarService
