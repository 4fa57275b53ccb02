#pragma once

#include <QList>
#include <QString>
#include <QTime>

#include <array>

// A calendar that is the same every year once summer time is taken out: the
// seven times (Imsaku .. Isha) of every day and month, 29 February included,
// in the standard time of one zone. Each year's local rows follow from it with
// that year's own summer time.
struct PerpetualCalendar
{
    struct Row
    {
        int day = 0;
        int month = 0;
        std::array<QTime, 7> times;
        // The times a high-latitude rule estimated where the sun does not
        // reach their angles, or rise or set at all; none in a table.
        std::array<bool, 7> estimated{};
    };

    // One number for each day of the year, in calendar order.
    static constexpr int dayKey(int day, int month) { return month * 100 + day; }
    // The year whose 29 February stands for the year's: the year itself
    // when it is a leap year, else the next leap year.
    static int leapYearFor(int year);

    QString source;         // where the times come from
    QString timeZone;       // IANA zone whose clock the local rows follow
    int standardOffset = 0; // seconds the zone's standard time is ahead of UTC
    QList<Row> rows;        // one for every day and month of a leap year, in calendar order

    // The rows in the zone's clock time of the year: each time moved by the
    // summer time in force at its own instant. In a common year the
    // 29 February row is moved as in the next leap year.
    QList<Row> localRows(int year) const;
    // The other way: a clock time of the zone on that date in standard time.
    QTime standardTime(const QDate &date, const QTime &local) const;
};
