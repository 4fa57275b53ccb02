#pragma once

// The time scales of the sun's and the moon's computations, every instant a
// modified Julian date:
// - UTC, the civil time of the prayer times, which follows the earth's
//   rotation by leap seconds since 1972;
// - UT1, the earth's rotation itself; UTC never differs from it by more than
//   0.9 s, in which the sun moves 0.04", so the prayer times take UTC for it;
// - TT, the uniform time of the ephemerides.
namespace TimeScale {

// TT of a UTC instant, from ERFA's leap seconds; throws CalculationError for
// a date ERFA cannot convert.
double ttFromUtc(double mjdUtc);

// TT − UT1 (ΔT) in seconds, from a table of observed values to 2025 and an
// estimate beyond, linearly interpolated; constant outside 1900–2100. At 30"
// of the moon's place a minute, a minute's error in the estimate moves a
// moment of the moon's phase by two minutes.
double deltaT(double mjdUt1);
// TT of a UT1 instant, by ΔT: for years before the leap seconds too.
double ttFromUt1(double mjdUt1);

// The earth's rotation angle in radians.
double earthRotationAngle(double mjdUt1);

} // namespace TimeScale
