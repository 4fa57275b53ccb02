#pragma once

#include <QDate>

#include <array>
#include <vector>

// The apparent place of the sun seen from the centre of the earth, in the
// celestial intermediate system (true equator of date, CIO origin), over a
// span of UTC days. ERFA computes it once a day; instants in between are
// interpolated, which keeps an event search cheap while the error stays far
// below an arcsecond.
class SunTrack
{
public:
    using Vector = std::array<double, 3>;

    // Covers the UTC days first to last; throws CalculationError for an empty span.
    SunTrack(QDate first, QDate last);

    double firstMjd() const { return m_firstMjd + margin; }
    double lastMjd() const { return m_firstMjd + double(m_samples.size()) - 1 - margin; }
    // Apparent geocentric position in au at the UTC instant; instants outside
    // the span throw CalculationError.
    Vector position(double mjdUtc) const;

private:
    static constexpr int margin = 2; // days sampled beyond each end, for interpolation
    static Vector sample(double mjdUtc);

    double m_firstMjd = 0;
    std::vector<Vector> m_samples;
};
