#pragma once

#include "calendar/Clock.h"

#include <QStringList>
#include <QTextStream>

// "kolvira-db generate OUT [options]": computes the calendar of a year for
// the reference place, the offsets of all cities, writes the database and
// reports the offsets, their largest drift and the time taken.
namespace GenerateCommand {

// The exit status; failures throw ToolError, UsageError or DatabaseError.
// Without --year the clock's current year is computed.
int run(const QStringList &words, QTextStream &out, const Clock &clock);

} // namespace GenerateCommand
