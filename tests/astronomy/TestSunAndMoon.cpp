#include "astronomy/CalendarTable.h"
#include "astronomy/CrescentRule.h"
#include "astronomy/Mjd.h"
#include "astronomy/MoonSun.h"
#include "astronomy/PrayerCalculator.h"
#include "astronomy/TimeScale.h"
#include "calendar/OfficialHijriDates.h"

#include <QDateTime>
#include <QTest>
#include <QTimeZone>

namespace {

const Place prishtina{QStringLiteral("Prishtinë"), 42.6629, 21.1655,
                      QStringLiteral("Europe/Belgrade")};

const std::pair<const char *, double SolarDay::*> events[] = {
    {"dawn", &SolarDay::dawn}, {"sunrise", &SolarDay::sunrise}, {"transit", &SolarDay::transit},
    {"asr", &SolarDay::asr},   {"sunset", &SolarDay::sunset},   {"dusk", &SolarDay::nightfall}};

} // namespace

// The sun's events against instants from a high-precision ephemeris, the
// year's rows in the local clock time (summer time per day, the leap day),
// new moons and the rule for the first day of a Hijri month.
class TestSunAndMoon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesTheEphemerisWithinThirtySeconds_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("event");
        QTest::addColumn<QTime>("expectedUt");
        const struct
        {
            QDate date;
            const char *times[6];
        } reference[] = {
            {QDate(2027, 1, 1),
             {"04:23:44", "06:05:33", "10:38:45", "12:54:30", "15:12:07", "16:48:18"}},
            {QDate(2027, 6, 21),
             {"00:40:52", "02:57:26", "10:37:06", "14:41:35", "18:16:46", "20:22:45"}},
        };
        for (const auto &day : reference)
            for (int i = 0; i < 6; ++i)
                QTest::addRow("%s %s", qPrintable(day.date.toString(Qt::ISODate)), events[i].first)
                    << day.date << i
                    << QTime::fromString(QLatin1String(day.times[i]), QStringLiteral("HH:mm:ss"));
    }
    void matchesTheEphemerisWithinThirtySeconds()
    {
        QFETCH(QDate, date);
        QFETCH(int, event);
        QFETCH(QTime, expectedUt);
        const SunTrack track(date, date);
        const PrayerCalculator calculator(track, prishtina, PrayerMethod{});
        const double computed = calculator.day(date).*events[event].second;
        const double expected = Mjd::fromDate(date) + expectedUt.msecsSinceStartOfDay() / 86.4e6;
        const double seconds = (computed - expected) * Mjd::secondsPerDay;
        QVERIFY2(std::abs(seconds) <= 30, qPrintable(QStringLiteral("%1 s off").arg(seconds)));
    }

    void localTimesOfTheDay_data()
    {
        // Imsaku, Fexhri, sunrise, Dhuhri, Asri, Magribi, Isha; checked against
        // an independent low-precision solar computation.
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("times");
        QTest::newRow("summer time begins")
            << 2027 << 28 << 3 << "04:39 04:49 06:25 12:40 16:12 18:56 20:27";
        QTest::newRow("leap day") << 2028 << 29 << 2 << "04:28 04:38 06:12 11:48 14:53 17:24 18:52";
        QTest::newRow("a common year borrows the next leap day")
            << 2027 << 29 << 2 << "04:28 04:38 06:12 11:48 14:53 17:24 18:52";
    }
    void localTimesOfTheDay()
    {
        QFETCH(int, year);
        QFETCH(int, day);
        QFETCH(int, month);
        const SunTrack track(QDate(year, 1, 1), QDate(year, 12, 31));
        const CalendarTable table(year, prishtina, PrayerMethod{}, track);
        QCOMPARE(table.rows().size(), 366);
        QStringList texts;
        for (const auto &row : table.rows())
            if (row.day == day && row.month == month)
                for (const QTime &t : row.times) // seconds would show
                    texts << t.toString(t.second() ? "HH:mm:ss" : "HH:mm");
        QTEST(texts.join(QLatin1Char(' ')), "times");
    }

    // Published new moons, to the minute (the first in TT, from Meeus'
    // Astronomical Algorithms, example 49.a).
    void conjunctions_data()
    {
        QTest::addColumn<QDateTime>("instant");
        QTest::addColumn<bool>("terrestrialTime");
        const auto utc = [](int y, int mo, int d, int h, int mi, int s = 0) {
            return QDateTime(QDate(y, mo, d), QTime(h, mi, s), QTimeZone::utc());
        };
        QTest::newRow("1977-02-18") << utc(1977, 2, 18, 3, 37, 42) << true;
        QTest::newRow("2000-01-06") << utc(2000, 1, 6, 18, 14) << false;
        QTest::newRow("2017-08-21 eclipse") << utc(2017, 8, 21, 18, 30) << false;
        QTest::newRow("2024-04-08 eclipse") << utc(2024, 4, 8, 18, 21) << false;
    }
    void conjunctions()
    {
        QFETCH(QDateTime, instant);
        QFETCH(bool, terrestrialTime);
        const double expected =
            Mjd::fromDate(instant.date()) + instant.time().msecsSinceStartOfDay() / 86400000.0;
        const SunTrack sun(instant.date().addDays(-2), instant.date().addDays(5),
                           SunTrack::Scale::Ut1);
        double found = MoonSun::conjunctionNear(expected + 3, sun);
        if (terrestrialTime)
            found = TimeScale::ttFromUt1(found);
        QVERIFY2(std::abs(found - expected) * 1440 < 1,
                 qPrintable(Mjd::toSecond(found).toString(Qt::ISODate)));
    }

    // The rule alone, without the published dates that correct it, against
    // every published date; the misses are printed.
    void agreesWithPublishedDates()
    {
        const auto published =
            readOfficialHijriDates(QStringLiteral(KOLVIRA_PUBLISHED_HIJRI_DATES));
        QVERIFY(published.size() >= 100);
        int agreeing = 0;
        for (const OfficialHijriDate &date : published) {
            const QDate computed = CrescentRule::firstDay(12 * (date.year - 1) + date.month - 1);
            const qint64 late = date.monthStart().daysTo(computed);
            if (late == 0)
                ++agreeing;
            else
                qInfo("%s %d/%d/%d %s: the rule's month begins %lld day(s) %s",
                      qPrintable(date.gregorian.toString(Qt::ISODate)), date.year, date.month,
                      date.day, qPrintable(date.event), std::abs(late),
                      late > 0 ? "later" : "earlier");
        }
        const double share = 100.0 * agreeing / double(published.size());
        qInfo("the rule gives %d of %d published dates (%.1f %%)", agreeing, int(published.size()),
              share);
        QVERIFY(share >= 98);
    }
};

QTEST_GUILESS_MAIN(TestSunAndMoon)
#include "TestSunAndMoon.moc"
