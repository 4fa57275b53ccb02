#pragma once

#include "prayer/TimetablePage.h"

#include <QByteArray>
#include <QDateTime>

// The prayers of timetable pages as an iCalendar file (RFC 5545) that desktop
// calendars import: one event a prayer a day (the five, and Imsaku in
// Ramadan) at the city's clock time, with the city's zone described in the
// file so that summer time is right. Each event's UID is made of the city,
// the day and the prayer, so that importing the same days again replaces
// them instead of doubling them.
namespace IcsCalendar {

// alarmMinutes > 0 adds a reminder that many minutes before each prayer;
// stamp is the moment the file is made (DTSTAMP). With holyDays the rows'
// holy days and nights come as all-day events (a night on its evening),
// whose UID, of the day and the holy day, is the same whatever the city.
QByteArray write(const QList<TimetablePage> &pages, int alarmMinutes, const QDateTime &stamp,
                 bool holyDays = false);

} // namespace IcsCalendar
