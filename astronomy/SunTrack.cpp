#include "astronomy/SunTrack.h"

#include "astronomy/CalculationError.h"
#include "astronomy/Mjd.h"
#include "astronomy/VectorState.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

SunTrack::SunTrack(QDate first, QDate last)
{
    if (!first.isValid() || !last.isValid() || last < first)
        throw CalculationError(QStringLiteral("Periudha e datave nuk është e vlefshme."));
    m_firstMjd = Mjd::fromDate(first) - margin;
    const auto days = std::size_t(first.daysTo(last)) + 1 + 2 * margin;
    m_samples.reserve(days);
    clearUpperVectorState();
    for (std::size_t i = 0; i < days; ++i)
        m_samples.push_back(sample(m_firstMjd + double(i)));
}

SunTrack::Vector SunTrack::sample(double mjdUtc)
{
    int year = 0, month = 0, day = 0;
    double fraction = 0;
    eraJd2cal(ERFA_DJM0, mjdUtc, &year, &month, &day, &fraction);
    double taiMinusUtc = 0;
    // Status 1 only says that the leap seconds of the year are not known (far
    // future, or before UTC); the sun moves 0.04" a second, so a leap second
    // more or less is harmless.
    if (eraDat(year, month, day, fraction, &taiMinusUtc) < 0)
        throw CalculationError(
            QStringLiteral("Data %1-%2-%3 nuk mund të llogaritet.").arg(year).arg(month).arg(day));
    const double tt = mjdUtc + (taiMinusUtc + 32.184) / Mjd::secondsPerDay;

    eraASTROM astrom;
    double equationOfOrigins = 0;
    eraApci13(ERFA_DJM0, tt, &astrom, &equationOfOrigins);
    // astrom.eh points from the sun to the earth. The sun's own motion during
    // the light time shifts it by less than 0.01", so only the aberration of
    // the earth's motion is applied.
    double towardSun[3] = {-astrom.eh[0], -astrom.eh[1], -astrom.eh[2]};
    double apparent[3];
    eraAb(towardSun, astrom.v, astrom.em, astrom.bm1, apparent);
    double intermediate[3];
    eraRxp(astrom.bpn, apparent, intermediate);
    return {intermediate[0] * astrom.em, intermediate[1] * astrom.em, intermediate[2] * astrom.em};
}

SunTrack::Vector SunTrack::position(double mjdUtc) const
{
    const double x = mjdUtc - m_firstMjd;
    // The four samples i-1 .. i+2 must exist.
    if (!(x >= 1 && x < double(m_samples.size()) - 2))
        throw CalculationError(
            QStringLiteral("Çasti %1 është jashtë periudhës së llogaritur të diellit.")
                .arg(Mjd::toSecond(mjdUtc).toString(Qt::ISODate)));
    // Four-point Lagrange interpolation.
    const auto i = std::size_t(std::floor(x));
    const double u = x - double(i);
    const double w[4] = {-u * (u - 1) * (u - 2) / 6, (u + 1) * (u - 1) * (u - 2) / 2,
                         -(u + 1) * u * (u - 2) / 2, (u + 1) * u * (u - 1) / 6};
    Vector p{0, 0, 0};
    for (int k = 0; k < 4; ++k)
        for (int c = 0; c < 3; ++c)
            p[c] += w[k] * m_samples[i - 1 + k][c];
    return p;
}
