#include "kolvira-db/GenerateCommand.h"

#include "astronomy/CalculationError.h"
#include "astronomy/CalendarTable.h"
#include "astronomy/CityList.h"
#include "astronomy/CityNames.h"
#include "astronomy/CityOffsets.h"
#include "astronomy/PlaceCalendar.h"
#include "data/BfiCalendar.h"
#include "data/CalendarConnection.h"
#include "data/ConnectionText.h"
#include "data/UserPlaces.h"
#include "data/WorldPlaces.h"
#include "kolvira-db/Arguments.h"
#include "kolvira-db/CalendarWriter.h"
#include "kolvira-db/TakvimFile.h"
#include "kolvira-db/UsageError.h"
#include "prayer/CityStore.h"

#include <QDate>
#include <QElapsedTimer>
#include <QTimeZone>

#include <algorithm>
#include <cmath>

namespace GenerateCommand {

namespace {

const QString defaultPlace = QStringLiteral("Prishtinë");

// The options that ask for a computed calendar instead of the official one.
const QStringList computingOptions{
    QStringLiteral("method"),     QStringLiteral("place"),
    QStringLiteral("fajr-angle"), QStringLiteral("isha-angle"),
    QStringLiteral("asr"),        QStringLiteral("imsak"),
    QStringLiteral("adjust"),     QStringLiteral("fajr-after-imsak")};

std::array<int, 7> adjustmentsFrom(const Arguments &args, const std::array<int, 7> &fallback)
{
    if (!args.has(QStringLiteral("adjust")))
        return fallback;
    const QStringList parts = args.value(QStringLiteral("adjust")).split(QLatin1Char(','));
    std::array<int, 7> minutes{};
    bool ok = parts.size() == 7;
    for (int i = 0; ok && i < 7; ++i)
        minutes[std::size_t(i)] = parts[i].trimmed().toInt(&ok);
    if (!ok)
        throw UsageError(
            QStringLiteral("Vlera e \"--adjust\" duhet të jetë shtatë minuta të ndara me "
                           "presje (Imsaku,Fexhri,Lindja,Dhuhri,Asri,Magribi,"
                           "Isha), jo \"%1\".")
                .arg(args.value(QStringLiteral("adjust"))));
    return minutes;
}

PrayerMethod methodFrom(const Arguments &args)
try {
    PrayerMethod method =
        PrayerMethod::named(args.value(QStringLiteral("method"), QStringLiteral("mwl")));
    method.fajrAngle = args.real(QStringLiteral("fajr-angle"), method.fajrAngle);
    method.ishaAngle = args.real(QStringLiteral("isha-angle"), method.ishaAngle);
    const QString asr = args.value(QStringLiteral("asr"), QStringLiteral("standard"));
    if (asr == QLatin1String("standard"))
        method.asrShadowFactor = 1;
    else if (asr == QLatin1String("hanafi"))
        method.asrShadowFactor = 2;
    else
        throw UsageError(
            QStringLiteral("Vlera e \"--asr\" është \"standard\" ose \"hanafi\", jo \"%1\".")
                .arg(asr));
    method.imsakMinutes = args.integer(QStringLiteral("imsak"), method.imsakMinutes, 0, 60);
    if (args.has(QStringLiteral("fajr-after-imsak")))
        method.fajrAfterImsak = args.integer(QStringLiteral("fajr-after-imsak"), 0, 0, 60);
    method.adjustMinutes = adjustmentsFrom(args, method.adjustMinutes);
    method.validate();
    return method;
} catch (const UsageError &) {
    throw;
} catch (const CalculationError &e) {
    // A method or value that does not exist is a fault of the command line.
    throw UsageError(e.message());
}

QString decimal(double value, int digits)
{
    return QString::number(value, 'f', digits).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString signedMinutes(int minutes)
{
    return minutes > 0 ? QStringLiteral("+%1").arg(minutes) : QString::number(minutes);
}

QString methodText(const PrayerMethod &method)
{
    QString text =
        QStringLiteral("Fexhri %1°, Isha %2° nën horizont; Asri me hije %3 (%4); ")
            .arg(decimal(method.fajrAngle, 1), decimal(method.ishaAngle, 1))
            .arg(method.asrShadowFactor == 1 ? QStringLiteral("1×") : QStringLiteral("2×"))
            .arg(method.asrShadowFactor == 1 ? QStringLiteral("standard")
                                             : QStringLiteral("hanefi"));
    if (method.fajrAfterImsak)
        text += QStringLiteral("Imsaku në agim, Fexhri %1 minuta pas Imsakut.")
                    .arg(*method.fajrAfterImsak);
    else
        text += QStringLiteral("Imsaku %1 minuta para Fexhrit.").arg(method.imsakMinutes);
    if (method.adjustMinutes != std::array<int, 7>{}) {
        QStringList minutes;
        for (int m : method.adjustMinutes)
            minutes << signedMinutes(m);
        text += QStringLiteral("\nNdreqjet (Imsaku .. Isha): %1 minuta.")
                    .arg(minutes.join(QStringLiteral(", ")));
    }
    return text;
}

QString placeText(const Place &place)
{
    return QStringLiteral("%1 (%2° V, %3° L, %4)")
        .arg(place.name, decimal(place.latitude, 4), decimal(place.longitude, 4), place.timeZone);
}

PerpetualCalendar perpetualOf(const CalendarTable &table, const QString &source)
{
    PerpetualCalendar calendar;
    calendar.source = source;
    calendar.timeZone = table.place().timeZone;
    calendar.standardOffset = table.standardOffset();
    for (const CalendarTable::Row &row : table.rows())
        calendar.rows << PerpetualCalendar::Row{row.day, row.month, row.standard};
    return calendar;
}

struct Made
{
    PerpetualCalendar calendar;
    QList<Place> cities; // each with its own calendar, if it keeps one here
    QList<CityOffset> offsets;
    QString selected;
    QString title;
    QString reference; // the city the offsets count from, if it is one of the list
    QString tableName; // whose the table is that the cities without their own follow
};

void report(QTextStream &out, const Made &made)
{
    out << made.title << '\n';
    out << QStringLiteral("\n%1 %2 %3  %4\n")
               .arg(QStringLiteral("Qyteti"), -18)
               .arg(QStringLiteral("Minuta"), 6)
               .arg(QStringLiteral("Kalendari"), -9)
               .arg(QStringLiteral("Devijimi më i madh i ezaneve të tjera"));
    for (qsizetype i = 0; i < made.offsets.size(); ++i) {
        const CityOffset &city = made.offsets[i];
        const Place &place = made.cities[i];
        out << QStringLiteral("%1 %2 %3  ")
                   .arg(city.name, -18)
                   .arg(signedMinutes(city.minutes), 6)
                   .arg(place.ownCalendar.isEmpty() ? made.tableName : place.ownCalendar.toUpper(),
                        -9);
        if (city.name == made.reference)
            out << QStringLiteral("vendi i referencës\n");
        else if (place.ownCalendar == QLatin1String(BfiCalendar::name))
            out << QStringLiteral("kohët e veta: tabela e Shkupit %1 min\n")
                       .arg(signedMinutes(place.tableMinutes.value_or(0)));
        else if (!place.ownCalendar.isEmpty())
            out << QStringLiteral("kohët e veta, të llogaritura për qytetin\n");
        else
            out << QStringLiteral("%1 min (%2, %3)\n")
                       .arg(decimal(std::abs(city.worstError), 1), 4)
                       .arg(city.worstPrayer, city.worstDate.toString(QStringLiteral("d.M")));
    }
}

// A city that keeps its own calendar has its own times and no minutes.
QList<CityOffset> offsetsFrom(const QList<Place> &cities, const CalendarTable &reference,
                              const SunTrack &track, const PrayerMethod &method, bool tableMinutes)
{
    QList<CityOffset> offsets;
    for (const Place &city : cities)
        offsets << (city.ownCalendar.isEmpty()
                        ? CityOffset::compute(city, reference, track, method,
                                              tableMinutes ? city.tableMinutes : std::nullopt)
                        : CityOffset{city.name});
    return offsets;
}

// The official table. Towns of Kosovo take the minutes of its note; other
// cities the difference of their noon from the table's meridian, the one at
// which Prishtinë comes out a minute early. Their drift is measured with the
// method that comes closest to the table.
Made official(int year, const QList<Place> &cities, const SunTrack &track)
{
    Made made;
    made.calendar = TakvimFile::builtIn();
    made.cities = cities;
    const Place prishtina = CityList::find(cities, defaultPlace);
    Place meridian = prishtina;
    meridian.name = QStringLiteral("meridiani i takvimit");
    meridian.longitude += 0.25; // a minute of the sun's hour angle
    const PrayerMethod bik = PrayerMethod::named(QStringLiteral("bik"));
    made.offsets = offsetsFrom(cities, CalendarTable(year, meridian, bik, track), track, bik, true);
    made.selected = prishtina.name;
    made.tableName = QStringLiteral("BIK");
    made.title = QStringLiteral("Kalendari i vitit %1: %2\nMinutat e qyteteve jashtë Kosovës "
                                "nga %3.")
                     .arg(year)
                     .arg(made.calendar.source, placeText(meridian));
    return made;
}

// A city named on the command line that the list lacks is a fault of the
// command line.
const Place &placeNamed(const QList<Place> &cities, const QString &name)
{
    try {
        return CityList::find(cities, name);
    } catch (const CalculationError &e) {
        throw UsageError(e.message());
    }
}

// A computed calendar counts every city's minutes from its own reference.
Made computed(int year, const Arguments &args, const QList<Place> &cities, const SunTrack &track)
{
    Made made;
    const PrayerMethod method = methodFrom(args);
    const QString placeName = args.value(QStringLiteral("place"), defaultPlace);
    const Place place = placeNamed(cities, placeName);
    const CalendarTable table(year, place, method, track);
    // One computed table serves every city, each by its noon difference.
    made.cities = cities;
    for (Place &city : made.cities)
        city.ownCalendar.clear();
    made.offsets = offsetsFrom(made.cities, table, track, method, false);
    made.selected = made.reference = place.name;
    made.tableName = args.value(QStringLiteral("method"), QStringLiteral("mwl"));
    made.title = QStringLiteral("Kalendari i vitit %1 për %2\n%3")
                     .arg(year)
                     .arg(placeText(place), methodText(method));
    made.calendar = perpetualOf(
        table, QStringLiteral("Llogaritur për %1: %2").arg(place.name, methodText(method)));
    return made;
}

// The method, high-latitude rule and Asr of --method, --high-latitude, --asr.
void chooseMethod(const Arguments &args, UserPlaces::WorldPlace &place)
{
    place.method = args.value(QStringLiteral("method"), PlaceCalendar::methodNames().first());
    if (!PlaceCalendar::methodNames().contains(place.method))
        throw UsageError(
            QStringLiteral("Metoda \"%1\" nuk njihet; metodat janë: %2.")
                .arg(place.method, PlaceCalendar::methodNames().join(QStringLiteral(", "))));
    place.highLatitude = args.value(QStringLiteral("high-latitude"));
    if (!place.highLatitude.isEmpty() &&
        !PlaceCalendar::highLatitudeRules().contains(place.highLatitude))
        throw UsageError(QStringLiteral("Rregulli \"%1\" nuk njihet; rregullat janë: %2.")
                             .arg(place.highLatitude,
                                  PlaceCalendar::highLatitudeRules().join(QStringLiteral(", "))));
    const QString asr = args.value(QStringLiteral("asr"), QStringLiteral("standard"));
    if (asr != QLatin1String("standard") && asr != QLatin1String("hanafi"))
        throw UsageError(
            QStringLiteral("Vlera e \"--asr\" është \"standard\" ose \"hanafi\", jo \"%1\".")
                .arg(asr));
    place.asrShadow = asr == QLatin1String("hanafi") ? 2 : 1;
}

// A place of the world with its name, as the tool adds it to the user's places.
struct NamedPlace
{
    QString name;
    UserPlaces::WorldPlace place;
};

// The point of --at, named by --name.
NamedPlace placeAt(const Arguments &args)
{
    const QStringList at = args.value(QStringLiteral("at")).split(QLatin1Char(','));
    bool latitudeRead = false, longitudeRead = false;
    NamedPlace named{args.value(QStringLiteral("name"), QStringLiteral("Vendi im")), {}};
    UserPlaces::WorldPlace &place = named.place;
    if (at.size() == 2) {
        place.latitude = at[0].trimmed().toDouble(&latitudeRead);
        place.longitude = at[1].trimmed().toDouble(&longitudeRead);
    }
    if (!latitudeRead || !longitudeRead || std::abs(place.latitude) > 90 ||
        std::abs(place.longitude) > 180)
        throw UsageError(QStringLiteral("Vlera e \"--at\" është GJERËSIA,GJATËSIA në gradë "
                                        "(p.sh. 47.3769,8.5417), jo \"%1\".")
                             .arg(args.value(QStringLiteral("at"))));
    place.timeZone = args.value(QStringLiteral("zone"));
    if (!QTimeZone(place.timeZone.toUtf8()).isValid())
        throw UsageError(QStringLiteral("Me \"--at\" jepni edhe --zone, një zonë kohore e "
                                        "njohur (p.sh. Europe/Zurich), jo \"%1\".")
                             .arg(place.timeZone));
    return named;
}

// The town of the list that the name is, by any name people write for it.
const Place *listedTown(const QList<Place> &cities, const QString &name)
{
    if (const Place *city = CityList::named(cities, name))
        return city;
    const std::optional<QString> town = CityNames::townNamed(name);
    return town ? CityList::named(cities, *town) : nullptr;
}

// The place of the world list whose name, ours or its country's, is the one
// given; a name that only begins one is no choice of the user's.
NamedPlace placeOfTheWorld(const QString &name)
{
    const QList<WorldPlace> hits = WorldPlaces::load().search(name, 5);
    const QString folded = foldForSearch(name);
    for (const WorldPlace &hit : hits) {
        if (foldForSearch(hit.name) == folded || foldForSearch(hit.geoNamesName) == folded)
            return {hit.name,
                    {hit.latitude, hit.longitude, hit.timeZone, hit.countryCode, {}, {}, 1}};
    }
    QStringList near;
    for (const WorldPlace &hit : hits)
        near << QStringLiteral("%1 (%2)").arg(hit.name, hit.country);
    throw UsageError(near.isEmpty()
                         ? QStringLiteral("Qyteti \"%1\" nuk është as në listë, as ndër vendet "
                                          "e botës.")
                               .arg(name)
                         : QStringLiteral("Qyteti \"%1\" nuk gjendet; ndoshta: %2.")
                               .arg(name, near.join(QStringLiteral(", "))));
}

} // namespace

int run(const QStringList &words, QTextStream &out, const Clock &clock)
{
    QStringList optionNames = computingOptions;
    optionNames << QStringLiteral("year") << QStringLiteral("cities") << QStringLiteral("city")
                << QStringLiteral("at") << QStringLiteral("zone") << QStringLiteral("name")
                << QStringLiteral("high-latitude");
    const Arguments args(words, optionNames);
    if (args.positional().size() != 1)
        throw UsageError(QStringLiteral("Komanda \"generate\" kërkon emrin e skedarit që do "
                                        "të shkruhet, dhe vetëm atë."));
    const QString path = args.positional().first();
    const int year = args.integer(QStringLiteral("year"), clock.now().date().year(), 1960, 2200);
    const QList<Place> cities = args.has(QStringLiteral("cities"))
                                    ? CityList::load(args.value(QStringLiteral("cities")))
                                    : CityList::builtIn();
    // A place of the world (by --at, or a --city the list lacks) is added to
    // the official calendar's cities; --method and --asr are then its own.
    const QString cityName = args.value(QStringLiteral("city"));
    const Place *listed = args.has(QStringLiteral("city")) ? listedTown(cities, cityName) : nullptr;
    std::optional<NamedPlace> added;
    if (args.has(QStringLiteral("at")))
        added = placeAt(args);
    else if (args.has(QStringLiteral("city")) && !listed)
        added = placeOfTheWorld(cityName);
    // A place of the world that is a town of the list is that town.
    if (added && !args.has(QStringLiteral("at")))
        if (const std::optional<QString> town =
                CityNames::sameTown({added->name}, added->place.latitude, added->place.longitude);
            town && (listed = CityList::named(cities, *town)))
            added.reset();
    if (added)
        chooseMethod(args, added->place);
    const bool computing =
        !added && std::any_of(computingOptions.begin(), computingOptions.end(),
                              [&](const QString &name) { return args.has(name); });
    if (computing)
        methodFrom(args); // a wrong method is a fault of the command line, found first

    QElapsedTimer timer;
    timer.start();
    const SunTrack track(QDate(year, 1, 1), QDate(year, 12, 31));
    Made made = computing ? computed(year, args, cities, track) : official(year, cities, track);
    if (listed)
        made.selected = listed->name;
    QList<CalendarWriter::City> written;
    for (qsizetype i = 0; i < made.cities.size(); ++i)
        written << CalendarWriter::City{made.cities[i], made.offsets[i].minutes};
    CalendarWriter::write(path, made.calendar, TakvimFile::builtInBfi(), year, written,
                          made.selected);
    QString placeLine;
    if (added) {
        CalendarConnection connection;
        connection.open(ConnectionText::forFile(path));
        CityStore(connection).addPlace(added->name, added->place);
        const Place place{added->name, added->place.latitude, added->place.longitude,
                          added->place.timeZone};
        placeLine = QStringLiteral("\nVendi i zgjedhur: %1, metoda %2.\n")
                        .arg(placeText(place), added->place.method);
    }
    const qint64 elapsed = timer.elapsed();

    report(out, made);
    out << placeLine;
    out << QStringLiteral("\nU shkrua \"%1\": %2 ditë, %3 qytete. Koha: %4 ms.\n")
               .arg(path)
               .arg(made.calendar.rows.size())
               .arg(made.offsets.size())
               .arg(elapsed);
    return 0;
}

} // namespace GenerateCommand
