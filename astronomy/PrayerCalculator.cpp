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
    m_standardZone = QTimeZone(standardOffset());
}

double PrayerCalculator::crossing(double altitude, double transit, SunEvents::Side side, QDate date,
                                  const char *event) const
{
    if (const auto t = m_events.crossing(altitude, transit, side))
        return *t;
    throw CalculationError(
        QStringLiteral("Në %1 më %2 dielli nuk arrin lartësinë e %3 (%4 gradë).")
            .arg(m_place.name, date.toString(Qt::ISODate), QString::fromUtf8(event))
            .arg(altitude));
}

SolarDay PrayerCalculator::day(QDate date) const
{
    using Side = SunEvents::Side;
    clearUpperVectorState();
    SolarDay d;
    // Mean noon of the place is a close first guess for the transit.
    d.transit = m_events.transit(Mjd::fromDate(date) + 0.5 - m_place.longitude / 360);
    d.dawn = crossing(-m_method.fajrAngle, d.transit, Side::Morning, date, "Fexhrit");
    d.sunrise = crossing(horizonAltitude, d.transit, Side::Morning, date, "lindjes së diellit");
    d.sunset = crossing(horizonAltitude, d.transit, Side::Evening, date, "Magribit");
    d.nightfall = crossing(-m_method.ishaAngle, d.transit, Side::Evening, date, "Ishasë");
    const auto asr = m_events.shadow(m_method.asrShadowFactor, d.transit);
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

int PrayerCalculator::standardOffset() const
{
    return m_zone.standardTimeOffset(QDateTime::currentDateTimeUtc());
}

std::array<QTime, 7> PrayerCalculator::standardTimes(const SolarDay &day) const
{
    return timesIn(day, m_standardZone);
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
