#pragma once

#include "astronomy/Place.h"
#include "astronomy/SunTrack.h"

#include <optional>

// The moments at which the sun, seen from one place without refraction,
// crosses the meridian or a given altitude. Every search solves the exact
// topocentric condition to a millisecond.
class SunEvents
{
public:
    enum class Side { Morning, Evening };

    struct Look
    {
        double hourAngle;   // radians, -pi..pi, negative before transit
        double declination; // radians
        double altitude;    // radians, without refraction
    };

    SunEvents(const SunTrack &track, const Place &place);

    Look look(double mjdUtc) const;
    // The upper transit nearest to the instant.
    double transit(double nearMjd) const;
    // The crossing of the altitude (degrees) on one side of the transit, or
    // nothing when the sun does not reach that altitude on that day.
    std::optional<double> crossing(double altitudeDegrees, double transitMjd, Side side) const;
    // The afternoon moment at which a shadow is shadowFactor times its
    // object's length longer than at the transit.
    std::optional<double> shadow(double shadowFactor, double transitMjd) const;

private:
    const SunTrack &m_track;
    double m_longitude;
    double m_sinLatitude;
    double m_cosLatitude;
    double m_observer[3]; // geocentric, terrestrial frame, au
};
