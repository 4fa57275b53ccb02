#pragma once

#include "astronomy/CalendarTable.h"

#include <QDate>
#include <QString>

#include <optional>

// A city's minute offset from the reference place, as printed calendars give
// it: the difference of the noons, rounded, unless the calendar fixes the
// town's minutes itself. The other adhan times drift from
// that offset over the year; the largest drift tells how well the shifted
// table serves the city.
struct CityOffset
{
    QString name;
    int minutes = 0;          // positive: the city's adhan comes later
    double worstError = 0;    // minutes, largest drift of Fexhri, Asri, Magribi or Isha
    QString worstPrayer = {}; // the time where it occurs
    QDate worstDate = {};     // and the day

    static constexpr int maxMinutes = 120;

    // Throws CalculationError when the city lies more than two hours from the
    // reference or the sun misses one of the method's altitudes there. With
    // fixed minutes the drift is measured from them.
    static CityOffset compute(const Place &city, const CalendarTable &reference,
                              const SunTrack &track, const PrayerMethod &method,
                              std::optional<int> fixedMinutes = std::nullopt);
};
