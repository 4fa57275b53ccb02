#pragma once

#include "astronomy/Place.h"
#include "data/PerpetualCalendar.h"

#include <QList>
#include <QString>
#include <QStringList>

// How one place's times are computed: a named method, the rule for the days
// the sun does not sink to its angles, and the Asr shadow.
struct CalendarMethod
{
    QString method = QStringLiteral("diyanet"); // a name of PlaceCalendar::methodNames()
    QString highLatitude;                       // a rule name; empty: the method's default
    int asrShadow = 1;                          // 1 standard, 2 Hanafi
};

// The prayer times of any place on the earth by the method its mosques keep,
// computed for every year.
namespace PlaceCalendar {

// The method of the Muslim Community of Albania's calendar: Diyanet's
// computation as it publishes it for Albania's cities.
inline constexpr char albaniaMethod[] = "kmsh";

// The seven times of every day of the year (and a 29 February row, which in
// a common year holds the next leap year's), in the place's zone clock time
// with that year's summer time. Every row has its seven times in order
// (Imsaku may equal Fexhri); a time that would pass the clock's midnight is
// held at its last minute. Throws CalculationError only for a bad method,
// rule or zone, never for a day.
QList<PerpetualCalendar::Row> localRows(const Place &place, const CalendarMethod &method, int year);

QStringList methodNames();                // in the order a user should see them, diyanet first
QString methodTitle(const QString &name); // Albanian, e.g. "Diyaneti (Turqia)"
QStringList highLatitudeRules();          // in the order a user should see them
QString highLatitudeTitle(const QString &name); // Albanian, e.g. "Mesi i natës"
// What an estimated time is, in Albanian: "e përafërt, sipas rregullit …".
QString estimateNote(const CalendarMethod &method);
// Where the times come from, in Albanian, for the timetable's header.
QString source(const Place &place, const CalendarMethod &method);

} // namespace PlaceCalendar
