#include "astronomy/PlaceCalendar.h"

#include "astronomy/CalculationError.h"
#include "astronomy/CalendarTable.h"
#include "astronomy/DiyanetSummer.h"
#include "astronomy/HighLatitudeRule.h"
#include "astronomy/PrayerCalculator.h"
#include "astronomy/TitledNames.h"

#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// The methods a user chooses from; "kmsh" and "bik" stay for the calendars
// of Albania and Kosovo.
constexpr TitledName titles[] = {
    {"diyanet", "Diyaneti (Turqia)"},
    {"mwl", "Lidhja Botërore Myslimane (MWL)"},
    {"isna", "Shoqata Islame e Amerikës së Veriut (ISNA)"},
    {"egypt", "Autoriteti i Përgjithshëm i Topografisë, Egjipt"},
    {"karachi", "Universiteti i Shkencave Islame, Karaçi"},
    {"umm-al-qura", "Universiteti Umm al-Qura, Meka"},
    {"gulf", "Autoriteti i Çështjeve Islame, Dubai (Gjiri)"},
    {"kuwait", "Ministria e Vakëfeve, Kuvajt"},
    {"qatar", "Ministria e Vakëfeve, Katar"},
    {"singapore", "Këshilli Fetar Islam i Singaporit (MUIS)"},
    {"tehran", "Instituti i Gjeofizikës, Teheran"},
    {"moonsighting", "Komiteti i Shikimit të Hënës (Moonsighting Committee)"},
};

// The methods kept for the calendars of Albania and Kosovo.
constexpr TitledName keptTitles[] = {
    {PlaceCalendar::albaniaMethod, "Komuniteti Mysliman i Shqipërisë (KMSH)"},
    {"bik", "Bashkësia Islame e Kosovës (BIK), formulë e përafërt"},
};

constexpr int minutesPerDay = 24 * 60;

// The minutes of the row's date on the zone's clock, each after the one
// before (Fexhri may equal Imsaku) and all within the day.
std::array<QTime, 7> inOrder(const std::array<QDateTime, 7> &instants, const QTimeZone &zone,
                             QDate date)
{
    std::array<int, 7> minutes;
    for (std::size_t i = 0; i < instants.size(); ++i) {
        const QDateTime local = instants[i].toTimeZone(zone);
        const int m = int(date.daysTo(local.date())) * minutesPerDay +
                      local.time().msecsSinceStartOfDay() / 60000;
        minutes[i] = std::clamp(m, 0, minutesPerDay - 1);
    }
    const auto gap = [](std::size_t i) { return i == 1 ? 0 : 1; };
    for (std::size_t i = 1; i < minutes.size(); ++i)
        minutes[i] = std::max(minutes[i], minutes[i - 1] + gap(i));
    minutes.back() = std::min(minutes.back(), minutesPerDay - 1);
    for (std::size_t i = minutes.size() - 1; i > 0; --i)
        minutes[i - 1] = std::min(minutes[i - 1], minutes[i] - gap(i));
    std::array<QTime, 7> times;
    for (std::size_t i = 0; i < minutes.size(); ++i)
        times[i] = QTime(0, 0).addSecs(60 * minutes[i]);
    return times;
}

constexpr double seasonalLatitude = 55;

PrayerMethod prayerMethod(const Place &place, const CalendarMethod &chosen)
{
    PrayerMethod method = PrayerMethod::named(chosen.method);
    method.asrShadowFactor = chosen.asrShadow;
    method.validate();
    if (method.diyanetBeyond45 && DiyanetSummer::appliesAt(place.latitude))
        method.ishaAngle = DiyanetSummer::ishaAngle;
    return method;
}

// The title of the rule the place's short nights follow.
QString ruleTitle(const CalendarMethod &method)
{
    return HighLatitudeRule::title(method.highLatitude.isEmpty()
                                       ? QLatin1String(HighLatitudeRule::defaultName)
                                       : method.highLatitude);
}

} // namespace

