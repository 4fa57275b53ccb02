#include "prayer/CityRows.h"

#include "astronomy/KmshCalendar.h"
#include "data/CityCalendars.h"
#include "data/PerpetualStore.h"

CityRows CityRows::ofSelected(const QSqlDatabase &db)
{
    const std::optional<qint32> key = CityCalendars::selectedKey(db);
    return key ? ofCity(db, *key) : CityRows();
}

CityRows CityRows::ofCity(const QSqlDatabase &db, qint32 cityKey)
{
    CityRows rows;
    const std::optional<CityCalendars::Entry> entry = CityCalendars::of(db, cityKey);
    if (entry && entry->calendar == QLatin1String(KmshCalendar::name))
        rows.m_own = Place{entry->name, entry->latitude, entry->longitude, entry->timeZone,
                           0,           std::nullopt,    entry->calendar};
    return rows;
}

QString CityRows::key() const
{
    if (!m_own)
        return QLatin1String(CityCalendars::table);
    return QStringLiteral("%1 %2 %3 %4")
        .arg(m_own->ownCalendar)
        .arg(m_own->latitude, 0, 'f', 4)
        .arg(m_own->longitude, 0, 'f', 4)
        .arg(m_own->timeZone);
}

QString CityRows::source(const QSqlDatabase &db) const
{
    return m_own ? KmshCalendar::source(m_own->name) : PerpetualStore::read(db).source;
}

QString CityRows::timeZone(const QSqlDatabase &db) const
{
    return m_own ? m_own->timeZone : PerpetualStore::read(db).timeZone;
}

QList<PerpetualCalendar::Row> CityRows::localRows(const QSqlDatabase &db, int year) const
{
    if (m_own)
        return KmshCalendar::localRows(*m_own, year);
    return PerpetualStore::read(db).localRows(year);
}
