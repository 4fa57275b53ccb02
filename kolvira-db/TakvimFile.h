#pragma once

#include "data/PerpetualCalendar.h"

#include <QByteArray>
#include <QString>

// The official calendar kept in the sources (data/kosova-takvimi.tsv): its
// first comment line names the source, then a header line and one line per
// day and month ("day, month, seven times hh:mm" in standard time, tab
// separated). Every fault throws ToolError naming the line.
namespace TakvimFile {

inline constexpr const char *timeZone = "Europe/Belgrade";
inline constexpr int standardOffset = 3600; // UTC+1

PerpetualCalendar parse(const QByteArray &utf8, const QString &source);
// The table built into the tool.
PerpetualCalendar builtIn();
// The table of North Macedonia's community (data/bfi-takvimi.tsv), in the
// same form, in the standard time of Europe/Skopje; one dawn time serves as
// both Imsaku and Fexhri.
PerpetualCalendar builtInBfi();

// A printed edition ("yyyy-MM-dd" and seven times a line, in the clock time
// of Kosovo with that year's summer time) as the file above: summer time
// taken out, a missing 29 February the midpoint of its neighbours, rounded
// up on a half minute.
QByteArray fromPrinted(const QByteArray &utf8, const QString &source);

} // namespace TakvimFile
