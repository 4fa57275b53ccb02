#pragma once

#include <QDate>
#include <QString>

// The Albanian names of months and weekdays and the long date texts built
// from them. Each routine leaves the calendar selector as it found it.
namespace Module1 {

// The name for a whole number of the table (months 1 to 12, weekdays 1 to 7
// with Sunday = 1), given as a number or as a decimal text ("06" is 6);
// "Gabim" for anything else.
QString HijriMonthName(int number);
QString HijriMonthName(const QString &number);
QString GregorianMonthName(int number);
QString GregorianMonthName(const QString &number);
QString DayOfWeekName(int number);
QString DayOfWeekName(const QString &number);

// The day as a Hijri short date text, "mm/dd/yyyy".
QString HijriDateText(const QDate &date);

// "E shtunë, 14 Qershor (06), 1975" for the Hijri text of that day ("6/4/1395").
// Throws CalendarError for a text that names no day.
QString LongGregorianDate(const QString &hijriText);
// "E shtunë, 04 Xhumadeth-Thani (06), 1395" for the Gregorian text "06/14/1975".
// Throws CalendarError for a text that names no day.
QString LongHijriDate(const QString &gregorianText);

} // namespace Module1
