#pragma once

#include <QStringList>
#include <QTextStream>

// kolvira-db import DATABASE --place NAME TABLE: keeps a mosque's printed
// yearly table as the place's calendar, as the city window does. Throws
// UsageError, ToolError or the program's own failures.
namespace ImportCommand {

int run(const QStringList &words, QTextStream &out);

} // namespace ImportCommand
