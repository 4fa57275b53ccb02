#pragma once

#include <QStringList>
#include <QTextStream>

// "kolvira-db timetable FILE --city NAME --year Y [--month M] (--pdf OUT | --ics OUT)":
// a city's timetable of a month or a year as a PDF to print or an iCalendar
// file, without a window.
namespace TimetableCommand {

// 0 when written; throws UsageError for a wrong command line, ToolError or
// DatabaseError when the file cannot be read or written.
int run(const QStringList &words, QTextStream &out);

} // namespace TimetableCommand
