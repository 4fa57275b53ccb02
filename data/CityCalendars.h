#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QtGlobal>

#include <optional>

// Which calendar each city keeps and where it lies (table KalendariQytetit).
// Every failure throws DatabaseError.
namespace CityCalendars {

// The calendar's own table, the city's adhan moved by its minutes.
inline constexpr char table[] = "tabela";

struct Entry
{
    QString name;     // the city's name in Qytetet
    QString calendar; // table, or the name of a calendar computed for the city
    double latitude = 0;
    double longitude = 0;
    QString timeZone;
    int minutes = 0; // a town's minutes against its community's table (BFI's)
};

// The city's entry; none for a city the table does not name.
std::optional<Entry> of(const QSqlDatabase &db, qint32 cityKey);
// Adds the city's entry, within the caller's transaction.
void add(QSqlDatabase &db, qint32 cityKey, const Entry &entry);

} // namespace CityCalendars
