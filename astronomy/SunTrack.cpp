#include "astronomy/SunTrack.h"

#include "astronomy/CalculationError.h"
#include "astronomy/Mjd.h"
#include "astronomy/TimeScale.h"
#include "astronomy/VectorState.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

SunTrack::SunTrack(QDate first, QDate last, Scale scale)
{
    if (!first.isValid() || !last.isValid() || last < first)
        throw CalculationError(QStringLiteral("Periudha e datave nuk është e vlefshme."));
    m_firstMjd = Mjd::fromDate(first) - margin;
    const auto days = std::size_t(first.daysTo(last)) + 1 + 2 * margin;
    m_intermediate.reserve(days);
    m_celestial.reserve(days);
    clearUpperVectorState();
    for (std::size_t i = 0; i < days; ++i) {
        const double mjd = m_firstMjd + double(i);
        const double tt =
            scale == Scale::Utc ? TimeScale::ttFromUtc(mjd) : TimeScale::ttFromUt1(mjd);
        eraASTROM astrom;
        double equationOfOrigins = 0;
        eraApci13(ERFA_DJM0, tt, &astrom, &equationOfOrigins);
        // astrom.eh points from the sun to the earth. The sun's own motion
        // during the light time shifts it by less than 0.01", so only the
        // aberration of the earth's motion is applied.
        double towardSun[3] = {-astrom.eh[0], -astrom.eh[1], -astrom.eh[2]};
        double apparent[3];
        eraAb(towardSun, astrom.v, astrom.em, astrom.bm1, apparent);
        double intermediate[3];
        eraRxp(astrom.bpn, apparent, intermediate);
        m_intermediate.push_back({intermediate[0] * astrom.em, intermediate[1] * astrom.em,
                                  intermediate[2] * astrom.em});
        m_celestial.push_back(
            {apparent[0] * astrom.em, apparent[1] * astrom.em, apparent[2] * astrom.em});
    }
}

SunTrack::Vector SunTrack::position(double mjd) const
{
    return interpolated(m_intermediate, mjd);
}

SunTrack::Vector SunTrack::celestial(double mjd) const
{
    return interpolated(m_celestial, mjd);
}

SunTrack::Vector SunTrack::interpolated(const std::vector<Vector> &samples, double mjd) const
{
    const double x = mjd - m_firstMjd;
    // The four samples i-1 .. i+2 must exist.
    if (!(x >= 1 && x < double(samples.size()) - 2))
        throw CalculationError(
            QStringLiteral("Çasti %1 është jashtë periudhës së llogaritur të diellit.")
                .arg(Mjd::toSecond(mjd).toString(Qt::ISODate)));
    // Four-point Lagrange interpolation.
    const auto i = std::size_t(std::floor(x));
    const double u = x - double(i);
    const double w[4] = {-u * (u - 1) * (u - 2) / 6, (u + 1) * (u - 1) * (u - 2) / 2,
                         -(u + 1) * u * (u - 2) / 2, (u + 1) * u * (u - 1) / 6};
    Vector p{0, 0, 0};
    for (int k = 0; k < 4; ++k)
        for (int c = 0; c < 3; ++c)
            p[c] += w[k] * samples[i - 1 + k][c];
    return p;
}
