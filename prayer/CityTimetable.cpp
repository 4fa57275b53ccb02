#include "prayer/CityTimetable.h"

#include "astronomy/CityNames.h"
#include "data/CalendarConnection.h"
#include "data/DatabaseError.h"
#include "data/PerpetualStore.h"
#include "data/SelectedCity.h"
#include "prayer/CityRows.h"
#include "prayer/DayTimes.h"

#include <QHash>

CityTimetable CityTimetable::selected(CalendarConnection &connection)
{
    return read(connection, SelectedCity::read(connection.database()));
}

CityTimetable CityTimetable::ofCity(CalendarConnection &connection, const QString &name)
{
    std::optional<SelectedCity> city = SelectedCity::named(connection.database(), name);
    // A town of the list is found by any name people write for it.
    if (const std::optional<QString> town = CityNames::townNamed(name); !city && town)
        city = SelectedCity::named(connection.database(), *town);
    if (!city)
        throw DatabaseError(
            0, QStringLiteral("Qyteti \"%1\" nuk është në listën e qyteteve.").arg(name));
    return read(connection, city);
}

CityTimetable CityTimetable::read(CalendarConnection &connection,
                                  const std::optional<SelectedCity> &city)
{
    CityTimetable timetable(connection);
    const QSqlDatabase db = connection.database();
    timetable.m_perpetual = PerpetualStore::present(db);
    if (city) {
        timetable.m_cityName = city->name;
        timetable.m_minutes = city->minutes;
        if (timetable.m_perpetual)
            timetable.m_rows = CityRows::ofCity(db, city->key);
    }
    if (timetable.m_perpetual) {
        timetable.m_source = timetable.m_rows.source(db);
        timetable.m_timeZone = timetable.m_rows.timeZone(db);
    }
    return timetable;
}

QList<CityTimetable::Day> CityTimetable::days(const QDate &first, const QDate &last) const
{
    QList<Day> result;
    if (!first.isValid() || !last.isValid() || last < first)
        return result;
    const QSqlDatabase db = m_connection->database();
    QHash<int, PerpetualCalendar::Row> rowsOfYear;
    int yearRead = 0;
    for (QDate date = first; date <= last; date = date.addDays(1)) {
        Day day{date, {}};
        if (m_perpetual) {
            if (date.year() != yearRead) {
                yearRead = date.year();
                rowsOfYear.clear();
                for (const PerpetualCalendar::Row &row : m_rows.localRows(db, yearRead))
                    rowsOfYear.insert(PerpetualCalendar::dayKey(row.day, row.month), row);
            }
            const PerpetualCalendar::Row row =
                rowsOfYear.value(PerpetualCalendar::dayKey(date.day(), date.month()));
            day.times = row.times;
            day.estimated = row.estimated;
        } else {
            // A file without a perpetual calendar has only the rows it holds.
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
