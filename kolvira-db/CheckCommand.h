#pragma once

#include <QStringList>
#include <QTextStream>

// "kolvira-db check FILE": lists the faults of a calendar database.
namespace CheckCommand {

// 0 when the file is sound, 1 when it has faults or is no calendar database;
// a missing file throws ToolError.
int run(const QStringList &words, QTextStream &out);

} // namespace CheckCommand
