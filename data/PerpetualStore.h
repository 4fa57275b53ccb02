#pragma once

#include "data/PerpetualCalendar.h"

#include <QSqlDatabase>

// The perpetual calendar in the database, beside the kolvira rows it makes:
// table KoheratStandarde holds its days, table Kalendari one row saying what
// the kolvira rows are (source, zone, the year they are written for). Every
// failure throws DatabaseError.
namespace PerpetualStore {

// True when the file holds a whole perpetual calendar with this release's
// tables (the description row, 366 days, the cities' calendars). A file
// without one is used as it is.
bool present(const QSqlDatabase &db);
PerpetualCalendar read(const QSqlDatabase &db);
// The days of a table with the columns of KoheratStandarde, in calendar
// order, and their writing within the caller's transaction.
QList<PerpetualCalendar::Row> readDays(const QSqlDatabase &db, const QString &table);
void writeDays(QSqlDatabase &db, const QString &table, const QList<PerpetualCalendar::Row> &rows);
// The year whose summer time the kolvira rows hold.
int yearOfRows(const QSqlDatabase &db);
// Whose times the kolvira rows are: CityCalendars::table for the perpetual
// calendar's, else the key of a city's own calendar.
QString rowsKey(const QSqlDatabase &db);

// Writes the calendar, its description and kolvira's rows of the year into
// a new file, within the caller's transaction.
void write(QSqlDatabase &db, const PerpetualCalendar &calendar, int year);
// Makes kolvira hold these local rows of the year, whose times the key
// names, in one transaction that touches no other table but the
// description; on failure nothing is changed.
void writeYear(QSqlDatabase &db, const QList<PerpetualCalendar::Row> &local, int year,
               const QString &key);
// The same within the caller's transaction.
void storeYear(QSqlDatabase &db, const QList<PerpetualCalendar::Row> &local, int year,
               const QString &key);

} // namespace PerpetualStore
