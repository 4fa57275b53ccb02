#include "support/FixtureDatabase.h"

#include "data/PerpetualStore.h"
#include "data/Schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace {

const QString insertDay = QStringLiteral("INSERT INTO kolvira VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");

QSqlQuery exec(QSqlDatabase &db, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        qFatal("test SQL failed: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    return query;
}

} // namespace

void SqlFile::withFile(const QString &file, const std::function<void(QSqlDatabase &)> &work)
{
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (!db.open())
            qFatal("cannot open %s: %s", qPrintable(file), qPrintable(db.lastError().text()));
        work(db);
    }
    QSqlDatabase::removeDatabase(name);
}

void SqlFile::run(const QString &file, const QString &sql, const QList<QVariantList> &rows)
{
    withFile(file, [&](QSqlDatabase &db) {
        db.transaction();
        for (const QVariantList &values : rows)
            exec(db, sql, values);
        db.commit();
    });
}

QList<QString> SqlFile::rows(const QString &file, const QString &sql)
{
    QList<QString> found;
    withFile(file, [&](QSqlDatabase &db) {
        QSqlQuery query = exec(db, sql);
        while (query.next()) {
            QStringList columns;
            for (int i = 0; i < query.record().count(); ++i)
                columns << query.value(i).toString();
            found << columns.join(QLatin1Char('|'));
        }
    });
    return found;
}

FixtureDatabase::FixtureDatabase(Content content)
{
    SqlFile::withFile(filePath(), [](QSqlDatabase &db) { Schema::create(db); });
    if (content == Empty)
        return;
    for (const City &city : QList<City>{{1, QStringLiteral("Prishtinë"), 0, true},
                                        {2, QStringLiteral("Prizren"), -1, false},
                                        {3, QStringLiteral("Prizreni i Ri"), 2, false},
                                        {4, QStringLiteral("Tiranë"), 5, false},
                                        {5, QStringLiteral("Shkodër"), 4, false}})
        addCity(city);
    if (content == CitiesAndDays) {
        addDay(6, 12, "05:07:00 05:17:00 06:55:00 11:37:00 13:57:00 16:10:00 17:07:00");
        addDay(29, 2, "04:50:00 05:00:00 06:30:00 12:00:00 14:50:00 17:45:00 19:15:00");
    }
}

void FixtureDatabase::selectCities(const QString &ids)
{
    exec(QStringLiteral("UPDATE Qytetet SET ESelektuar = IDQyteti IN (%1)").arg(ids));
}

QList<int> FixtureDatabase::selectedCityIds()
{
    QList<int> ids;
    for (const QString &id :
         column(QStringLiteral("SELECT IDQyteti FROM Qytetet WHERE ESelektuar ORDER BY IDQyteti")))
        ids << id.toInt();
    return ids;
}

void FixtureDatabase::addCity(const City &city)
{
    exec(QStringLiteral(
             "INSERT INTO Qytetet (IDQyteti, Qyteti, Minuta, ESelektuar) VALUES (?, ?, ?, ?)"),
         {city.id, city.name, city.minutes, city.selected ? 1 : 0});
}

void FixtureDatabase::addDay(int day, int month, const QString &times)
{
    QVariantList values{day, month};
    for (const QString &time : times.split(QLatin1Char(' ')))
        values << time;
    exec(insertDay, values);
}

void FixtureDatabase::addWholeYear(
    const std::function<std::array<QString, 7>(const QDate &)> &timesOf)
{
    QList<QVariantList> rows;
    for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1)) {
        rows.append({d.day(), d.month()});
        for (const QString &time : timesOf(d))
            rows.last() << time;
    }
    SqlFile::run(filePath(), insertDay, rows);
}

void FixtureDatabase::addPerpetual(int year, const std::array<QString, 7> &standardTimes)
{
    PerpetualCalendar calendar{
        QStringLiteral("provë"), QStringLiteral("Europe/Belgrade"), 3600, {}};
    for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1)) {
        calendar.rows.append({d.day(), d.month(), {}});
        for (std::size_t i = 0; i < 7; ++i)
            calendar.rows.last().times[i] =
                QTime::fromString(standardTimes[i], QStringLiteral("HH:mm"));
    }
    SqlFile::withFile(filePath(), [&](QSqlDatabase &db) {
        db.transaction();
        PerpetualStore::write(db, calendar, year);
        db.commit();
    });
}
