#include "astronomy/DiyanetSummer.h"

#include "astronomy/Mjd.h"

#include <erfam.h>

#include <algorithm>

namespace {

// The declinations (degrees, in the place's hemisphere) past which the
// summer line runs, before and after the solstice.
constexpr double dawnLimitBefore = 16.0, dawnLimitAfter = 17.0;
constexpr double duskLimitBefore = 17.9, duskLimitAfter = 17.0;
// The shares of the solstice night (sunset to sunrise) that Imsaku lies
// before sunrise and Isha after sunset.
constexpr double dawnShare = 0.2354, duskShare = 0.2114;
constexpr int longestSummer = 80; // days the line may run from the solstice

constexpr double minutesPerDay = 24 * 60;

double minuteOfDay(double mjd, QDate date)
{
    return (mjd - Mjd::fromDate(date)) * minutesPerDay;
}

} // namespace

double DiyanetSummer::Line::at(QDate date) const
{
    const double share = double(from.daysTo(date)) / double(from.daysTo(to));
    return fromMinute + (toMinute - fromMinute) * share;
}

DiyanetSummer::DiyanetSummer(const PrayerCalculator &calculator, double latitude)
    : m_calculator(calculator), m_latitude(latitude)
{
}

QDate DiyanetSummer::solsticeNear(QDate date) const
{
    if (m_latitude >= 0)
        return QDate(date.year(), 6, 21);
    return QDate(date.month() >= 7 ? date.year() : date.year() - 1, 12, 21);
}

DiyanetSummer::Summer DiyanetSummer::summerOf(QDate solstice) const
{
    const PartialDay top = m_calculator.partialDay(solstice);
    Summer s;
    if (!top.sunrise || !top.sunset)
        return s;
    const double night = 1 - (*top.sunset - *top.sunrise);
    const double dawnTop = minuteOfDay(*top.sunrise - dawnShare * night, solstice);
    const double duskTop = minuteOfDay(*top.sunset + duskShare * night, solstice);
    const double sign = m_latitude >= 0 ? 1 : -1;
    // The line starts at the angle's own time on the last day the sun's
    // declination is within the limit; where the angle is not reached then,
    // no line runs and the high-latitude rule takes over.
    const auto edge = [&](int direction, double limit, bool dawn, double top) {
        Line line;
        for (int days = 1; days <= longestSummer; ++days) {
            const QDate date = solstice.addDays(direction * days);
            const PartialDay day = m_calculator.partialDay(date);
            if (sign * day.declination / ERFA_DD2R > limit)
                continue;
            const std::optional<double> angleTime = dawn ? day.dawn : day.nightfall;
            if (!angleTime)
                return Line{};
            line.from = direction < 0 ? date : solstice;
            line.to = direction < 0 ? solstice : date;
            const double edgeMinute = minuteOfDay(*angleTime, date);
            line.fromMinute = direction < 0 ? edgeMinute : top;
            line.toMinute = direction < 0 ? top : edgeMinute;
            return line;
        }
        return Line{};
    };
    s.dawnBefore = edge(-1, dawnLimitBefore, true, dawnTop);
    s.dawnAfter = edge(1, dawnLimitAfter, true, dawnTop);
    s.duskBefore = edge(-1, duskLimitBefore, false, duskTop);
    s.duskAfter = edge(1, duskLimitAfter, false, duskTop);
    return s;
}

void DiyanetSummer::apply(QDate date, PartialDay &day)
{
    const QDate solstice = solsticeNear(date);
    auto found = m_summers.find(solstice);
    if (found == m_summers.end())
        found = m_summers.insert(solstice, summerOf(solstice));
    const Summer &s = *found;
    const double midnight = Mjd::fromDate(date);
    for (const Line *line : {&s.dawnBefore, &s.dawnAfter})
        if (line->from.isValid() && line->covers(date)) {
            const double t = midnight + line->at(date) / minutesPerDay;
            day.dawn = day.dawn ? std::max(*day.dawn, t) : t;
        }
    for (const Line *line : {&s.duskBefore, &s.duskAfter})
        if (line->from.isValid() && line->covers(date)) {
            const double t = midnight + line->at(date) / minutesPerDay;
            day.nightfall = day.nightfall ? std::min(*day.nightfall, t) : t;
        }
}
