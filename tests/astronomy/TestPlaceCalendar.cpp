#include "astronomy/CalendarTable.h"
#include "astronomy/CityList.h"
#include "astronomy/PlaceCalendar.h"
#include "support/TsvRows.h"

#include <QSet>
#include <QTest>

namespace {

using Times = std::array<int, 7>; // minutes of the day, Imsaku .. Isha; -1: not published

// A published table: "date<TAB>six times" per line, '#' comments; its six
// columns are Imsaku (the one dawn time) or Fexhri, sunrise, Dhuhri, Asri,
// Magribi, Isha.
QList<std::pair<QDate, Times>> published(const QString &path, int dawnColumn)
{
    QList<std::pair<QDate, Times>> days;
    for (const QStringList &cells : TsvRows::read(path)) {
        Times t;
        t.fill(-1);
        for (int i = 0; i < 6; ++i)
            t[i == 0 ? dawnColumn : i + 1] =
                QTime::fromString(cells[i + 1], u"HH:mm").msecsSinceStartOfDay() / 60000;
        days.append({QDate::fromString(cells[0], Qt::ISODate), t});
    }
    return days;
}

Times rowOf(const QList<PerpetualCalendar::Row> &rows, QDate date)
{
    for (const PerpetualCalendar::Row &row : rows)
        if (row.day == date.day() && row.month == date.month()) {
            Times t;
            for (int i = 0; i < 7; ++i)
                t[i] = row.times[i].msecsSinceStartOfDay() / 60000;
            return t;
        }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Place)

// The named methods against the tables their authorities publish, and the
// high-latitude rules keeping every day whole and in order.
class TestPlaceCalendar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesPublishedTables_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("method");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<int>("dawnColumn"); // 0: Imsaku, 1: Fexhri
        QTest::addColumn<double>("exactShare");
        QTest::addColumn<double>("withinMinuteShare");
        QTest::addColumn<int>("mostOff");
        QTest::newRow("Diyanet Ankara 2019")
            << KOLVIRA_TABLES "/diyanet-ankara-2019.tsv"
            << "diyanet" << 39.939382 << 32.819713 << "Europe/Istanbul" << 1 << 0.93 << 1.0 << 1;
        QTest::newRow("Diyanet Flensburg 2026 summer")
            << KOLVIRA_TABLES "/diyanet-flensburg-2026-summer.tsv"
            << "diyanet" << 54.78805 << 9.43722 << "Europe/Berlin" << 0 << 0.8 << 0.95 << 2;
        QTest::newRow("Diyanet Hamburg-Wilhelmsburg 2026 summer")
            << KOLVIRA_TABLES "/diyanet-wilhelmsburg-2026-summer.tsv"
            << "diyanet" << 53.49283 << 10.01372 << "Europe/Berlin" << 0 << 0.7 << 0.95 << 3;
        QTest::newRow("Diyanet Garching 2026 summer")
            << KOLVIRA_TABLES "/diyanet-garching-2026-summer.tsv"
            << "diyanet" << 48.24896 << 11.65101 << "Europe/Berlin" << 0 << 0.8 << 1.0 << 1;
        QTest::newRow("Diyanet Celle 2026 summer")
            << KOLVIRA_TABLES "/diyanet-celle-2026-summer.tsv"
            << "diyanet" << 52.62264 << 10.08047 << "Europe/Berlin" << 0 << 0.6 << 0.9 << 5;
        QTest::newRow("Diyanet Eberbach 2026 summer")
            << KOLVIRA_TABLES "/diyanet-eberbach-2026-summer.tsv"
            << "diyanet" << 49.4668 << 8.99016 << "Europe/Berlin" << 0 << 0.8 << 0.95 << 4;
        QTest::newRow("Diyanet Konstanz 2026")
            << KOLVIRA_TABLES "/diyanet-konstanz-2026.tsv"
            << "diyanet" << 47.66033 << 9.17582 << "Europe/Berlin" << 0 << 0.9 << 1.0 << 1;
    }
    void matchesPublishedTables()
    {
        QFETCH(QString, file);
        QFETCH(QString, method);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, zone);
        QFETCH(int, dawnColumn);
        QFETCH(double, exactShare);
        QFETCH(double, withinMinuteShare);
        QFETCH(int, mostOff);
        const Place place{QStringLiteral("vendi"), latitude, longitude, zone};
        const auto days = published(file, dawnColumn);
        const int year = days.first().first.year();
        const auto rows = PlaceCalendar::localRows(place, {method, {}, 1}, year);
        int count = 0, exact = 0, withinMinute = 0, worst = 0;
        for (const auto &[date, times] : days) {
            const Times ours = rowOf(rows, date);
            for (int i = 0; i < 7; ++i)
                if (times[i] >= 0) {
                    const int off = std::abs(ours[i] - times[i]);
                    ++count;
                    exact += off == 0;
                    withinMinute += off <= 1;
                    worst = std::max(worst, off);
                }
        }
        qInfo("%s: %d of %d times exact, %d within a minute, the worst %d minutes off",
              QTest::currentDataTag(), exact, count, withinMinute, worst);
        QVERIFY(exact >= exactShare * count);
        QVERIFY(withinMinute >= withinMinuteShare * count);
        QVERIFY(worst <= mostOff);
    }

    // Each method, rule and Asr shadow against its authority's published
    // times or its definition computed apart, every time within a minute.
    void matchesItsAuthoritysTimes()
    {
        QSet<QString> methods, rules;
        for (const QStringList &c : TsvRows::read(KOLVIRA_TABLES "/published-times.tsv")) {
            const QString rule = c[1] == u'-' ? QString() : c[1];
            methods << c[0];
            rules << rule;
            const Place place{c[0], c[3].toDouble(), c[4].toDouble(), c[5]};
            const QDate date = QDate::fromString(c[6], Qt::ISODate);
            const Times ours = rowOf(
                PlaceCalendar::localRows(place, {c[0], rule, c[2].toInt()}, date.year()), date);
            for (int i = 0; i < 6; ++i) {
                const QTime published = QTime::fromString(c[7 + i], u"HH:mm");
                QVERIFY2(c[7 + i] == u'-' ||
                             std::abs(ours[i + 1] - published.msecsSinceStartOfDay() / 60000) <= 1,
                         qPrintable(QStringLiteral("%1 %2 %3 hija %4 koha %5")
                                        .arg(c[0], rule, c[6], c[2])
                                        .arg(i + 1)));
            }
        }
        // Every method (Diyanet's tables have their own test) and every rule.
        for (const QString &name : PlaceCalendar::methodNames())
            QVERIFY2(methods.contains(name) || name == u"diyanet", qPrintable(name));
        QCOMPARE(rules.size(), PlaceCalendar::highLatitudeRules().size() + 1);
    }

    void everyDayHasSevenOrderedTimes_data()
    {
        QTest::addColumn<Place>("place");
        QTest::addColumn<QString>("method");
        const Place places[] = {
            {QStringLiteral("Oslo"), 59.91, 10.75, QStringLiteral("Europe/Oslo")},
            {QStringLiteral("Stockholm"), 59.33, 18.07, QStringLiteral("Europe/Stockholm")},
            {QStringLiteral("Edinburgh"), 55.95, -3.19, QStringLiteral("Europe/London")},
            {QStringLiteral("Tromsø"), 69.65, 18.96, QStringLiteral("Europe/Oslo")},
            {QStringLiteral("Ushuaia"), -54.80, -68.30,
             QStringLiteral("America/Argentina/Ushuaia")},
        };
        for (const Place &place : places)
            for (const QString &method : PlaceCalendar::methodNames())
                QTest::addRow("%s %s", qPrintable(place.name), qPrintable(method))
                    << place << method;
    }
    void everyDayHasSevenOrderedTimes()
    {
        QFETCH(Place, place);
        QFETCH(QString, method);
        QVERIFY(!PlaceCalendar::methodTitle(method).isEmpty());
        for (const QString &rule : PlaceCalendar::highLatitudeRules()) {
            QVERIFY(!PlaceCalendar::highLatitudeTitle(rule).isEmpty());
            const auto rows = PlaceCalendar::localRows(place, {method, rule, 2}, 2026);
            QCOMPARE(rows.size(), 366);
            for (const PerpetualCalendar::Row &row : rows)
                for (int i = 1; i < 7; ++i) {
                    const int minute = row.times[i].msecsSinceStartOfDay();
                    const int before = row.times[i - 1].msecsSinceStartOfDay();
                    QVERIFY2(row.times[i].isValid() &&
                                 (i == 1 ? minute >= before : minute > before),
                             qPrintable(QStringLiteral("%1 %2.%3 koha %4")
                                            .arg(rule)
                                            .arg(row.day)
                                            .arg(row.month)
                                            .arg(i)));
                }
        }
    }

    // The times a rule set where the sun does not reach an angle, or rise
    // and set at all, are marked as estimates; the sun's own are not.
    void marksEstimatedTimes()
    {
        for (const QStringList &c : TsvRows::read(KOLVIRA_TABLES "/estimated-times.tsv")) {
            const QDate date = QDate::fromString(c[5], Qt::ISODate);
            const auto rows = PlaceCalendar::localRows(
                {c[0], c[1].toDouble(), c[2].toDouble(), c[3]}, {c[4], {}, 1}, date.year());
            const auto row = std::ranges::find_if(rows, [&](const auto &r) {
                return r.day == date.day() && r.month == date.month();
            });
            QString marks;
            for (bool estimated : row->estimated)
                marks += estimated ? u'1' : u'0';
            QVERIFY2(marks == c[6], qPrintable(c.join(u' ') + u' ' + marks));
        }
    }

    // Diyanet's computation gives every Albanian city the very rows of its
    // KMSH calendar, as the reference-place table computes them.
    void diyanetKeepsAlbaniasRows()
    {
        for (const Place &city : CityList::builtIn()) {
            if (city.ownCalendar != QLatin1String(PlaceCalendar::albaniaMethod))
                continue;
            const SunTrack track(QDate(2026, 1, 1), QDate(2026, 12, 31));
            const CalendarTable table(2026, city, PrayerMethod::named(QStringLiteral("kmsh")),
                                      track);
            const auto rows = PlaceCalendar::localRows(city, {}, 2026);
            QCOMPARE(rows.size(), table.rows().size());
            for (int i = 0; i < rows.size(); ++i)
                QVERIFY2(rows[i].times == table.rows()[i].times, qPrintable(city.name));
        }
    }

    // The southern summer: Sydney's clock runs an hour ahead in January.
    void keepsTheSouthernSummerTime()
    {
        const Place sydney{QStringLiteral("Sydney"), -33.87, 151.21,
                           QStringLiteral("Australia/Sydney")};
        const auto rows = PlaceCalendar::localRows(sydney, {}, 2026);
        const int noonShift =
            rowOf(rows, QDate(2026, 1, 10))[3] - rowOf(rows, QDate(2026, 7, 10))[3];
        QVERIFY2(noonShift >= 55 && noonShift <= 65, qPrintable(QString::number(noonShift)));
    }
};

QTEST_GUILESS_MAIN(TestPlaceCalendar)
#include "TestPlaceCalendar.moc"
