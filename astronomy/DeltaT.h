#pragma once

// TT − UT1: how far the uniform time of the ephemerides runs ahead of the
// earth's rotation. Instants are modified Julian dates in UT.
namespace DeltaT {

// Seconds, from a table of observed values to 2025 and an estimate beyond,
// linearly interpolated; constant outside 1900–2100. At 30" of the moon's
// place a minute, a minute's error in the estimate moves a moment of the
// moon's phase by two minutes.
double seconds(double mjdUt);
// The instant as a modified Julian date in TT.
double toTt(double mjdUt);

} // namespace DeltaT
