#pragma once

#include "data/PerpetualCalendar.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

// The calendar of the Islamic Religious Community of North Macedonia
// (Bashkësia Fetare Islame, BFI): its yearly table of Shkup, the same every
// year once summer time is taken out, kept in table KoheratBFI. Each town of
// North Macedonia takes its own times from it by the minutes the
// community's imsakija prints for it. Every failure throws DatabaseError.
namespace BfiCalendar {

inline constexpr char name[] = "bfi";
inline constexpr char timeZone[] = "Europe/Skopje";
inline constexpr int standardOffset = 3600; // UTC+1
inline constexpr char table[] = "KoheratBFI";
// The longitude of the table's town, Shkup, in degrees east.
inline constexpr double tableLongitude = 21.4317;

// True when the file holds the whole table (366 days).
bool present(const QSqlDatabase &db);
// The table in the standard time of North Macedonia.
PerpetualCalendar read(const QSqlDatabase &db);
// Writes the table, within the caller's transaction.
void write(QSqlDatabase &db, const PerpetualCalendar &calendar);
// The town's times of the year: the table's rows of the year, with its
// summer time, moved by the town's minutes.
QList<PerpetualCalendar::Row> localRows(const QSqlDatabase &db, int townMinutes, int year);
// Where a town's times come from, as the window and the files name it.
QString source(const QString &town, int townMinutes);

} // namespace BfiCalendar
