#include "astronomy/PrayerCalculator.h"

#include "astronomy/CalculationError.h"
#include "astronomy/Mjd.h"
#include "astronomy/VectorState.h"

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
    clearUpperVectorState();
    // Mean noon of the place is a close first guess for the transit.
    const double noonGuess = Mjd::fromLocalMeanTime(date, 12, m_place.longitude);
    if (m_method.sunOfMidnight) {
        const SunEvents::HeldSun sun = m_events.held(Mjd::fromDate(date), noonGuess);
        return eventsOf(
            date, sun.transit,
            [&](double altitude, SunEvents::Side side) {
                return m_events.crossing(sun, altitude, side);
            },
            [&](double factor) { return m_events.shadow(sun, factor); });
    }
    const double transit = m_events.transit(noonGuess);
    return eventsOf(
        date, transit,
        [&](double altitude, SunEvents::Side side) {
            return m_events.crossing(altitude, transit, side);
        },
        [&](double factor) { return m_events.shadow(factor, transit); });
}

SolarDay PrayerCalculator::eventsOf(QDate date, double transit, const Crossing &crossing,
                                    const Shadow &shadow) const
{
    using Side = SunEvents::Side;
    const auto found = [&](double altitude, Side side, const char *event) {
        if (const auto t = crossing(altitude, side))
            return *t;
        throw CalculationError(
            QStringLiteral("Në %1 më %2 dielli nuk arrin lartësinë e %3 (%4 gradë).")
                .arg(m_place.name, date.toString(Qt::ISODate), QString::fromUtf8(event))
                .arg(altitude));
    };
    SolarDay d;
    d.transit = transit;
    d.dawn = found(-m_method.fajrAngle, Side::Morning, "Fexhrit");
    d.sunrise = found(SunEvents::horizonAltitude, Side::Morning, "lindjes së diellit");
    d.sunset = found(SunEvents::horizonAltitude, Side::Evening, "Magribit");
    d.nightfall = found(-m_method.ishaAngle, Side::Evening, "Ishasë");
    const auto asr = shadow(m_method.asrShadowFactor);
    if (!asr)
        throw CalculationError(QStringLiteral("Në %1 më %2 Asri nuk mund të llogaritet.")
                                   .arg(m_place.name, date.toString(Qt::ISODate)));
    d.asr = *asr;
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

std::array<QTime, 7> PrayerCalculator::timesIn(const SolarDay &day, const QTimeZone &zone) const
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
    std::array<QTime, 7> times;
    for (std::size_t i = 0; i < instants.size(); ++i)
        times[i] = instants[i].toTimeZone(zone).time();
    return times;
}
