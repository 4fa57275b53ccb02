#pragma once

#include "data/SelectedCity.h"
#include "prayer/CityRows.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

#include <array>
#include <optional>

class CalendarConnection;

// The moments of one city's prayers, day by day, as the city keeps them: the
// times of its calendar with its minutes applied, in the clock time of its
// zone with each year's own summer time. What a printed timetable of the town
// shows.
class CityTimetable
{
public:
    struct Day
    {
        QDate date;
        std::array<QTime, 7> times;      // Imsaku .. Isha; invalid where the calendar has none
        std::array<bool, 7> estimated{}; // a high-latitude rule's estimates
    };

    // The selected city's timetable. Throws DatabaseError when the file
    // cannot be read.
    static CityTimetable selected(CalendarConnection &connection);
    // The timetable of the city of that name (for a town of the list, any name
    // people write for it), selected or not. Throws DatabaseError when the
    // file cannot be read or has no such city.
    static CityTimetable ofCity(CalendarConnection &connection, const QString &name);

    const QString &cityName() const { return m_cityName; }
    int minutes() const { return m_minutes; } // added to the calendar's times
    const QString &source() const { return m_source; }
    // What an estimated time is: "e përafërt, sipas rregullit …".
    QString estimateNote() const { return m_rows.estimateNote(); }
    const QString &timeZone() const { return m_timeZone; } // IANA name

    // The days first .. last, in order.
    QList<Day> days(const QDate &first, const QDate &last) const;

private:
    explicit CityTimetable(CalendarConnection &connection) : m_connection(&connection) {}
    // The city's timetable; none: no city.
    static CityTimetable read(CalendarConnection &connection,
                              const std::optional<SelectedCity> &city);

    CalendarConnection *m_connection;
    bool m_perpetual = false; // else only the rows the file holds
    CityRows m_rows;          // how the city's rows are made, with a perpetual calendar
    QString m_cityName;
    int m_minutes = 0;
    QString m_source;
    QString m_timeZone;
};
