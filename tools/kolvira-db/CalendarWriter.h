#pragma once

#include "astronomy/CityOffsets.h"
#include "data/PerpetualCalendar.h"

#include <QList>
#include <QString>

// Writes a complete calendar database with the program's own schema. The
// file at the path is replaced only once the new one is complete, so a
// failure never leaves a half-written calendar behind.
namespace CalendarWriter {

// The perpetual calendar with kolvira's rows of the year; the cities are
// stored in list order as IDQyteti 1, 2, ...; the one named selected gets
// ESelektuar 1. Throws ToolError or DatabaseError.
void write(const QString &path, const PerpetualCalendar &calendar, int year,
           const QList<CityOffset> &cities, const QString &selected);

} // namespace CalendarWriter
