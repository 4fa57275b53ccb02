#include "kolvira-db/CalendarWriter.h"

#include "data/BfiCalendar.h"
#include "data/CityCalendars.h"
#include "data/PerpetualStore.h"
#include "data/Schema.h"
#include "data/WholeFile.h"
#include "kolvira-db/ToolError.h"
#include "prayer/CityRows.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>

namespace CalendarWriter {

namespace {

const QString connectionName = QStringLiteral("kolvira-db-writer");

void run(QSqlQuery &query, const QString &what)
{
    if (!query.exec())
        throw ToolError(
            QStringLiteral("Shkrimi i %1 dështoi: %2").arg(what, query.lastError().text()));
}

void fill(QSqlDatabase &db, const PerpetualCalendar &calendar, const PerpetualCalendar &bfiTable,
          int year, const QList<City> &cities, const QString &selected)
{
    Schema::createEdition(db);
    if (!db.transaction())
        throw ToolError(
            QStringLiteral("Baza e re nuk mund të shkruhet: %1").arg(db.lastError().text()));

    QSqlQuery city(db);
    city.prepare(QStringLiteral(
        "INSERT INTO Qytetet (IDQyteti, Qyteti, Minuta, ESelektuar) VALUES (?, ?, ?, ?)"));
    qint32 selectedKey = 0;
    for (qsizetype i = 0; i < cities.size(); ++i) {
        const Place &place = cities[i].place;
        const auto key = qint32(i + 1);
        city.bindValue(0, key);
        city.bindValue(1, place.name);
        city.bindValue(2, cities[i].minutes);
        city.bindValue(3, place.name == selected ? 1 : 0);
        run(city, QStringLiteral("qytetit \"%1\"").arg(place.name));
        const bool onBfi = place.ownCalendar == QLatin1String(BfiCalendar::name);
        CityCalendars::add(
            db, key,
            {place.name,
             place.ownCalendar.isEmpty() ? QLatin1String(CityCalendars::table) : place.ownCalendar,
             place.latitude, place.longitude, place.timeZone,
             onBfi ? place.tableMinutes.value_or(0) : 0});
        if (place.name == selected)
            selectedKey = key;
    }

    PerpetualStore::write(db, calendar, year);
    BfiCalendar::write(db, bfiTable);
    const CityRows rows = CityRows::ofCity(db, selectedKey);
    if (rows.ownTimes())
        PerpetualStore::storeYear(db, rows.localRows(db, year), year, rows.key());

    if (!db.commit())
        throw ToolError(
            QStringLiteral("Baza e re nuk mund të ruhet: %1").arg(db.lastError().text()));
}

} // namespace

void write(const QString &path, const PerpetualCalendar &calendar,
           const PerpetualCalendar &bfiTable, int year, const QList<City> &cities,
           const QString &selected)
{
    const QFileInfo target(path);
    if (!target.absoluteDir().exists())
        throw ToolError(QStringLiteral("Dosja \"%1\" nuk ekziston.").arg(target.absolutePath()));
    if (target.isDir())
        throw ToolError(QStringLiteral("\"%1\" është dosje, jo skedar.").arg(path));

    // Made aside, then written over the target whole.
    QTemporaryFile temporary;
    if (!temporary.open())
        throw ToolError(QStringLiteral("Skedari \"%1\" nuk mund të krijohet: %2")
                            .arg(path, temporary.errorString()));
    temporary.close();

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(temporary.fileName());
        struct Remove
        {
            QSqlDatabase &db;
            ~Remove()
            {
                db.close();
                db = QSqlDatabase();
                QSqlDatabase::removeDatabase(connectionName);
            }
        } remove{db};
        if (!db.open())
            throw ToolError(QStringLiteral("Skedari \"%1\" nuk mund të hapet: %2")
                                .arg(temporary.fileName(), db.lastError().text()));
        fill(db, calendar, bfiTable, year, cities, selected);
    }

    if (!temporary.open())
        throw ToolError(QStringLiteral("Skedari \"%1\" nuk mund të lexohet: %2")
                            .arg(temporary.fileName(), temporary.errorString()));
    if (const QString failed = WholeFile::write(path, temporary.readAll()); !failed.isEmpty())
        throw ToolError(failed);
}

} // namespace CalendarWriter
