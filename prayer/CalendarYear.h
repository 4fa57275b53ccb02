#pragma once

#include "prayer/DayTimes.h"

#include <QDate>
#include <QHash>
#include <QString>

#include <functional>
#include <optional>

class CalendarConnection;

// Keeps the times the program shows right for the year in effect and the
// selected city. A database with a perpetual calendar gets its kolvira rows
// rewritten for the year, with that year's summer time, whenever the year in
// effect is not the one they were written for, or they are not the selected
// city's (see CityRows); the rewrite is one transaction that touches no city. When
// the file cannot take it (write-protected, locked), the year's times are
// derived in memory and the user is told once why they could not be kept. A
// database without a perpetual calendar is read as it is.
class CalendarYear
{
public:
    using Notice = std::function<void(const QString &)>;

    explicit CalendarYear(CalendarConnection &connection);

    // The day in effect changed to this day: renews the rows when they are
    // not those of its year and the selected city.
    void dayInEffectChanged(const QDate &day);
    // The day's seven times, from the rows of the day's year.
    DayTimes::Texts timesOf(const QDate &day);
    // A day looked at ahead: of the year in effect as timesOf(); of another
    // year derived in memory, the year in effect and the file untouched.
    DayTimes::Texts timesAhead(const QDate &day);

    // Which of the day's times are a high-latitude rule's estimates, and
    // what such a time is ("e përafërt, sipas rregullit …"); of the day's
    // year as timesOf() left it.
    std::array<bool, DayTimes::count> estimated(const QDate &day) const;
    QString estimateNote() const { return m_estimateNote; }

    // How the user is told that the year's times could not be kept.
    void setNotice(Notice notice) { m_notice = std::move(notice); }

private:
    void keepRows(int year);

    CalendarConnection &m_connection;
    Notice m_notice;
    int m_year = 0;
    QString m_key; // whose rows are in effect
    // The year's times by day key, when the file could not take them.
    std::optional<QHash<int, DayTimes::Texts>> m_inMemory;
    // The days with estimated times, by day key, of the year in effect.
    QHash<int, std::array<bool, DayTimes::count>> m_estimated;
    QString m_estimateNote;
};
