#pragma once

#include "astronomy/Place.h"
#include "data/PerpetualCalendar.h"

#include <QList>
#include <QString>

// Writes a complete calendar database with the program's own schema. The
// file at the path is replaced only once the new one is complete, so a
// failure never leaves a half-written calendar behind.
namespace CalendarWriter {

struct City
{
    Place place;     // with the calendar computed for it, if it keeps one
    int minutes = 0; // its adhan after the perpetual calendar's times
};

// The perpetual calendar, the cities stored in list order as IDQyteti 1,
// 2, ... with their calendars, the one named selected with ESelektuar 1, and
// kolvira's rows of the year for that city. Throws ToolError, DatabaseError
// or CalculationError.
// The table of North Macedonia's community goes beside it, for the towns
// that keep it.
void write(const QString &path, const PerpetualCalendar &calendar,
           const PerpetualCalendar &bfiTable, int year, const QList<City> &cities,
           const QString &selected);

} // namespace CalendarWriter
