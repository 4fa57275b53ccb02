#pragma once

#include "astronomy/SunTrack.h"

// The moon and the sun seen from the centre of the earth, in the GCRS (axes
// of the ICRS), at instants given as modified Julian dates in UT1; the sun
// from a track in that scale (SunTrack::Scale::Ut1).
namespace MoonSun {

using Vector = SunTrack::Vector; // au

// The moon's geocentric place: ERFA's series after Meeus, a few arcseconds
// from the modern lunar theory over 1900–2100.
Vector moon(double mjdUt1);

// The new moon nearest the instant, when the moon's ecliptic longitude of
// date equals the sun's; the instant must be within ten days of it and the
// track must cover the days between.
double conjunctionNear(double mjdUt1, const SunTrack &sun);
// The first instant after the conjunction at which the geocentric angle
// between moon and sun reaches `degrees` (6 to 20); the track must cover the
// two days after the conjunction.
double elongationReached(double conjunction, double degrees, const SunTrack &sun);

} // namespace MoonSun
