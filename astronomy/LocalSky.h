#pragma once

#include "astronomy/MoonSun.h"

#include <optional>

// A point at sea level: geodetic latitude and longitude in degrees, north and
// east positive.
struct GroundPoint
{
    double latitude = 0;
    double longitude = 0;
};

// The sky over points of the earth's surface for two days either side of an
// instant (modified Julian dates in UT). The precession and nutation of the
// earth's axis are taken once, at that instant: over two days they move it
// by less than an arcsecond.
class LocalSky
{
public:
    explicit LocalSky(double mjdUt);

    // Degrees above the horizon, as seen from the point, of an object at a
    // geocentric place (au); the parallax is included, refraction not.
    double altitude(const MoonSun::Vector &geocentric, double mjdUt, GroundPoint where) const;
    // The instant nearest `guess` (within half a day) at which the sun's
    // centre crosses the altitude going down (setting) or up; none when the
    // sun stays above or below it that day.
    std::optional<double> sunCrossing(GroundPoint where, double altitude, bool setting,
                                      double guess) const;

private:
    MoonSun::SunPath m_sun;
    // ERFA reads matrices through non-const pointers.
    mutable double m_celestialToIntermediate[3][3];
};

// The sun's centre at the horizon's sunset and sunrise: refraction lifts it
// by 34' and its upper edge is 16' above it.
inline constexpr double sunsetAltitude = -0.8333;
