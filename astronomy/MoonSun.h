#pragma once

#include <array>

// The moon and the sun seen from the centre of the earth, in the GCRS (axes
// of the ICRS), at instants given as modified Julian dates in UT.
namespace MoonSun {

using Vector = std::array<double, 3>; // au

// The moon's geocentric place: ERFA's series after Meeus, a few arcseconds
// from the modern lunar theory over 1900–2100.
Vector moon(double mjdUt);

// The sun's apparent place for instants within two days of a given one,
// from a single evaluation of ERFA's ephemeris of the earth (the costly part
// of this computation): its position and velocity, with the sun's pull on
// the earth as acceleration, stay within an arcsecond. Light time and the
// earth's motion together put the sun where the earth–sun line pointed
// eight minutes earlier.
class SunPath
{
public:
    explicit SunPath(double mjdUt);
    Vector at(double mjdUt) const;

private:
    double m_epoch;
    Vector m_position; // of the earth, heliocentric
    Vector m_velocity;
    Vector m_acceleration;
};

// The new moon nearest the instant, when the moon's ecliptic longitude of
// date equals the sun's; the instant must be within ten days of it.
double conjunctionNear(double mjdUt);
// The first instant after the conjunction at which the geocentric angle
// between moon and sun reaches `degrees` (6 to 20).
double elongationReached(double conjunction, double degrees);

} // namespace MoonSun
