#include "astronomy/MoonSun.h"

#include "astronomy/Mjd.h"
#include "astronomy/RootSearch.h"
#include "astronomy/TimeScale.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace MoonSun {
namespace {

constexpr double secondDays = 1.0 / Mjd::secondsPerDay;
// The moon gains about 12.2° a day on the sun.
constexpr double synodicRate = 12.19;

// The moon's ecliptic longitude of date minus the sun's, in (-180°, 180°].
double longitudeGap(double mjdUt1, const SunTrack &sun)
{
    double toEcliptic[3][3];
    eraEcm06(ERFA_DJM0, TimeScale::ttFromUt1(mjdUt1), toEcliptic);
    Vector m = moon(mjdUt1);
    Vector s = sun.celestial(mjdUt1);
    double me[3], se[3];
    eraRxp(toEcliptic, m.data(), me);
    eraRxp(toEcliptic, s.data(), se);
    return std::remainder(std::atan2(me[1], me[0]) - std::atan2(se[1], se[0]), ERFA_D2PI) *
           ERFA_DR2D;
}

} // namespace

Vector moon(double mjdUt1)
{
    double pv[2][3];
    eraMoon98(ERFA_DJM0, TimeScale::ttFromUt1(mjdUt1), pv);
    return {pv[0][0], pv[0][1], pv[0][2]};
}

double conjunctionNear(double mjdUt1, const SunTrack &sun)
{
    // Two steps at the mean rate come within hours of it; the moon's rate
    // varies by a fifth.
    double t = mjdUt1 - longitudeGap(mjdUt1, sun) / synodicRate;
    t -= longitudeGap(t, sun) / synodicRate;
    return findRoot([&sun](double u) { return longitudeGap(u, sun); }, t - 0.5, t + 0.5,
                    secondDays);
}

double elongationReached(double conjunction, double degrees, const SunTrack &sun)
{
    // At the conjunction the angle is the moon's latitude, at most 5.3°; two
    // days later it is past 18°.
    const auto excess = [&sun, degrees](double t) {
        Vector m = moon(t);
        Vector s = sun.celestial(t);
        return eraSepp(m.data(), s.data()) * ERFA_DR2D - degrees;
    };
    return findRoot(excess, conjunction, conjunction + 2, secondDays);
}

} // namespace MoonSun
