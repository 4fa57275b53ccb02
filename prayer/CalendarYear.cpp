#include "prayer/CalendarYear.h"

#include "data/CalendarConnection.h"
#include "data/DatabaseError.h"
#include "data/PerpetualStore.h"
#include "prayer/CityRows.h"

#include <algorithm>

CalendarYear::CalendarYear(CalendarConnection &connection) : m_connection(connection) {}

void CalendarYear::dayInEffectChanged(const QDate &day)
{
    if (day.isValid())
        keepRows(day.year());
}

DayTimes::Texts CalendarYear::timesOf(const QDate &day)
{
    dayInEffectChanged(day);
    if (!m_inMemory)
        return DayTimes::load(day, m_connection);
    const auto found = m_inMemory->constFind(PerpetualCalendar::dayKey(day.day(), day.month()));
    if (found != m_inMemory->constEnd())
        return *found;
    DayTimes::Texts missing;
    missing.fill(DayTimes::missingTime());
    return missing;
}

std::array<bool, DayTimes::count> CalendarYear::estimated(const QDate &day) const
{
    if (day.year() != m_year)
        return {};
    return m_estimated.value(PerpetualCalendar::dayKey(day.day(), day.month()));
}

DayTimes::Texts CalendarYear::timesAhead(const QDate &day)
{
    const QSqlDatabase db = m_connection.database();
    if (m_year == 0 || day.year() == m_year || !PerpetualStore::present(db))
        return timesOf(day);
    DayTimes::Texts texts;
    texts.fill(DayTimes::missingTime());
    for (const PerpetualCalendar::Row &row : CityRows::ofSelected(db).localRows(db, day.year()))
        if (row.day == day.day() && row.month == day.month())
            for (int i = 0; i < DayTimes::count; ++i)
                texts[i] = DayTimes::timeText(row.times[std::size_t(i)]);
    return texts;
}

void CalendarYear::keepRows(int year)
{
    QSqlDatabase db = m_connection.database();
    if (!PerpetualStore::present(db))
        return;
    // Another city's rows (its flag moved by another program) count as
    // stale as those of another year.
    const CityRows wanted = CityRows::ofSelected(db);
    if (year == m_year && wanted.key() == m_key)
        return;
    m_year = year;
    m_key = wanted.key();
    m_inMemory.reset();
    m_estimated.clear();
    m_estimateNote = wanted.estimateNote();
    // The file keeps the times, not which of them are estimates: those are
    // computed again, only where the sun can fail the method's angles.
    const bool kept =
        PerpetualStore::yearOfRows(db) == year && PerpetualStore::rowsKey(db) == m_key;
    if (kept && !wanted.mayEstimate())
        return;
    const QList<PerpetualCalendar::Row> rows = wanted.localRows(db, year);
    for (const PerpetualCalendar::Row &row : rows)
        if (std::ranges::find(row.estimated, true) != row.estimated.end())
            m_estimated.insert(PerpetualCalendar::dayKey(row.day, row.month), row.estimated);
    if (kept)
        return;
    try {
        PerpetualStore::writeYear(db, rows, year, m_key);
    } catch (const DatabaseError &e) {
        m_inMemory.emplace();
        for (const PerpetualCalendar::Row &row : rows) {
            DayTimes::Texts texts;
            for (int i = 0; i < DayTimes::count; ++i)
                texts[i] = DayTimes::timeText(row.times[std::size_t(i)]);
            m_inMemory->insert(PerpetualCalendar::dayKey(row.day, row.month), texts);
        }
        if (m_notice)
            m_notice(QStringLiteral("Kohët e namazit të vitit %1 nuk mund të ruhen në \"%2\" (%3). "
                                    "Programi i tregon gjithsesi, por skedari mbetet me kohët e "
                                    "vitit %4.")
                         .arg(year)
                         .arg(m_connection.filePath(), e.description())
                         .arg(PerpetualStore::yearOfRows(db)));
    }
}
