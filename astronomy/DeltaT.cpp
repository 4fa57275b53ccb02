#include "astronomy/DeltaT.h"

#include <array>
#include <cstddef>

namespace DeltaT {
namespace {

struct Sample
{
    double year;
    double seconds;
};

// Observed values to 2025; from 2030 on the slow growth of recent decades,
// turning to the long-term rise of tidal braking.
constexpr std::array<Sample, 18> table = {{
    {1900, -2.8},
    {1910, 10.4},
    {1920, 21.2},
    {1930, 24.0},
    {1940, 24.3},
    {1950, 29.2},
    {1960, 33.2},
    {1970, 40.2},
    {1980, 50.5},
    {1990, 56.9},
    {2000, 63.8},
    {2010, 66.1},
    {2020, 69.4},
    {2025, 69.2},
    {2030, 70.5},
    {2050, 74.0},
    {2070, 81.0},
    {2100, 95.0},
}};

// MJD of 2000 January 1, 12h, and the mean Gregorian year.
constexpr double j2000 = 51544.5;
constexpr double daysPerYear = 365.2425;

} // namespace

double seconds(double mjdUt)
{
    const double year = 2000.0 + (mjdUt - j2000) / daysPerYear;
    if (year <= table.front().year)
        return table.front().seconds;
    for (std::size_t i = 1; i < table.size(); ++i) {
        if (year <= table[i].year) {
            const Sample &a = table[i - 1];
            const Sample &b = table[i];
            return a.seconds + (b.seconds - a.seconds) * (year - a.year) / (b.year - a.year);
        }
    }
    return table.back().seconds;
}

double toTt(double mjdUt)
{
    return mjdUt + seconds(mjdUt) / 86400.0;
}

} // namespace DeltaT
