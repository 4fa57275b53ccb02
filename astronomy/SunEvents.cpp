#include "astronomy/SunEvents.h"

#include "astronomy/CalculationError.h"
#include "astronomy/Mjd.h"
#include "astronomy/TimeScale.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace {

constexpr int maxSteps = 30;
constexpr double closeEnough = 1e-3 / Mjd::secondsPerDay; // a millisecond, in days

double wrapped(double angle)
{
    return std::remainder(angle, ERFA_D2PI);
}

// The sun's hour angle grows by a full turn in a mean solar day.
double daysFor(double hourAngle)
{
    return hourAngle / ERFA_D2PI;
}

} // namespace

double SunEvents::shadowAltitude(double shadowFactor, double noonAltitude)
{
    return std::atan(1 / (shadowFactor + 1 / std::tan(noonAltitude))) / ERFA_DD2R;
}

SunEvents::SunEvents(const SunTrack &track, const Place &place)
    : m_track(track), m_longitude(place.longitude * ERFA_DD2R),
      m_sinLatitude(std::sin(place.latitude * ERFA_DD2R)),
      m_cosLatitude(std::cos(place.latitude * ERFA_DD2R))
{
    double metres[3];
    if (eraGd2gc(ERFA_WGS84, m_longitude, place.latitude * ERFA_DD2R, place.height, metres) != 0)
        throw CalculationError(
            QStringLiteral("Koordinatat e vendit \"%1\" nuk janë të vlefshme.").arg(place.name));
    for (int c = 0; c < 3; ++c)
        m_observer[c] = metres[c] / ERFA_DAU;
}

SunEvents::Look SunEvents::look(double mjd) const
{
    return look(m_track.position(mjd), mjd);
}

SunEvents::Look SunEvents::look(const SunTrack::Vector &intermediate, double mjd) const
{
    const double era = TimeScale::earthRotationAngle(mjd);
    const double c = std::cos(era), s = std::sin(era);
    // Into the earth-fixed frame, then from the observer instead of the centre.
    const double x = c * intermediate[0] + s * intermediate[1] - m_observer[0];
    const double y = -s * intermediate[0] + c * intermediate[1] - m_observer[1];
    const double z = intermediate[2] - m_observer[2];

    Look result;
    result.declination = std::atan2(z, std::hypot(x, y));
    result.hourAngle = wrapped(m_longitude - std::atan2(y, x));
    result.altitude =
        std::asin(m_sinLatitude * std::sin(result.declination) +
                  m_cosLatitude * std::cos(result.declination) * std::cos(result.hourAngle));
    return result;
}

double SunEvents::transit(double nearMjd) const
{
    double t = nearMjd;
    for (int step = 0; step < maxSteps; ++step) {
        const double dt = daysFor(-look(t).hourAngle);
        t += dt;
        if (std::abs(dt) < closeEnough)
            return t;
    }
    throw CalculationError(QStringLiteral("Kalimi i diellit në meridian nuk u gjet."));
}

std::optional<double> SunEvents::cosHourAngle(double altitudeDegrees, double declination) const
{
    const double cosine =
        (std::sin(altitudeDegrees * ERFA_DD2R) - m_sinLatitude * std::sin(declination)) /
        (m_cosLatitude * std::cos(declination));
    if (std::abs(cosine) > 1)
        return std::nullopt;
    return cosine;
}

std::optional<double> SunEvents::crossing(double altitudeDegrees, double fromMjd, Side side) const
{
    double t = fromMjd;
    for (int step = 0; step < maxSteps; ++step) {
        const Look now = look(t);
        const auto cosine = cosHourAngle(altitudeDegrees, now.declination);
        if (!cosine)
            return std::nullopt;
        const double wanted = std::acos(*cosine) * (side == Side::Morning ? -1 : 1);
        const double dt = daysFor(wrapped(wanted - now.hourAngle));
        t += dt;
        if (std::abs(dt) < closeEnough)
            return t;
    }
    return std::nullopt;
}

std::optional<double> SunEvents::shadow(double shadowFactor, double transitMjd) const
{
    const double noonAltitude = look(transitMjd).altitude;
    if (noonAltitude <= 0)
        return std::nullopt;
    return crossing(shadowAltitude(shadowFactor, noonAltitude), transitMjd, Side::Evening);
}

SunEvents::HeldSun SunEvents::held(double mjdUtc, double nearMjd) const
{
    const Look sun = look(mjdUtc);
    // The transit of the day: the hour angle comes round to zero, a whole
    // turn a day, on the day nearest to the guess.
    const double transit = mjdUtc + daysFor(-sun.hourAngle);
    return {transit + std::round(nearMjd - transit), sun.declination};
}

std::optional<double> SunEvents::crossing(const HeldSun &sun, double altitudeDegrees,
                                          Side side) const
{
    const auto cosine = cosHourAngle(altitudeDegrees, sun.declination);
    if (!cosine)
        return std::nullopt;
    return sun.transit + daysFor(std::acos(*cosine)) * (side == Side::Morning ? -1 : 1);
}

std::optional<double> SunEvents::shadow(const HeldSun &sun, double shadowFactor) const
{
    const double noonAltitude = std::asin(m_sinLatitude * std::sin(sun.declination) +
                                          m_cosLatitude * std::cos(sun.declination));
    if (noonAltitude <= 0)
        return std::nullopt;
    return crossing(sun, shadowAltitude(shadowFactor, noonAltitude), Side::Evening);
}
