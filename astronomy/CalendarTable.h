#pragma once

#include "astronomy/Place.h"
#include "astronomy/PrayerCalculator.h"
#include "astronomy/PrayerMethod.h"

#include <QDate>
#include <QList>
#include <QTime>

#include <array>

// The rows of table kolvira for one year and reference place: one for every
// day and month of a leap year, in calendar order.
class CalendarTable
{
public:
    struct Row
    {
        int day;
        int month;
        QDate date;                    // the date whose sun the row holds
        std::array<QTime, 7> times;    // Imsaku .. Isha, local clock time
        std::array<QTime, 7> standard; // the same in the zone's standard time
    };

    // The days of the year itself; in a common year the table still needs a
    // 29 February row, which holds 29 February of the next leap year, the
    // next year in which the program reads it.
    static QList<QDate> dates(int year);

    // Computes the year; the track must cover the whole year. Also keeps the
    // reference place's events of the year's own days, for the city offsets.
    CalendarTable(int year, const Place &place, const PrayerMethod &method, const SunTrack &track);

    const Place &place() const { return m_place; }
    int standardOffset() const { return m_standardOffset; } // seconds ahead of UTC
    const QList<Row> &rows() const { return m_rows; }
    const QList<QDate> &ownDays() const { return m_ownDays; }
    const QList<SolarDay> &ownEvents() const { return m_ownEvents; }

private:
    Place m_place;
    int m_standardOffset = 0;
    QList<Row> m_rows;
    QList<QDate> m_ownDays;
    QList<SolarDay> m_ownEvents;
};
