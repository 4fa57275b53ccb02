#include "prayer/CityTimetable.h"

#include "data/CalendarConnection.h"
#include "data/PerpetualStore.h"
#include "data/SqlExec.h"
#include "prayer/CityRows.h"
#include "prayer/DayTimes.h"

#include <QHash>

namespace {

int dayKey(int day, int month)
{
    return month * 100 + day;
}

} // namespace

CityTimetable CityTimetable::selected(CalendarConnection &connection)
{
    CityTimetable timetable(connection);
    const QSqlDatabase db = connection.database();
    QSqlQuery city =
        Sql::exec(db, QStringLiteral("SELECT Qyteti, Minuta FROM Qytetet WHERE ESelektuar = 1"));
    if (city.next()) {
        timetable.m_cityName = city.value(0).toString();
        timetable.m_minutes = city.value(1).toInt();
    }
    if (PerpetualStore::present(db)) {
        const CityRows rows = CityRows::ofSelected(db);
        timetable.m_source = rows.source(db);
        timetable.m_timeZone = rows.timeZone(db);
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
    const CityRows rows = perpetual ? CityRows::ofSelected(db) : CityRows();
    QHash<int, std::array<QTime, 7>> rowsOfYear;
    int yearRead = 0;
    for (QDate date = first; date <= last; date = date.addDays(1)) {
        Day day{date, {}};
        if (perpetual) {
            if (date.year() != yearRead) {
                yearRead = date.year();
                rowsOfYear.clear();
                for (const PerpetualCalendar::Row &row : rows.localRows(db, yearRead))
                    rowsOfYear.insert(dayKey(row.day, row.month), row.times);
            }
            day.times = rowsOfYear.value(dayKey(date.day(), date.month()));
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
