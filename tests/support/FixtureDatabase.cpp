#include "support/FixtureDatabase.h"

#include "data/ConnectionText.h"
#include "data/Schema.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

namespace {

void run(QSqlQuery &query)
{
    if (!query.exec())
        qFatal("fixture SQL failed: %s: %s", qPrintable(query.lastQuery()),
               qPrintable(query.lastError().text()));
}

} // namespace

FixtureDatabase::FixtureDatabase()
    : m_connectionName(QStringLiteral("fixture-") + QUuid::createUuid().toString())
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(filePath());
    if (!db.open())
        qFatal("cannot create fixture database");
    Schema::create(db);
    db.close();
}

FixtureDatabase::~FixtureDatabase()
{
    QSqlDatabase::removeDatabase(m_connectionName);
}

QString FixtureDatabase::filePath() const
{
    return m_dir.filePath(QLatin1String(ConnectionText::databaseFileName));
}

QString FixtureDatabase::connectionText() const
{
    return ConnectionText::forFolder(m_dir.path());
}

void FixtureDatabase::exec(const QString &sql)
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName);
    QSqlQuery query(db);
    if (!query.exec(sql))
        qFatal("fixture SQL failed: %s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    query.finish();
    db.close();
}

QList<QString> FixtureDatabase::column(const QString &sql)
{
    QList<QString> values;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName);
        QSqlQuery query(db);
        if (!query.exec(sql))
            qFatal("fixture SQL failed: %s", qPrintable(query.lastError().text()));
        while (query.next())
            values << query.value(0).toString();
    }
    QSqlDatabase::database(m_connectionName).close();
    return values;
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
    QSqlDatabase db = QSqlDatabase::database(m_connectionName);
    {
        QSqlQuery query(db);
        query.prepare(QStringLiteral(
            "INSERT INTO Qytetet (IDQyteti, Qyteti, Minuta, ESelektuar) VALUES (?, ?, ?, ?)"));
        query.addBindValue(city.id);
        query.addBindValue(city.name);
        query.addBindValue(city.minutes);
        query.addBindValue(city.selected ? 1 : 0);
        run(query);
    }
    db.close();
}

void FixtureDatabase::addDay(const Day &day)
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName);
    {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO kolvira VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        query.addBindValue(day.day);
        query.addBindValue(day.month);
        for (const QString &t : day.times)
            query.addBindValue(t.isEmpty() ? QVariant(QMetaType::fromType<QString>())
                                           : QVariant(t));
        run(query);
    }
    db.close();
}

void FixtureDatabase::addWholeYear(const std::array<QString, 7> &times)
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName);
    db.transaction();
    for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1)) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO kolvira VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        query.addBindValue(d.day());
        query.addBindValue(d.month());
        for (const QString &t : times)
            query.addBindValue(t);
        run(query);
    }
    db.commit();
    db.close();
}

QList<FixtureDatabase::City> FixtureDatabase::standardCities()
{
    return {
        {1, QStringLiteral("Prishtinë"), 0, true},      {2, QStringLiteral("Prizren"), -1, false},
        {3, QStringLiteral("Prizreni i Ri"), 2, false}, {4, QStringLiteral("Tiranë"), 5, false},
        {5, QStringLiteral("Shkodër"), 4, false},
    };
}
