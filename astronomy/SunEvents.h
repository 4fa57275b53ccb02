#pragma once

#include "astronomy/Place.h"
#include "astronomy/SunTrack.h"

#include <optional>

// The moments at which the sun, seen from one place without refraction,
// crosses the meridian or a given altitude: the one search of them, for the
// prayer times and for the crescent rule. Every search solves the exact
// topocentric condition to a millisecond. Instants count in the track's
// scale.
class SunEvents
{
public:
    enum class Side { Morning, Evening };

    // The sun's centre at sunrise and sunset: refraction lifts it by 34' at
    // the horizon and its upper edge is 16' above it.
    static constexpr double horizonAltitude = -0.833;

    // The sun's place of one instant held for a whole day: its hour angle
    // then grows by a full turn a day and its declination stays. Coarser than
    // following the sun, but it is how some official calendars are computed.
    struct HeldSun
    {
        double transit;     // instant, modified Julian date
        double declination; // radians
    };

    struct Look
    {
        double hourAngle;   // radians, -pi..pi, negative before transit
        double declination; // radians
        double altitude;    // radians, without refraction
    };

    // The altitude (degrees) at which a shadow is shadowFactor times its
    // object's length longer than at the sun's noon altitude (radians).
    static double shadowAltitude(double shadowFactor, double noonAltitude);

    SunEvents(const SunTrack &track, const Place &place);

    Look look(double mjd) const;
    // The same for any body at a geocentric place in the intermediate system
    // (au; see SunTrack).
    Look look(const SunTrack::Vector &intermediate, double mjd) const;
    // The upper transit nearest to the instant.
    double transit(double nearMjd) const;
    // The crossing of the altitude (degrees) on one side of the transit
    // nearest to the instant `fromMjd` (the transit, or any instant within
    // a few hours of the crossing), or nothing when the sun does not reach
    // that altitude on that day.
    std::optional<double> crossing(double altitudeDegrees, double fromMjd, Side side) const;
    // The afternoon moment at which a shadow is shadowFactor times its
    // object's length longer than at the transit.
    std::optional<double> shadow(double shadowFactor, double transitMjd) const;

    // The sun of the instant, held for the day whose transit lies nearest to
    // nearMjd.
    HeldSun held(double mjdUtc, double nearMjd) const;
    std::optional<double> crossing(const HeldSun &sun, double altitudeDegrees, Side side) const;
    std::optional<double> shadow(const HeldSun &sun, double shadowFactor) const;

private:
    // Cosine of the hour angle at which the sun of that declination stands at
    // the altitude; nothing when it never does.
    std::optional<double> cosHourAngle(double altitudeDegrees, double declination) const;

    const SunTrack &m_track;
    double m_longitude;
    double m_sinLatitude;
    double m_cosLatitude;
    double m_observer[3]; // geocentric, terrestrial frame, au
};
