#pragma once

#include "astronomy/Place.h"
#include "astronomy/PlaceCalendar.h"
#include "data/PerpetualCalendar.h"

#include <QList>
#include <QString>

// The calendar of the Muslim Community of Albania (Komuniteti Mysliman i
// Shqipërisë, KMSH): the times that Turkey's Presidency of Religious Affairs
// (Diyanet) computes for each city from its own coordinates, in the city's
// clock time. Unlike a printed table it is computed for every year.
namespace KmshCalendar {

inline constexpr const char *name = PlaceCalendar::albaniaMethod;

// The city's seven times of every day of the year (and a 29 February row,
// which in a common year holds the next leap year's), in its zone's clock
// time with that year's summer time. Throws CalculationError.
QList<PerpetualCalendar::Row> localRows(const Place &city, int year);

// Where the times come from, as the window and the files name it.
QString source(const QString &cityName);

} // namespace KmshCalendar
