#pragma once

#include <QDate>

#include <array>
#include <vector>

// The apparent place of the sun seen from the centre of the earth over a
// span of days: the one model of the sun, for the prayer times and for the
// crescent rule. ERFA computes it once a day; instants in between are
// interpolated, which keeps an event search cheap while the error stays far
// below an arcsecond.
class SunTrack
{
public:
    using Vector = std::array<double, 3>; // au

    // What the track's instants count in: UTC for the prayer times, UT1 for
    // the crescent rule, whose years reach back before the leap seconds (see
    // TimeScale).
    enum class Scale { Utc, Ut1 };

    // Covers the days first to last; throws CalculationError for an empty span.
    SunTrack(QDate first, QDate last, Scale scale = Scale::Utc);

    // In the celestial intermediate system (true equator of date, CIO
    // origin), for the sun's hour angle. Instants outside the span throw
    // CalculationError.
    Vector position(double mjd) const;
    // In the GCRS (axes of the ICRS), beside the moon's place.
    Vector celestial(double mjd) const;

private:
    static constexpr int margin = 2; // days sampled beyond each end, for interpolation

    Vector interpolated(const std::vector<Vector> &samples, double mjd) const;

    double m_firstMjd = 0;
    std::vector<Vector> m_intermediate;
    std::vector<Vector> m_celestial;
};
