#include "data/CityCalendars.h"

#include "data/SqlExec.h"

namespace CityCalendars {

std::optional<Entry> of(const QSqlDatabase &db, qint32 cityKey)
{
    QSqlQuery query =
        Sql::exec(db,
                  QStringLiteral("SELECT q.Qyteti, k.Kalendari, k.Gjeresia, k.Gjatesia, "
                                 "k.ZonaKohore FROM Qytetet q JOIN KalendariQytetit k "
                                 "ON k.IDQyteti = q.IDQyteti WHERE q.IDQyteti = ?"),
                  {cityKey});
    if (!query.next())
        return std::nullopt;
    return Entry{query.value(0).toString(), query.value(1).toString(), query.value(2).toDouble(),
                 query.value(3).toDouble(), query.value(4).toString()};
}

void add(QSqlDatabase &db, qint32 cityKey, const Entry &entry)
{
    Sql::exec(
        db,
        QStringLiteral("INSERT INTO KalendariQytetit (IDQyteti, Kalendari, Gjeresia, Gjatesia, "
                       "ZonaKohore) VALUES (?, ?, ?, ?, ?)"),
        {cityKey, entry.calendar, entry.latitude, entry.longitude, entry.timeZone});
}

} // namespace CityCalendars
