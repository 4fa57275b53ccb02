#pragma once

#include "astronomy/CalendarTable.h"
#include "astronomy/CityOffsets.h"

#include <QList>
#include <QString>

// Writes a complete calendar database with the program's own schema. The
// file at the path is replaced only once the new one is complete, so a
// failure never leaves a half-written calendar behind.
namespace CalendarWriter {

// The cities are stored in list order as IDQyteti 1, 2, ...; the one named
// selected gets ESelektuar 1. Throws ToolError or DatabaseError.
void write(const QString &path, const QList<CalendarTable::Row> &rows,
           const QList<CityOffset> &cities, const QString &selected);

} // namespace CalendarWriter
