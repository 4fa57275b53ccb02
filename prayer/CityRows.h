#pragma once

#include "astronomy/Place.h"
#include "astronomy/PlaceCalendar.h"
#include "data/PerpetualCalendar.h"
#include "data/UserPlaces.h"

#include <QSqlDatabase>
#include <QString>
#include <QtGlobal>

#include <optional>

// What the kolvira rows hold for a city: the perpetual calendar's times,
// which the city's adhan follows by its minutes; or, for a city that keeps a
// calendar computed for itself (Albania's) or a place the user added, that
// place's own times; or, for a town of North Macedonia, BFI's table moved by
// the town's minutes, its own times too. On top, what the user set to follow a mosque: a
// mosque's imported table for the days it gives, and minutes added to each
// time.
class CityRows
{
public:
    // For the selected city, or for the city with the key. A city the file
    // gives no calendar of keeps the perpetual calendar. Throws DatabaseError.
    static CityRows ofSelected(const QSqlDatabase &db);
    static CityRows ofCity(const QSqlDatabase &db, qint32 cityKey);

    // Names whose times the rows are, as stored beside them: equal keys mean
    // equal rows in every year.
    QString key() const;
    bool ownTimes() const { return m_own.has_value() || m_bfiMinutes.has_value(); }
    // Where the times come from, and the zone whose clock they follow.
    QString source(const QSqlDatabase &db) const;
    QString timeZone(const QSqlDatabase &db) const;
    // The rows of the year in the clock time of the calendar's zone.
    // Throws DatabaseError, or CalculationError for a city whose times
    // cannot be computed.
    QList<PerpetualCalendar::Row> localRows(const QSqlDatabase &db, int year) const;
    // The calendar's rows of the year without the mosque's table and the
    // minutes: what the days the table lacks follow.
    QList<PerpetualCalendar::Row> calendarRows(const QSqlDatabase &db, int year) const;
    // Whether some of its times can be a high-latitude rule's estimates
    // (Row::estimated), and what such a time is, in Albanian.
    bool mayEstimate() const;
    QString estimateNote() const { return PlaceCalendar::estimateNote(m_method); }
    // How many days of the year the mosque's table gives (0 without one).
    int mosqueDays() const { return int(m_mosque.size()); }

private:
    std::optional<Place> m_own;
    CalendarMethod m_method;         // of m_own
    std::optional<int> m_bfiMinutes; // a town of BFI's calendar: its minutes
    QString m_cityName;
    UserPlaces::Minutes m_minutes{};
    QString m_tableName;
    QList<PerpetualCalendar::Row> m_mosque; // standard time of the zone
};
