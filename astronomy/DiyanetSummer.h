#pragma once

#include "astronomy/PrayerCalculator.h"

#include <QDate>
#include <QMap>

#include <cmath>

// Diyanet's summer dawn and Isha beyond 45 degrees of latitude, as its
// European calendars give them: from the day the sun's declination passes a
// limit on its way to the summer solstice, Imsaku and Isha no longer follow
// their angles but move by the same minutes every day, on a straight line in
// the clock of universal time, to their solstice values, a fixed share of
// that night before sunrise and after sunset; after the solstice they return
// the same way to the angles' times. (Found on Diyanet's 2026 table of
// Konstanz; docs/calendars.md gives the figures.)
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
        bool covers(QDate date) const { return date >= from && date <= to; }
        double at(QDate date) const;
    };
    struct Summer
    {
        Line dawnBefore, dawnAfter, duskBefore, duskAfter;
    };

    Summer summerOf(QDate solstice) const;
    QDate solsticeNear(QDate date) const;

    const PrayerCalculator &m_calculator;
    double m_latitude;
    QMap<QDate, Summer> m_summers; // by their solstice
};
