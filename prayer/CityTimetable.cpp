#include "prayer/CityTimetable.h"

#include "data/CalendarConnection.h"
#include "data/DatabaseError.h"
#include "data/PerpetualStore.h"
#include "prayer/DayTimes.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

namespace {

int dayKey(int day, int month)
{
    return month * 100 + day;
}

} // namespace

CityTimetable CityTimetable::selected(CalendarConnection &connection)
{
    QSqlQuery city(connection.database());
    const QString sql = QStringLiteral("SELECT Qyteti, Minuta FROM Qytetet WHERE ESelektuar = 1");
    if (!city.exec(sql))
        throw DatabaseError::fromQuery(city.lastError(), sql);
    return read(connection, city);
}

CityTimetable CityTimetable::ofCity(CalendarConnection &connection, const QString &name)
{
    QSqlQuery city(connection.database());
    const QString sql = QStringLiteral("SELECT Qyteti, Minuta FROM Qytetet WHERE Qyteti = ?");
    city.prepare(sql);
    city.addBindValue(name);
    if (!city.exec())
        throw DatabaseError::fromQuery(city.lastError(), sql);
    const CityTimetable timetable = read(connection, city);
    if (timetable.m_cityName.isEmpty())
        throw DatabaseError(
            0, QStringLiteral("Qyteti \"%1\" nuk është në listën e qyteteve.").arg(name));
    return timetable;
}

CityTimetable CityTimetable::read(CalendarConnection &connection, QSqlQuery &city)
{
    CityTimetable timetable(connection);
    if (city.next()) {
        timetable.m_cityName = city.value(0).toString();
        timetable.m_minutes = city.value(1).toInt();
    }
    const QSqlDatabase db = connection.database();
    if (PerpetualStore::present(db)) {
        const PerpetualCalendar calendar = PerpetualStore::read(db);
        timetable.m_source = calendar.source;
        timetable.m_timeZone = calendar.timeZone;
    }
    return timetable;
}

QList<CityTimetable::Day> CityTimetable::days(const QDate &first, const QDate &last) const
{
    QList<Day> result;
    if (!first.isValid() || !last.isValid() || last < first)
        return result;
    const QSqlDatabase db = m_connection->database();
    const bool perpetual = PerpetualStore::present(db);
    const PerpetualCalendar calendar = perpetual ? PerpetualStore::read(db) : PerpetualCalendar{};
    QHash<int, std::array<QTime, 7>> rowsOfYear;
    int yearRead = 0;
    for (QDate date = first; date <= last; date = date.addDays(1)) {
        Day day{date, {}};
        if (perpetual) {
            if (date.year() != yearRead) {
                yearRead = date.year();
                rowsOfYear.clear();
                for (const PerpetualCalendar::Row &row : calendar.localRows(yearRead))
                    rowsOfYear.insert(dayKey(row.day, row.month), row.times);
            }
            day.times = rowsOfYear.value(dayKey(date.day(), date.month()));
        } else {
            const DayTimes::Texts texts = DayTimes::load(date, *m_connection);
            for (int i = 0; i < DayTimes::count; ++i)
                day.times[std::size_t(i)] = QTime::fromString(texts[i], QStringLiteral("HH:mm"));
        }
        for (QTime &time : day.times)
            if (time.isValid())
                time = time.addSecs(60 * m_minutes);
        result << day;
    }
    return result;
}
