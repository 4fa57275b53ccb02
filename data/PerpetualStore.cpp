#include "data/PerpetualStore.h"

#include "data/DatabaseError.h"
#include "data/SqlExec.h"
#include "data/TimeColumns.h"

#include <QSqlError>
#include <QSqlQuery>

namespace PerpetualStore {

namespace {

void insertRows(QSqlDatabase &db, const QString &table, const QList<PerpetualCalendar::Row> &rows)
{
    QSqlQuery query(db);
    const QString sql = QStringLiteral("INSERT OR REPLACE INTO %1 (Dita, Muaji, %2) "
                                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                            .arg(table, TimeColumns::sqlList());
    query.prepare(sql);
    for (const PerpetualCalendar::Row &row : rows) {
        query.bindValue(0, row.day);
        query.bindValue(1, row.month);
        for (int i = 0; i < 7; ++i)
            query.bindValue(2 + i, TimeColumns::stored(row.times[std::size_t(i)]));
        if (!query.exec())
            throw DatabaseError::fromQuery(query.lastError(), sql);
    }
}

} // namespace

bool present(const QSqlDatabase &db)
{
    // The tables and columns of this release: an older file is used as it is
    // (or, as the user's copy, replaced by the installed one).
    QSqlQuery tables(db);
    if (!tables.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND "
                                    "name IN ('KoheratStandarde','Kalendari','KalendariQytetit')"
                                    " AND (name <> 'Kalendari' OR sql LIKE '%Rreshtat%')")) ||
        !tables.next() || tables.value(0).toInt() != 3)
        return false;
    QSqlQuery counts(db);
    return counts.exec(QStringLiteral("SELECT (SELECT count(*) FROM Kalendari), "
                                      "(SELECT count(*) FROM KoheratStandarde)")) &&
           counts.next() && counts.value(0).toInt() == 1 && counts.value(1).toInt() == 366;
}

PerpetualCalendar read(const QSqlDatabase &db)
{
    PerpetualCalendar calendar;
    QSqlQuery about =
        Sql::exec(db, QStringLiteral("SELECT Burimi, ZonaKohore, OraStandarde FROM Kalendari"));
    if (about.next()) {
        calendar.source = about.value(0).toString();
        calendar.timeZone = about.value(1).toString();
        calendar.standardOffset = about.value(2).toInt();
    }
    calendar.rows = readDays(db, QStringLiteral("KoheratStandarde"));
    return calendar;
}

QList<PerpetualCalendar::Row> readDays(const QSqlDatabase &db, const QString &table)
{
    QList<PerpetualCalendar::Row> rows;
    QSqlQuery days =
        Sql::exec(db, QStringLiteral("SELECT Dita, Muaji, %1 FROM %2 ORDER BY Muaji, Dita")
                          .arg(TimeColumns::sqlList(), table));
    while (days.next()) {
        PerpetualCalendar::Row row{days.value(0).toInt(), days.value(1).toInt(), {}};
        for (int i = 0; i < 7; ++i)
            row.times[std::size_t(i)] = TimeColumns::fromStored(days.value(2 + i).toString());
        rows << row;
    }
    return rows;
}

void writeDays(QSqlDatabase &db, const QString &table, const QList<PerpetualCalendar::Row> &rows)
{
    insertRows(db, table, rows);
}

int yearOfRows(const QSqlDatabase &db)
{
    QSqlQuery query = Sql::exec(db, QStringLiteral("SELECT Viti FROM Kalendari"));
    return query.next() ? query.value(0).toInt() : 0;
}

QString rowsKey(const QSqlDatabase &db)
{
    QSqlQuery query = Sql::exec(db, QStringLiteral("SELECT Rreshtat FROM Kalendari"));
    return query.next() ? query.value(0).toString() : QString();
}

void write(QSqlDatabase &db, const PerpetualCalendar &calendar, int year)
{
    Sql::exec(db, QStringLiteral("DELETE FROM Kalendari"));
    Sql::exec(db,
              QStringLiteral("INSERT INTO Kalendari (Burimi, ZonaKohore, OraStandarde, Viti) "
                             "VALUES (?, ?, ?, ?)"),
              {calendar.source, calendar.timeZone, calendar.standardOffset, year});
    insertRows(db, QStringLiteral("KoheratStandarde"), calendar.rows);
    insertRows(db, QStringLiteral("kolvira"), calendar.localRows(year));
}

void writeYear(QSqlDatabase &db, const QList<PerpetualCalendar::Row> &local, int year,
               const QString &key)
{
    if (!db.transaction())
        throw DatabaseError::fromQuery(db.lastError(), QStringLiteral("BEGIN"));
    try {
        storeYear(db, local, year, key);
        if (!db.commit())
            throw DatabaseError::fromQuery(db.lastError(), QStringLiteral("COMMIT"));
    } catch (...) {
        db.rollback();
        throw;
    }
}

void storeYear(QSqlDatabase &db, const QList<PerpetualCalendar::Row> &local, int year,
               const QString &key)
{
    insertRows(db, QStringLiteral("kolvira"), local);
    Sql::exec(db, QStringLiteral("UPDATE Kalendari SET Viti = ?, Rreshtat = ?"), {year, key});
}

} // namespace PerpetualStore
