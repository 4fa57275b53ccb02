#include "astronomy/Mjd.h"

#include <QTimeZone>

#include <cmath>

namespace Mjd {

namespace {

// MJD of 1970-01-01, the epoch Qt counts from.
constexpr double unixEpoch = 40587.0;

QDateTime fromSeconds(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc());
}

} // namespace

double fromDate(QDate date)
{
    return unixEpoch + double(QDate(1970, 1, 1).daysTo(date));
}

double fromLocalMeanTime(QDate date, double hours, double longitude)
{
    return fromDate(date) + hours / 24.0 - longitude / 360.0;
}

QDate toDate(double mjd)
{
    return QDate(1970, 1, 1).addDays(qint64(std::floor(mjd - unixEpoch)));
}

QDateTime toMinute(double mjdUtc)
{
    const double minutes = std::round((mjdUtc - unixEpoch) * secondsPerDay / 60.0);
    return fromSeconds(qint64(minutes) * 60);
}

QDateTime toSecond(double mjdUtc)
{
    return fromSeconds(qint64(std::llround((mjdUtc - unixEpoch) * secondsPerDay)));
}

} // namespace Mjd
