#pragma once

#include <QDate>

// The Moonsighting Committee's (Khalid Shaukat's) seasonal twilight: the
// minutes between true dawn and sunrise, and between sunset and the
// disappearance of the whitish twilight (shafaq abyad), as observed over the
// year at each latitude, running between four values by the days since the
// winter solstice.
namespace SeasonalTwilight {

double dawnMinutes(double latitude, QDate date);
double duskMinutes(double latitude, QDate date);

} // namespace SeasonalTwilight
