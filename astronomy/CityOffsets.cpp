#include "astronomy/CityOffsets.h"

#include "astronomy/CalculationError.h"
#include "data/PrayerNames.h"

#include <cmath>
#include <vector>

namespace {

constexpr double minutesPerDay = 1440;

} // namespace

CityOffset CityOffset::compute(const Place &city, const CalendarTable &reference,
                               const SunTrack &track, const PrayerMethod &method,
                               std::optional<int> fixedMinutes)
{
    const PrayerCalculator calculator(track, city, method);
    const QList<QDate> &days = reference.ownDays();
    const QList<SolarDay> &ref = reference.ownEvents();
    std::vector<SolarDay> own;
    own.reserve(std::size_t(days.size()));
    double noonSum = 0;
    for (qsizetype i = 0; i < days.size(); ++i) {
        own.push_back(calculator.day(days[i]));
        noonSum += (own.back().transit - ref[i].transit) * minutesPerDay;
    }

    CityOffset result;
    result.name = city.name;
    result.minutes = fixedMinutes.value_or(int(std::lround(noonSum / double(days.size()))));
    if (std::abs(result.minutes) > maxMinutes)
        throw CalculationError(QStringLiteral("Qyteti \"%1\" është %2 minuta larg vendit \"%3\"; "
                                              "lejohen deri në %4.")
                                   .arg(city.name)
                                   .arg(result.minutes)
                                   .arg(reference.place().name)
                                   .arg(maxMinutes));

    struct Adhan
    {
        int time; // of PrayerNames
        double SolarDay::*event;
    };
    static constexpr Adhan adhans[] = {{1, &SolarDay::dawn},
                                       {4, &SolarDay::asr},
                                       {5, &SolarDay::sunset},
                                       {6, &SolarDay::nightfall}};
    for (qsizetype i = 0; i < days.size(); ++i) {
        for (const Adhan &adhan : adhans) {
            const double drift =
                (own[std::size_t(i)].*adhan.event - ref[i].*adhan.event) * minutesPerDay -
                result.minutes;
            if (std::abs(drift) > std::abs(result.worstError)) {
                result.worstError = drift;
                result.worstPrayer = QString::fromUtf8(PrayerNames::of(adhan.time).column);
                result.worstDate = days[i];
            }
        }
    }
    return result;
}
