#include "tools/kolvira-db/GenerateCommand.h"

#include "astronomy/CalendarTable.h"
#include "astronomy/CityOffsets.h"
#include "tools/kolvira-db/Arguments.h"
#include "tools/kolvira-db/CalendarWriter.h"
#include "tools/kolvira-db/CityList.h"
#include "tools/kolvira-db/UsageError.h"

#include <QDate>
#include <QElapsedTimer>

#include <cmath>

namespace GenerateCommand {

namespace {

const QString defaultPlace = QStringLiteral("Prishtinë");

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

void report(QTextStream &out, const Place &place, const PrayerMethod &method, int year,
            const QList<CityOffset> &offsets)
{
    out << QStringLiteral("Kalendari i vitit %1 për %2 (%3° V, %4° L, %5)\n")
               .arg(year)
               .arg(place.name, decimal(place.latitude, 4), decimal(place.longitude, 4),
                    place.timeZone);
    out << QStringLiteral("Fexhri %1°, Isha %2° nën horizont; Asri me hije %3 (%4); "
                          "Imsaku %5 minuta para Fexhrit.\n")
               .arg(decimal(method.fajrAngle, 1), decimal(method.ishaAngle, 1))
               .arg(method.asrShadowFactor == 1 ? QStringLiteral("1×") : QStringLiteral("2×"))
               .arg(method.asrShadowFactor == 1 ? QStringLiteral("standard")
                                                : QStringLiteral("hanefi"))
               .arg(method.imsakMinutes);
    out << QStringLiteral("\n%1 %2  %3\n")
               .arg(QStringLiteral("Qyteti"), -18)
               .arg(QStringLiteral("Minuta"), 6)
               .arg(QStringLiteral("Devijimi më i madh i ezaneve të tjera"));
    for (const CityOffset &city : offsets) {
        out << QStringLiteral("%1 %2  ").arg(city.name, -18).arg(signedMinutes(city.minutes), 6);
        if (city.name == place.name)
            out << QStringLiteral("vendi i referencës\n");
        else
            out << QStringLiteral("%1 min (%2, %3)\n")
                       .arg(decimal(std::abs(city.worstError), 1), 4)
                       .arg(city.worstPrayer, city.worstDate.toString(QStringLiteral("d.M")));
    }
}

} // namespace

int run(const QStringList &words, QTextStream &out, const Clock &clock)
{
    const Arguments args(words, {QStringLiteral("year"), QStringLiteral("place"),
                                 QStringLiteral("method"), QStringLiteral("fajr-angle"),
                                 QStringLiteral("isha-angle"), QStringLiteral("asr"),
                                 QStringLiteral("imsak"), QStringLiteral("cities")});
    if (args.positional().size() != 1)
        throw UsageError(QStringLiteral("Komanda \"generate\" kërkon emrin e skedarit që do "
                                        "të shkruhet, dhe vetëm atë."));
    const QString path = args.positional().first();
    const int year = args.integer(QStringLiteral("year"), clock.now().date().year(), 1960, 2200);
    const PrayerMethod method = methodFrom(args);
    const QList<Place> cities = args.has(QStringLiteral("cities"))
                                    ? CityList::load(args.value(QStringLiteral("cities")))
                                    : CityList::builtIn();
    const QString placeName = args.value(QStringLiteral("place"), defaultPlace);
    const Place place = [&] {
        try {
            return CityList::find(cities, placeName);
        } catch (const ToolError &e) {
            throw UsageError(e.message());
        }
    }();

    QElapsedTimer timer;
    timer.start();
    const SunTrack track(QDate(year, 1, 1), QDate(year, 12, 31));
    const CalendarTable table(year, place, method, track);
    QList<CityOffset> offsets;
    for (const Place &city : cities)
        offsets << CityOffset::compute(city, table, track, method);
    CalendarWriter::write(path, table.rows(), offsets, place.name);
    const qint64 elapsed = timer.elapsed();

    report(out, place, method, year, offsets);
    out << QStringLiteral("\nU shkrua \"%1\": %2 ditë, %3 qytete. Koha: %4 ms.\n")
               .arg(path)
               .arg(table.rows().size())
               .arg(offsets.size())
               .arg(elapsed);
    return 0;
}

} // namespace GenerateCommand
