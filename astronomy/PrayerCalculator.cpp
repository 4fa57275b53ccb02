#include "astronomy/PrayerCalculator.h"

#include "astronomy/CalculationError.h"
#include "astronomy/Mjd.h"
#include "astronomy/SeasonalTwilight.h"
#include "astronomy/VectorState.h"
#include "calendar/HijriCalendar.h"

#include <algorithm>

PrayerCalculator::PrayerCalculator(const SunTrack &track, const Place &place,
                                   const PrayerMethod &method)
    : m_events(track, place), m_place(place), m_method(method), m_zone(place.timeZone.toUtf8())
{
    if (!m_zone.isValid())
        throw CalculationError(QStringLiteral("Zona kohore \"%1\" e vendit \"%2\" nuk njihet.")
                                   .arg(place.timeZone, place.name));
}

SolarDay PrayerCalculator::day(QDate date) const
{
    const PartialDay p = partialDay(date);
    const auto found = [&](const std::optional<double> &t, double altitude, const char *event) {
        if (t)
            return *t;
        throw CalculationError(
            QStringLiteral("Në %1 më %2 dielli nuk arrin lartësinë e %3 (%4 gradë).")
                .arg(m_place.name, date.toString(Qt::ISODate), QString::fromUtf8(event))
                .arg(altitude));
    };
    SolarDay d;
    d.transit = p.transit;
    d.dawn = found(p.dawn, -m_method.fajrAngle, "Fexhrit");
    d.sunrise = found(p.sunrise, SunEvents::horizonAltitude, "lindjes së diellit");
    d.sunset =
        found(p.sunset, -m_method.maghribAngle.value_or(-SunEvents::horizonAltitude), "Magribit");
    d.nightfall = found(p.nightfall, -m_method.ishaAngle, "Ishasë");
    if (!p.asr)
        throw CalculationError(QStringLiteral("Në %1 më %2 Asri nuk mund të llogaritet.")
                                   .arg(m_place.name, date.toString(Qt::ISODate)));
    d.asr = *p.asr;
    return d;
}

PartialDay PrayerCalculator::partialDay(QDate date) const
{
    clearUpperVectorState();
    // Mean noon of the place is a close first guess for the transit.
    const double noonGuess = Mjd::fromLocalMeanTime(date, 12, m_place.longitude);
    if (m_method.sunOfMidnight) {
        const SunEvents::HeldSun sun = m_events.held(Mjd::fromDate(date), noonGuess);
        return eventsOf(
            date, sun.transit, sun.declination,
            [&](double altitude, SunEvents::Side side) {
                return m_events.crossing(sun, altitude, side);
            },
            [&](double factor) { return m_events.shadow(sun, factor); });
    }
    const double transit = m_events.transit(noonGuess);
    return eventsOf(
        date, transit, m_events.look(transit).declination,
        [&](double altitude, SunEvents::Side side) {
            return m_events.crossing(altitude, transit, side);
        },
        [&](double factor) { return m_events.shadow(factor, transit); });
}

PartialDay PrayerCalculator::eventsOf(QDate date, double transit, double declination,
                                      const Crossing &crossing, const Shadow &shadow) const
{
    using Side = SunEvents::Side;
    constexpr double minute = 60 / Mjd::secondsPerDay;
    PartialDay d{transit, declination, {}, {}, {}, {}, {}};
    d.dawn = crossing(-m_method.fajrAngle, Side::Morning);
    d.sunrise = crossing(SunEvents::horizonAltitude, Side::Morning);
    d.sunset =
        crossing(m_method.maghribAngle ? -*m_method.maghribAngle : SunEvents::horizonAltitude,
                 Side::Evening);
    d.nightfall = crossing(-m_method.ishaAngle, Side::Evening);
    d.asr = shadow(m_method.asrShadowFactor);
    if (m_method.ishaAfterMaghrib && d.sunset) {
        const bool ramadan = m_method.ishaAfterMaghribInRamadan &&
                             HijriCalendar::instance().fromDate(date).month == 9;
        d.nightfall = *d.sunset + minute * (ramadan ? *m_method.ishaAfterMaghribInRamadan
                                                    : *m_method.ishaAfterMaghrib);
    }
    if (m_method.seasonalTwilight) {
        if (d.sunrise) {
            const double earliest =
                *d.sunrise - minute * SeasonalTwilight::dawnMinutes(m_place.latitude, date);
            d.dawn = d.dawn ? std::max(*d.dawn, earliest) : earliest;
        }
        if (d.sunset) {
            const double latest =
                *d.sunset + minute * SeasonalTwilight::duskMinutes(m_place.latitude, date);
            d.nightfall = d.nightfall ? std::min(*d.nightfall, latest) : latest;
        }
    }
    return d;
}

std::array<QTime, 7> PrayerCalculator::clockTimes(const SolarDay &day) const
{
    return timesIn(day, m_zone);
}

int PrayerCalculator::standardOffset(QDate date) const
{
    return m_zone.standardTimeOffset(QDateTime(date, QTime(12, 0), QTimeZone::utc()));
}

std::array<QTime, 7> PrayerCalculator::standardTimes(const SolarDay &day) const
{
    return timesIn(day, QTimeZone(standardOffset(Mjd::toDate(day.transit))));
}

std::array<QDateTime, 7> PrayerCalculator::instants(const SolarDay &day) const
{
    const QDateTime dawn = Mjd::toMinute(day.dawn);
    const QDateTime imsak =
        m_method.fajrAfterImsak ? dawn : dawn.addSecs(-60 * qint64(m_method.imsakMinutes));
    std::array<QDateTime, 7> instants{imsak,
                                      dawn,
                                      Mjd::toMinute(day.sunrise),
                                      Mjd::toMinute(day.transit),
                                      Mjd::toMinute(day.asr),
                                      Mjd::toMinute(day.sunset),
                                      Mjd::toMinute(day.nightfall)};
    for (std::size_t i = 0; i < instants.size(); ++i)
        instants[i] = instants[i].addSecs(60 * qint64(m_method.adjustMinutes[i]));
    if (m_method.fajrAfterImsak)
        instants[1] =
            instants[0].addSecs(60 * qint64(*m_method.fajrAfterImsak + m_method.adjustMinutes[1]));
    return instants;
}

std::array<QTime, 7> PrayerCalculator::timesIn(const SolarDay &day, const QTimeZone &zone) const
{
    const std::array<QDateTime, 7> utc = instants(day);
    std::array<QTime, 7> times;
    for (std::size_t i = 0; i < utc.size(); ++i)
        times[i] = utc[i].toTimeZone(zone).time();
    return times;
}
