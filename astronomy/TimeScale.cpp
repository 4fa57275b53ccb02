#include "astronomy/TimeScale.h"

#include "astronomy/CalculationError.h"
#include "astronomy/LinearTable.h"
#include "astronomy/Mjd.h"

#include <erfa.h>
#include <erfam.h>

#include <array>

namespace TimeScale {
namespace {

struct Sample
{
    double year;
    double seconds;
};

// Observed values to 2025; from 2030 on the slow growth of recent decades,
// turning to the long-term rise of tidal braking.
constexpr std::array<Sample, 18> deltaTTable = {{
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

// The mean Gregorian year.
constexpr double daysPerYear = 365.2425;

} // namespace

double ttFromUtc(double mjdUtc)
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
    return mjdUtc + (taiMinusUtc + 32.184) / Mjd::secondsPerDay;
}

double deltaT(double mjdUt1)
{
    const double year = 2000.0 + (mjdUt1 - Mjd::j2000) / daysPerYear;
    return interpolated(std::span<const Sample>(deltaTTable), year, &Sample::year,
                        &Sample::seconds);
}

double ttFromUt1(double mjdUt1)
{
    return mjdUt1 + deltaT(mjdUt1) / Mjd::secondsPerDay;
}

double earthRotationAngle(double mjdUt1)
{
    return eraEra00(ERFA_DJM0, mjdUt1);
}

} // namespace TimeScale
