#include "data/CityCalendars.h"

#include "data/SqlExec.h"

#include <QSqlRecord>

namespace CityCalendars {

std::optional<Entry> of(const QSqlDatabase &db, qint32 cityKey)
{
    // A file of an earlier edition has no town minutes.
    QSqlQuery query = Sql::exec(db,
                                QStringLiteral("SELECT q.Qyteti, k.* FROM Qytetet q JOIN "
                                               "KalendariQytetit k ON k.IDQyteti = q.IDQyteti "
                                               "WHERE q.IDQyteti = ?"),
                                {cityKey});
    if (!query.next())
        return std::nullopt;
    const QSqlRecord record = query.record();
    const auto field = [&](const char *name) {
        const int index = record.indexOf(QLatin1String(name));
        return index < 0 ? QVariant() : query.value(index);
    };
    return Entry{query.value(0).toString(),      field("Kalendari").toString(),
                 field("Gjeresia").toDouble(),   field("Gjatesia").toDouble(),
                 field("ZonaKohore").toString(), field("Minutat").toInt()};
}

void add(QSqlDatabase &db, qint32 cityKey, const Entry &entry)
{
    Sql::exec(
        db,
        QStringLiteral("INSERT INTO KalendariQytetit (IDQyteti, Kalendari, Gjeresia, Gjatesia, "
                       "ZonaKohore, Minutat) VALUES (?, ?, ?, ?, ?, ?)"),
        {cityKey, entry.calendar, entry.latitude, entry.longitude, entry.timeZone, entry.minutes});
}

} // namespace CityCalendars
