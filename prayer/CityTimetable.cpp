#include "prayer/CityTimetable.h"

#include "data/CalendarConnection.h"
#include "data/DatabaseError.h"
#include "data/PerpetualStore.h"
#include "data/SqlExec.h"
#include "prayer/CityRows.h"
#include "prayer/DayTimes.h"

#include <QHash>

CityTimetable CityTimetable::selected(CalendarConnection &connection)
{
    QSqlQuery city =
        Sql::exec(connection.database(), QStringLiteral("SELECT IDQyteti, Qyteti, Minuta FROM "
                                                        "Qytetet WHERE ESelektuar = 1"));
    return read(connection, city);
}

CityTimetable CityTimetable::ofCity(CalendarConnection &connection, const QString &name)
{
    QSqlQuery city = Sql::exec(
        connection.database(),
        QStringLiteral("SELECT IDQyteti, Qyteti, Minuta FROM Qytetet WHERE Qyteti = ?"), {name});
    const CityTimetable timetable = read(connection, city);
    if (timetable.m_cityName.isEmpty())
        throw DatabaseError(
            0, QStringLiteral("Qyteti \"%1\" nuk është në listën e qyteteve.").arg(name));
    return timetable;
}

CityTimetable CityTimetable::read(CalendarConnection &connection, QSqlQuery &city)
{
    CityTimetable timetable(connection);
    const QSqlDatabase db = connection.database();
    timetable.m_perpetual = PerpetualStore::present(db);
    if (city.next()) {
        timetable.m_cityName = city.value(1).toString();
        timetable.m_minutes = city.value(2).toInt();
        if (timetable.m_perpetual)
            timetable.m_rows = CityRows::ofCity(db, city.value(0).toInt());
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
    QHash<int, std::array<QTime, 7>> rowsOfYear;
    int yearRead = 0;
    for (QDate date = first; date <= last; date = date.addDays(1)) {
        Day day{date, {}};
        if (m_perpetual) {
            if (date.year() != yearRead) {
                yearRead = date.year();
                rowsOfYear.clear();
                for (const PerpetualCalendar::Row &row : m_rows.localRows(db, yearRead))
                    rowsOfYear.insert(PerpetualCalendar::dayKey(row.day, row.month), row.times);
            }
            day.times = rowsOfYear.value(PerpetualCalendar::dayKey(date.day(), date.month()));
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
