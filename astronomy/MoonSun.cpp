#include "astronomy/MoonSun.h"

#include "astronomy/DeltaT.h"
#include "astronomy/RootSearch.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace MoonSun {
namespace {

constexpr double secondDays = 1.0 / 86400.0;
// The moon gains about 12.2° a day on the sun.
constexpr double synodicRate = 12.19;
// The Gaussian gravitational constant squared: the sun's GM in au³/day².
constexpr double sunGm = 0.01720209895 * 0.01720209895;

// The moon's ecliptic longitude of date minus the sun's, in (-180°, 180°].
double longitudeGap(double mjdUt, const SunPath &sun)
{
    double toEcliptic[3][3];
    eraEcm06(ERFA_DJM0, DeltaT::toTt(mjdUt), toEcliptic);
    Vector m = moon(mjdUt);
    Vector s = sun.at(mjdUt);
    double me[3], se[3];
    eraRxp(toEcliptic, m.data(), me);
    eraRxp(toEcliptic, s.data(), se);
    return std::remainder(std::atan2(me[1], me[0]) - std::atan2(se[1], se[0]), ERFA_D2PI) *
           ERFA_DR2D;
}

} // namespace

Vector moon(double mjdUt)
{
    double pv[2][3];
    eraMoon98(ERFA_DJM0, DeltaT::toTt(mjdUt), pv);
    return {pv[0][0], pv[0][1], pv[0][2]};
}

SunPath::SunPath(double mjdUt) : m_epoch(mjdUt)
{
    double heliocentric[2][3], barycentric[2][3];
    eraEpv00(ERFA_DJM0, DeltaT::toTt(mjdUt), heliocentric, barycentric);
    const double r = eraPm(heliocentric[0]);
    for (int i = 0; i < 3; ++i) {
        m_position[i] = heliocentric[0][i];
        m_velocity[i] = heliocentric[1][i];
        m_acceleration[i] = -sunGm * heliocentric[0][i] / (r * r * r);
    }
}

Vector SunPath::at(double mjdUt) const
{
    const double dt = mjdUt - m_epoch;
    double position[3], velocity[3];
    for (int i = 0; i < 3; ++i) {
        position[i] = m_position[i] + m_velocity[i] * dt + m_acceleration[i] * dt * dt / 2;
        velocity[i] = m_velocity[i] + m_acceleration[i] * dt;
    }
    const double lightDays = eraPm(position) * ERFA_AULT * secondDays;
    Vector s;
    for (int i = 0; i < 3; ++i)
        s[i] = lightDays * velocity[i] - position[i];
    return s;
}

double conjunctionNear(double mjdUt)
{
    // Two steps at the mean rate come within hours of it; the moon's rate
    // varies by a fifth.
    double t = mjdUt - longitudeGap(mjdUt, SunPath(mjdUt)) / synodicRate;
    const SunPath sun(t);
    t -= longitudeGap(t, sun) / synodicRate;
    return findRoot([&sun](double u) { return longitudeGap(u, sun); }, t - 0.5, t + 0.5,
                    secondDays);
}

double elongationReached(double conjunction, double degrees)
{
    // At the conjunction the angle is the moon's latitude, at most 5.3°; two
    // days later it is past 18°.
    const SunPath sun(conjunction + 1);
    const auto excess = [&sun, degrees](double t) {
        Vector m = moon(t);
        Vector s = sun.at(t);
        return eraSepp(m.data(), s.data()) * ERFA_DR2D - degrees;
    };
    return findRoot(excess, conjunction, conjunction + 2, secondDays);
}

} // namespace MoonSun
