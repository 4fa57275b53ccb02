#include "astronomy/CalendarTable.h"
#include "astronomy/Mjd.h"
#include "astronomy/PrayerCalculator.h"

#include <QTest>

namespace {

const Place prishtina{QStringLiteral("Prishtinë"), 42.6629, 21.1655,
                      QStringLiteral("Europe/Belgrade")};

const std::pair<const char *, double SolarDay::*> events[] = {
    {"dawn", &SolarDay::dawn}, {"sunrise", &SolarDay::sunrise}, {"transit", &SolarDay::transit},
    {"asr", &SolarDay::asr},   {"sunset", &SolarDay::sunset},   {"dusk", &SolarDay::nightfall}};

} // namespace

// The sun's events against instants from a high-precision ephemeris, and the
// year's rows in the local clock time: summer time per day, the leap day.
class TestSunEvents : public QObject
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

    void hanafiAsrComesLater()
    {
        const QDate date(2027, 1, 1);
        const SunTrack track(date, date);
        PrayerMethod hanafi;
        hanafi.asrShadowFactor = 2;
        const double standard = PrayerCalculator(track, prishtina, PrayerMethod{}).day(date).asr;
        const double later = PrayerCalculator(track, prishtina, hanafi).day(date).asr;
        // About three quarters of an hour in Prishtinë in winter.
        QVERIFY(later - standard > 30.0 / 1440 && later - standard < 60.0 / 1440);
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
};

QTEST_GUILESS_MAIN(TestSunEvents)
#include "TestSunEvents.moc"
