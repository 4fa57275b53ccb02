#include "astronomy/LocalSky.h"

#include "astronomy/DeltaT.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace {

// The earth turns 360.9856° a day relative to the stars; the sun itself
// drifts about a degree a day the other way.
constexpr double turnPerDay = 360.9856 - 0.9856;

} // namespace

LocalSky::LocalSky(double mjdUt) : m_sun(mjdUt)
{
    eraC2i00b(ERFA_DJM0, DeltaT::toTt(mjdUt), m_celestialToIntermediate);
}

double LocalSky::altitude(const MoonSun::Vector &geocentric, double mjdUt, GroundPoint where) const
{
    double celestialToTerrestrial[3][3];
    double noPolarMotion[3][3];
    eraIr(noPolarMotion);
    eraC2tcio(m_celestialToIntermediate, eraEra00(ERFA_DJM0, mjdUt), noPolarMotion,
              celestialToTerrestrial);
    double terrestrial[3];
    double place[3] = {geocentric[0], geocentric[1], geocentric[2]};
    eraRxp(celestialToTerrestrial, place, terrestrial);

    const double lat = where.latitude * ERFA_DD2R;
    const double lon = where.longitude * ERFA_DD2R;
    double observer[3];
    eraGd2gc(ERFA_WGS84, lon, lat, 0.0, observer);
    double fromObserver[3];
    for (int i = 0; i < 3; ++i)
        fromObserver[i] = terrestrial[i] - observer[i] / ERFA_DAU;
    double up[3] = {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
    return std::asin(eraPdp(fromObserver, up) / eraPm(fromObserver)) * ERFA_DR2D;
}

std::optional<double> LocalSky::sunCrossing(GroundPoint where, double altitude, bool setting,
                                            double guess) const
{
    const double lat = where.latitude * ERFA_DD2R;
    double t = guess;
    for (int i = 0; i < 4; ++i) {
        MoonSun::Vector s = m_sun.at(t);
        double intermediate[3];
        eraRxp(m_celestialToIntermediate, s.data(), intermediate);
        double rightAscension = 0, declination = 0;
        eraC2s(intermediate, &rightAscension, &declination);
        const double cosHourAngle =
            (std::sin(altitude * ERFA_DD2R) - std::sin(lat) * std::sin(declination)) /
            (std::cos(lat) * std::cos(declination));
        if (std::abs(cosHourAngle) > 1)
            return std::nullopt;
        const double hourAngle = std::acos(cosHourAngle) * (setting ? 1 : -1);
        const double localHourAngle =
            eraEra00(ERFA_DJM0, t) + where.longitude * ERFA_DD2R - rightAscension;
        t += std::remainder(hourAngle - localHourAngle, ERFA_D2PI) * ERFA_DR2D / turnPerDay;
    }
    return t;
}
