#include "data/UserPlaces.h"

#include "data/Schema.h"
#include "data/SqlExec.h"
#include "data/TimeColumns.h"

namespace UserPlaces {

namespace {

bool tablesExist(const QSqlDatabase &db)
{
    QSqlQuery query = Sql::exec(db, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE "
                                                   "type = 'table' AND name IN ('VendetEBotes', "
                                                   "'RregullimetEVendit', 'TabelaEXhamise')"));
    return query.next() && query.value(0).toInt() == 3;
}

// An empty text as the columns hold it: Qt binds a null one as NULL.
QString text(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

void keepAdjustmentsRow(QSqlDatabase &db, qint32 key)
{
    Sql::exec(db, QStringLiteral("INSERT OR IGNORE INTO RregullimetEVendit (IDQyteti) VALUES (?)"),
              {key});
}

} // namespace

std::optional<WorldPlace> worldPlace(const QSqlDatabase &db, qint32 key)
{
    if (!tablesExist(db))
        return std::nullopt;
    QSqlQuery query = Sql::exec(
        db,
        QStringLiteral("SELECT Gjeresia, Gjatesia, ZonaKohore, Shteti, Metoda, GjeresiteELarta, "
                       "HijaEAsrit FROM VendetEBotes WHERE IDQyteti = ?"),
        {key});
    if (!query.next())
        return std::nullopt;
    return WorldPlace{query.value(0).toDouble(), query.value(1).toDouble(),
                      query.value(2).toString(), query.value(3).toString(),
                      query.value(4).toString(), query.value(5).toString(),
                      query.value(6).toInt()};
}

Adjustments adjustments(const QSqlDatabase &db, qint32 key)
{
    Adjustments result;
    if (!tablesExist(db))
        return result;
    QSqlQuery query = Sql::exec(
        db, QStringLiteral("SELECT Minutat, Tabela FROM RregullimetEVendit WHERE IDQyteti = ?"),
        {key});
    if (query.next()) {
        result.minutes = minutesFromText(query.value(0).toString());
        result.tableName = query.value(1).toString();
    }
    return result;
}

QList<PerpetualCalendar::Row> mosqueTable(const QSqlDatabase &db, qint32 key)
{
    QList<PerpetualCalendar::Row> rows;
    if (!tablesExist(db))
        return rows;
    QSqlQuery query = Sql::exec(db,
                                QStringLiteral("SELECT Dita, Muaji, %1 FROM TabelaEXhamise WHERE "
                                               "IDQyteti = ? ORDER BY Muaji, Dita")
                                    .arg(TimeColumns::sqlList()),
                                {key});
    while (query.next()) {
        PerpetualCalendar::Row row{query.value(0).toInt(), query.value(1).toInt(), {}};
        for (int i = 0; i < TimeColumns::count; ++i)
            row.times[std::size_t(i)] = TimeColumns::fromStored(query.value(2 + i).toString());
        rows << row;
    }
    return rows;
}

void ensureTables(QSqlDatabase &db)
{
    if (!tablesExist(db))
        Schema::create(db);
}

qint32 add(QSqlDatabase &db, const QString &name, const WorldPlace &place)
{
    ensureTables(db);
    // The same place added again keeps its key, its table and its minutes.
    QSqlQuery same = Sql::exec(db,
                               QStringLiteral("SELECT IDQyteti FROM VendetEBotes WHERE "
                                              "abs(Gjeresia - ?) < 0.00005 AND "
                                              "abs(Gjatesia - ?) < 0.00005 AND ZonaKohore = ?"),
                               {place.latitude, place.longitude, place.timeZone});
    if (same.next()) {
        const qint32 key = same.value(0).toInt();
        setMethod(db, key, place);
        return key;
    }
    // Another place of the same name keeps its own: this one is told by its country.
    QSqlQuery taken =
        Sql::exec(db, QStringLiteral("SELECT count(*) FROM Qytetet WHERE Qyteti = ?"), {name});
    const QString listed = taken.next() && taken.value(0).toInt() > 0 && !place.country.isEmpty()
                               ? QStringLiteral("%1 (%2)").arg(name, place.country)
                               : name;
    QSqlQuery last = Sql::exec(db, QStringLiteral("SELECT max(IDQyteti) FROM Qytetet"));
    const qint32 key = qMax(firstKey, (last.next() ? last.value(0).toInt() : 0) + 1);
    Sql::exec(db,
              QStringLiteral("INSERT INTO Qytetet (IDQyteti, Qyteti, Minuta, ESelektuar) "
                             "VALUES (?, ?, 0, 0)"),
              {key, listed});
    Sql::exec(db,
              QStringLiteral("INSERT INTO VendetEBotes (IDQyteti, Gjeresia, Gjatesia, ZonaKohore, "
                             "Shteti, Metoda, GjeresiteELarta, HijaEAsrit) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
              {key, place.latitude, place.longitude, place.timeZone, text(place.country),
               place.method, text(place.highLatitude), place.asrShadow});
    return key;
}

void setMethod(QSqlDatabase &db, qint32 key, const WorldPlace &place)
{
    Sql::exec(db,
              QStringLiteral("UPDATE VendetEBotes SET Metoda = ?, GjeresiteELarta = ?, "
                             "HijaEAsrit = ? WHERE IDQyteti = ?"),
              {place.method, text(place.highLatitude), place.asrShadow, key});
}

void remove(QSqlDatabase &db, qint32 key)
{
    ensureTables(db);
    for (const char *table : {"TabelaEXhamise", "RregullimetEVendit", "VendetEBotes", "Qytetet"})
        Sql::exec(db, QStringLiteral("DELETE FROM %1 WHERE IDQyteti = ?").arg(QLatin1String(table)),
                  {key});
}

void setMinutes(QSqlDatabase &db, qint32 key, const Minutes &minutes)
{
    ensureTables(db);
    keepAdjustmentsRow(db, key);
    Sql::exec(db, QStringLiteral("UPDATE RregullimetEVendit SET Minutat = ? WHERE IDQyteti = ?"),
              {minutesText(minutes), key});
}

void setMosqueTable(QSqlDatabase &db, qint32 key, const QList<PerpetualCalendar::Row> &rows,
                    const QString &tableName)
{
    ensureTables(db);
    keepAdjustmentsRow(db, key);
    Sql::exec(db, QStringLiteral("UPDATE RregullimetEVendit SET Tabela = ? WHERE IDQyteti = ?"),
              {text(tableName), key});
    Sql::exec(db, QStringLiteral("DELETE FROM TabelaEXhamise WHERE IDQyteti = ?"), {key});
    const QString insert = QStringLiteral("INSERT INTO TabelaEXhamise (IDQyteti, Dita, Muaji, %1) "
                                          "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                               .arg(TimeColumns::sqlList());
    for (const PerpetualCalendar::Row &row : rows) {
        QVariantList values{key, row.day, row.month};
        for (const QTime &time : row.times)
            values << TimeColumns::stored(time);
        Sql::exec(db, insert, values);
    }
}

QString minutesText(const Minutes &minutes)
{
    QStringList parts;
    for (int m : minutes)
        parts << QString::number(m);
    return parts.join(QLatin1Char(' '));
}

Minutes minutesFromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    Minutes minutes{};
    if (parts.size() != int(minutes.size()))
        return {};
    for (std::size_t i = 0; i < minutes.size(); ++i) {
        bool ok = false;
        minutes[i] = parts[qsizetype(i)].toInt(&ok);
        if (!ok || minutes[i] < -30 || minutes[i] > 30)
            return {};
    }
    return minutes;
}

} // namespace UserPlaces
