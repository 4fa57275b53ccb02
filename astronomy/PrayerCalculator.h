#pragma once

#include "astronomy/Place.h"
#include "astronomy/PrayerMethod.h"
#include "astronomy/SunEvents.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QTimeZone>

#include <array>
#include <functional>
#include <optional>

// The solar events of one day as UTC instants (modified Julian dates).
struct SolarDay
{
    double dawn;      // Fexhri: the sun at the method's dawn angle
    double sunrise;   // centre at SunEvents::horizonAltitude
    double transit;   // Dhuhri
    double asr;       // the method's shadow length
    double sunset;    // Magribi
    double nightfall; // Isha: the sun at the method's nightfall angle
    // Of the day's seven times (Imsaku .. Isha), those a high-latitude rule
    // set or took from another latitude: estimates, not the sun's own.
    std::array<bool, 7> estimated{};
};

// The events of one day as far as the sun reaches them: where it does not
// reach an altitude the event is missing, for a high-latitude rule to supply.
struct PartialDay
{
    double transit;
    double declination; // the sun's at the transit, radians
    std::optional<double> dawn, sunrise, asr, sunset, nightfall;
};

// The prayer times of one place, from the sun's track.
class PrayerCalculator
{
public:
    // Throws CalculationError when the place's time zone is unknown.
    PrayerCalculator(const SunTrack &track, const Place &place, const PrayerMethod &method);

    // The events of the local date; throws CalculationError when the sun does not
    // reach one of the altitudes on that day.
    SolarDay day(QDate date) const;
    // The same without throwing, with the method's own rules (Isha after
    // Magribi, the seasonal twilight) applied.
    PartialDay partialDay(QDate date) const;
    // The seven instants of a calendar row (Imsaku to Isha) in UTC, rounded
    // to the minute, with the method's minutes.
    std::array<QDateTime, 7> instants(const SolarDay &day) const;
    // The seven times of a calendar row (Imsaku to Isha), as local clock time
    // of the place rounded to the minute, with the method's rules.
    std::array<QTime, 7> clockTimes(const SolarDay &day) const;
    // The same in the standard time of the place's zone, summer time left out.
    std::array<QTime, 7> standardTimes(const SolarDay &day) const;
    // Seconds the zone's standard time is ahead of UTC on the date.
    int standardOffset(QDate date) const;

private:
    using Crossing = std::function<std::optional<double>(double, SunEvents::Side)>;
    using Shadow = std::function<std::optional<double>(double)>;
    PartialDay eventsOf(QDate date, double transit, double declination, const Crossing &crossing,
                        const Shadow &shadow) const;
    std::array<QTime, 7> timesIn(const SolarDay &day, const QTimeZone &zone) const;

    SunEvents m_events;
    Place m_place;
    PrayerMethod m_method;
    QTimeZone m_zone;
};