namespace PlaceCalendar {

QList<PerpetualCalendar::Row> localRows(const Place &place, const CalendarMethod &chosen, int year)
{
    const PrayerMethod method = prayerMethod(place, chosen);
    const HighLatitudeRule::Rule rule = HighLatitudeRule::named(
        chosen.highLatitude.isEmpty() ? QLatin1String(HighLatitudeRule::defaultName)
                                      : chosen.highLatitude);
    const QTimeZone zone(place.timeZone.toUtf8());
    // Diyanet's summer of the southern hemisphere spans the new year: the
    // track then reaches the months around both solstices of December.
    const bool south = place.latitude < 0;
    const SunTrack track(south ? QDate(year - 1, 8, 1) : QDate(year - 1, 12, 1),
                         south ? QDate(year + 1, 5, 1) : QDate(year + 1, 1, 31));
    const PrayerCalculator calculator(track, place, method);
    std::unique_ptr<SunTrack> leapTrack;
    std::unique_ptr<PrayerCalculator> leapCalculator;
    std::optional<DiyanetSummer> summer;
    // The Moonsighting Committee's seasonal twilight stands for the angle up
    // to 55 degrees; the rule of the night only further north.
    const bool seasonalRules =
        method.seasonalTwilight && std::abs(place.latitude) <= seasonalLatitude;
    if (method.diyanetBeyond45 && DiyanetSummer::appliesAt(place.latitude))
        summer.emplace(calculator, place.latitude);

    QList<PerpetualCalendar::Row> rows;
    for (const QDate &date : CalendarTable::dates(year)) {
        const bool own = date.year() == year;
        if (!own && !leapCalculator) {
            leapTrack = std::make_unique<SunTrack>(date.addDays(-1), date.addDays(1));
            leapCalculator = std::make_unique<PrayerCalculator>(*leapTrack, place, method);
        }
        const PrayerCalculator &calc = own ? calculator : *leapCalculator;
        PartialDay partial = calc.partialDay(date);
        if (summer && own)
            summer->apply(date, partial);
        const SolarDay day = HighLatitudeRule::complete(
            partial, rule, place.latitude, method.fajrAngle, method.ishaAngle,
            method.asrShadowFactor, summer.has_value() || seasonalRules);
        rows << PerpetualCalendar::Row{date.day(), date.month(),
                                       inOrder(calc.instants(day), zone, date), day.estimated};
    }
    return rows;
}

QStringList methodNames()
{
    return TitledNames::names(titles);
}

QString methodTitle(const QString &name)
{
    const QString title = TitledNames::title(titles, name);
    return title.isEmpty() ? TitledNames::title(keptTitles, name) : title;
}

QStringList highLatitudeRules()
{
    return HighLatitudeRule::names();
}

QString highLatitudeTitle(const QString &name)
{
    return HighLatitudeRule::title(name);
}

QString estimateNote(const CalendarMethod &method)
{
    return QStringLiteral("e përafërt, sipas rregullit të netëve të shkurtra: %1")
        .arg(ruleTitle(method));
}

QString source(const Place &place, const CalendarMethod &method)
{
    if (method.method == QLatin1String(albaniaMethod) ||
        (method.method == QLatin1String("diyanet") &&
         place.ownCalendar == QLatin1String(albaniaMethod)))
        return QStringLiteral("Takvimi i Komunitetit Mysliman të Shqipërisë (KMSH) për %1")
            .arg(place.name);
    const QString title = methodTitle(method.method);
    QString text =
        QStringLiteral("Llogaritur për %1 (%2, %3) sipas metodës: %4")
            .arg(place.name, QString::number(place.latitude, 'f', 4),
                 QString::number(place.longitude, 'f', 4), title.isEmpty() ? method.method : title);
    if (method.asrShadow == 2)
        text += QStringLiteral(", Asri hanefi");
    // Only where the sun can fail to sink to 18 degrees does the rule show.
    if (HighLatitudeRule::angleCanFail(place.latitude, 18))
        text += QStringLiteral(", netët e shkurtra: %1").arg(ruleTitle(method));
    return text;
}

} // namespace PlaceCalendar
