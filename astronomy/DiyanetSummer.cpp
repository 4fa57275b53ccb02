#include "astronomy/DiyanetSummer.h"

#include "astronomy/HighLatitudeRule.h"
#include "astronomy/Mjd.h"

#include <erfam.h>

#include <algorithm>
#include <array>

namespace {

// Where the sun sinks to 18 degrees every night: the minutes dawn and Isha
// move on their line from the angle to the solstice value.
constexpr double lineMinutes = 19;
// Further north: the share of the night the 18-degree twilight passes when
// the summer begins and ends, the shares kept through it (at 54 degrees, and
// their growth a degree further), the days the way to them and back takes,
// and the days the return lags behind the twilight.
constexpr double startingShare = 0.235;
constexpr double dawnShareAt54 = 3.0 / 14, duskShareAt54 = 0.1925;
constexpr double dawnSharePerDegree = 0.0015, duskSharePerDegree = 0.001;
// Isha comes back to its angle a few days before dawn does.
constexpr int daysToShares = 26, daysFromShares = 22, returnLag = 2;
constexpr int duskReturnsEarlier = 5, duskDaysFromShares = 23;
constexpr int longestSummer = 120; // days the summer may reach from the solstice

// Between the two rules, up to 52 degrees, the starting share and the shares
// kept follow Diyanet's 2026 tables of Ditzingen, Eberbach, Alsfeld and
// Gevelsberg, and meet those further north at 52 degrees.
// There Isha leaves its angle a few days after dawn, and dawn takes longer
// to come back to it, in the south of the band without the lag.
struct Shares
{
    double latitude, starting, dawn, dusk;
    double duskStartsLater = 0, dawnDaysFromShares = daysFromShares, daysLate = returnLag;
};
constexpr double bandEnds = 52;
constexpr std::array<Shares, 4> band{{{48.83, 0.221, 0.2047, 0.1834, 5, 35, 0},
                                      {49.47, 0.218, 0.1982, 0.1790, 3.5, 35, 0},
                                      {50.75, 0.229, 0.2135, 0.1920, 2.5, 30, 2},
                                      {51.32, 0.231, 0.2133, 0.1911, 3.5, 30, 2}}};

constexpr double minutesPerDay = 24 * 60;

// The share of the solstice night (sunset to sunrise) that Imsaku lies before
// sunrise (Isha after sunset) there: Konstanz's at 47.66 degrees, changing by
// the same step a degree to 3/14 (Isha: 0.1925) at the latitude from which
// the sun no longer sinks to 18 degrees.
double solsticeShare(double latitude, double konstanzShare, double northernShare)
{
    constexpr double konstanz = 47.66, dawnAngle = 18;
    const double northern = HighLatitudeRule::angleFailsBeyond(dawnAngle);
    const double perDegree = (konstanzShare - northernShare) / (northern - konstanz);
    return northernShare + (northern - std::abs(latitude)) * perDegree;
}

// Further north the shares grow by the same step a degree.
Shares northAt(double latitude)
{
    const double beyond54 = latitude - 54;
    return {latitude, startingShare, dawnShareAt54 + dawnSharePerDegree * beyond54,
            duskShareAt54 + duskSharePerDegree * beyond54};
}

// The shares at the latitude: on a straight line between the band's cities
// and the band's northern end.
Shares sharesAt(double latitude)
{
    if (latitude >= bandEnds)
        return northAt(latitude);
    if (latitude <= band.front().latitude)
        return band.front();
    Shares from = band.back(), to = northAt(bandEnds);
    for (std::size_t i = 0; i + 1 < band.size(); ++i)
        if (latitude < band[i + 1].latitude) {
            from = band[i];
            to = band[i + 1];
            break;
        }
    const double t = (latitude - from.latitude) / (to.latitude - from.latitude);
    const auto along = [t](double a, double b) { return a + (b - a) * t; };
    return {latitude,
            along(from.starting, to.starting),
            along(from.dawn, to.dawn),
            along(from.dusk, to.dusk),
            along(from.duskStartsLater, to.duskStartsLater),
            along(from.dawnDaysFromShares, to.dawnDaysFromShares),
            along(from.daysLate, to.daysLate)};
}

double minuteOfDay(double mjd, QDate date)
{
    return (mjd - Mjd::fromDate(date)) * minutesPerDay;
}

double nightOf(const PartialDay &day)
{
    return 1 - (*day.sunset - *day.sunrise);
}

// The dawn angle's twilight as a share of the night; above 1 where the sun
// does not sink to the angle; nothing where it does not set.
std::optional<double> dawnShareOf(const PartialDay &day)
{
    if (!day.sunrise || !day.sunset)
        return std::nullopt;
    return day.dawn ? (*day.sunrise - *day.dawn) / nightOf(day) : 2;
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
    constexpr double dawnAngle = 18;
    return HighLatitudeRule::angleCanFail(m_latitude, dawnAngle) ? sharesOfTheNight(solstice)
                                                                 : lineToSolstice(solstice);
}

DiyanetSummer::Summer DiyanetSummer::lineToSolstice(QDate solstice) const
{
    const PartialDay top = m_calculator.partialDay(solstice);
    Summer s;
    if (!top.sunrise || !top.sunset)
        return s;
    const double dawnTop = minuteOfDay(
        *top.sunrise - solsticeShare(m_latitude, 0.2354, dawnShareAt54) * nightOf(top), solstice);
    const double duskTop = minuteOfDay(
        *top.sunset + solsticeShare(m_latitude, 0.2114, duskShareAt54) * nightOf(top), solstice);
    // The line starts on the day whose angle time lies the line's minutes
    // from the solstice value: dawn that much later, Isha that much earlier.
    const auto edge = [&](int direction, bool dawn, double top) {
        for (int days = 1; days <= longestSummer; ++days) {
            const QDate date = solstice.addDays(direction * days);
            const PartialDay day = m_calculator.partialDay(date);
            const std::optional<double> angleTime = dawn ? day.dawn : day.nightfall;
            if (!angleTime)
                continue;
            const double minute = minuteOfDay(*angleTime, date);
            if ((dawn ? minute - top : top - minute) < lineMinutes)
                continue;
            return direction < 0 ? Line{date, solstice, minute, top}
                                 : Line{solstice, date, top, minute};
        }
        return Line{};
    };
    s.dawn = {edge(-1, true, dawnTop), edge(1, true, dawnTop)};
    s.dusk = {edge(-1, false, duskTop), edge(1, false, duskTop)};
    return s;
}

DiyanetSummer::Summer DiyanetSummer::sharesOfTheNight(QDate solstice) const
{
    const Shares shares = sharesAt(std::abs(m_latitude));
    // The first and the last day whose 18-degree twilight passes the share.
    const auto edge = [&](int direction) {
        for (int days = 0; days <= longestSummer; ++days) {
            const QDate date = solstice.addDays(direction * days);
            const auto share = dawnShareOf(m_calculator.partialDay(date));
            if (share && *share <= shares.starting)
                return date.addDays(-direction);
        }
        return QDate();
    };
    Summer s;
    const QDate first = edge(-1), last = edge(1).addDays(std::lround(shares.daysLate));
    if (!first.isValid() || !last.isValid())
        return s;
    const PartialDay start = m_calculator.partialDay(first), end = m_calculator.partialDay(last);
    const QDate sharesFrom = first.addDays(daysToShares);
    const QDate sharesTo = last.addDays(-std::lround(shares.dawnDaysFromShares));
    const QDate duskFirst = first.addDays(std::lround(shares.duskStartsLater));
    const PartialDay duskStart = m_calculator.partialDay(duskFirst);
    const PartialDay in = m_calculator.partialDay(sharesFrom),
                     out = m_calculator.partialDay(sharesTo);
    if (!start.dawn || !duskStart.nightfall || !end.dawn || !end.nightfall || !in.sunrise ||
        !in.sunset || !out.sunrise || !out.sunset)
        return s;
    s.dawnShare = shares.dawn;
    s.duskShare = shares.dusk;
    const auto dawnOf = [&](const PartialDay &d) { return *d.sunrise - s.dawnShare * nightOf(d); };
    const auto duskOf = [&](const PartialDay &d) { return *d.sunset + s.duskShare * nightOf(d); };
    s.dawn = {
        Line{first, sharesFrom, minuteOfDay(*start.dawn, first),
             minuteOfDay(dawnOf(in), sharesFrom)},
        Line{sharesTo, last, minuteOfDay(dawnOf(out), sharesTo), minuteOfDay(*end.dawn, last)}};
    const QDate duskLast = last.addDays(-duskReturnsEarlier);
    const QDate duskOut = duskLast.addDays(-duskDaysFromShares);
    const PartialDay duskEnd = m_calculator.partialDay(duskLast);
    const PartialDay duskOutDay = m_calculator.partialDay(duskOut);
    if (!duskEnd.nightfall || !duskOutDay.sunrise || !duskOutDay.sunset)
        return Summer{};
    s.dusk = {Line{duskFirst, sharesFrom, minuteOfDay(*duskStart.nightfall, duskFirst),
                   minuteOfDay(duskOf(in), sharesFrom)},
              Line{duskOut, duskLast, minuteOfDay(duskOf(duskOutDay), duskOut),
                   minuteOfDay(*duskEnd.nightfall, duskLast)}};
    s.sharesFrom = sharesFrom;
    s.dawnSharesTo = sharesTo;
    s.duskSharesTo = duskOut;
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
    const auto later = [](std::optional<double> &event, double t) {
        event = event ? std::max(*event, t) : t;
    };
    const auto earlier = [](std::optional<double> &event, double t) {
        event = event ? std::min(*event, t) : t;
    };
    for (const Line &line : s.dawn)
        if (line.covers(date))
            later(day.dawn, midnight + line.at(date) / minutesPerDay);
    for (const Line &line : s.dusk)
        if (line.covers(date))
            earlier(day.nightfall, midnight + line.at(date) / minutesPerDay);
    const bool sunSets = day.sunrise && day.sunset;
    if (sunSets && s.sharesFrom.isValid() && date > s.sharesFrom && date < s.dawnSharesTo)
        later(day.dawn, *day.sunrise - s.dawnShare * nightOf(day));
    if (sunSets && s.sharesFrom.isValid() && date > s.sharesFrom && date < s.duskSharesTo)
        earlier(day.nightfall, *day.sunset + s.duskShare * nightOf(day));
}
