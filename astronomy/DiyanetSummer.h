#pragma once

#include "astronomy/PrayerCalculator.h"

#include <QDate>
#include <QMap>

#include <cmath>

// Diyanet's summer dawn and Isha beyond 45 degrees of latitude, as its
// European calendars give them (found on its 2026 tables of Konstanz,
// Garching, Hamburg-Wilhelmsburg and Flensburg; docs/calendars.md gives the
// figures).
// In spring Imsaku and Isha leave their angles:
// - where the sun still sinks to 18 degrees every night (up to 48.6
//   degrees), from the day on which the angle's time lies 19 minutes from its
//   value at the summer solstice (a share of that night before sunrise, after
//   sunset, that shrinks with latitude), they move by the same minutes every
//   day, on a straight line in universal time, to that value, and return the
//   same way;
// - further north, from the day the 18-degree twilight grows longer than a
//   share of the night, they reach over a few weeks on such a line a fixed
//   share of each night before sunrise and after sunset, keep it through the
//   summer and return the same way to the angles.
class DiyanetSummer
{
public:
    static constexpr double ishaAngle = 16; // Isha's angle beyond 45 degrees, all year
    static bool appliesAt(double latitude) { return std::abs(latitude) > 45; }

    DiyanetSummer(const PrayerCalculator &calculator, double latitude);

    // Puts dawn and Isha of the date on the summer line when it runs then.
    void apply(QDate date, PartialDay &day);

private:
    struct Line
    {
        QDate from, to;
        double fromMinute = 0, toMinute = 0; // minutes of the UT day
        bool covers(QDate date) const { return from.isValid() && date >= from && date <= to; }
        double at(QDate date) const;
    };
    struct Summer
    {
        QList<Line> dawn, dusk;
        // The days between which dawn and Isha keep their shares of the night.
        QDate sharesFrom, dawnSharesTo, duskSharesTo;
        double dawnShare = 0, duskShare = 0; // of each night, kept between them
    };

    Summer summerOf(QDate solstice) const;
    Summer lineToSolstice(QDate solstice) const;
    Summer sharesOfTheNight(QDate solstice) const;
    QDate solsticeNear(QDate date) const;

    const PrayerCalculator &m_calculator;
    double m_latitude;
    QMap<QDate, Summer> m_summers; // by their solstice
};
