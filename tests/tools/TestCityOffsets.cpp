#include "astronomy/CalculationError.h"
#include "astronomy/CityOffsets.h"
#include "tools/kolvira-db/CityList.h"
#include "tools/kolvira-db/ToolError.h"

#include <QTest>

// The built-in list of cities, the minute offsets of the cities from
// Prishtinë, and how far the other adhan times drift from them.
class TestCityOffsets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        cities = CityList::builtIn();
        track = std::make_unique<SunTrack>(QDate(2027, 1, 1), QDate(2027, 12, 31));
        reference = std::make_unique<CalendarTable>(
            2027, CityList::find(cities, QStringLiteral("Prishtinë")), PrayerMethod{}, *track);
    }

    void builtInListKeepsItsAlbanianNames()
    {
        QCOMPARE(cities.first().name, QStringLiteral("Prishtinë"));
        QCOMPARE(cities.first().timeZone, QStringLiteral("Europe/Belgrade"));
        for (const char *name : {"Fushë Kosovë", "Kaçanik", "Gjirokastër", "Kërçovë", "Preshevë"})
            QCOMPARE(CityList::find(cities, QString::fromUtf8(name)).name, QString::fromUtf8(name));
        // A name typed with a combining diaeresis finds the same city.
        QCOMPARE(CityList::find(cities, QStringLiteral("Prishtine\u0308")).name,
                 QStringLiteral("Prishtinë"));
        QVERIFY_THROWS_EXCEPTION(ToolError, CityList::find(cities, QStringLiteral("Atlantis")));
    }

    void noonDifferenceInWholeMinutes_data()
    {
        QTest::addColumn<QString>("city");
        QTest::addColumn<int>("minutes");
        QTest::newRow("the reference itself") << QStringLiteral("Prishtinë") << 0;
        QTest::newRow("west, later") << QStringLiteral("Tiranë") << 5;
        QTest::newRow("far west") << QStringLiteral("Ulqin") << 8;
        QTest::newRow("east, earlier") << QStringLiteral("Kumanovë") << -2;
        QTest::newRow("just east") << QStringLiteral("Shkup") << -1;
    }
    void noonDifferenceInWholeMinutes()
    {
        QFETCH(QString, city);
        QFETCH(int, minutes);
        QCOMPARE(offsetOf(city).minutes, minutes);
    }

    void driftGrowsWithTheDistanceInLatitude()
    {
        // Fushë Kosovë lies beside Prishtinë; Sarandë three degrees south of it,
        // where dawn and nightfall part from the shifted table by many minutes.
        const CityOffset near = offsetOf(QStringLiteral("Fushë Kosovë"));
        const CityOffset far = offsetOf(QStringLiteral("Sarandë"));
        QVERIFY2(std::abs(near.worstError) < 1, qPrintable(QString::number(near.worstError)));
        QVERIFY2(std::abs(far.worstError) > 15, qPrintable(QString::number(far.worstError)));
        // The longest days part the most.
        QCOMPARE(far.worstDate.month(), 6);
    }

    void aCityBeyondTwoHoursIsRefused()
    {
        const Place faraway{QStringLiteral("Larg"), 42, 60, QStringLiteral("Asia/Tashkent")};
        try {
            CityOffset::compute(faraway, *reference, *track, PrayerMethod{});
            QFAIL("no error for a city three hours away");
        } catch (const CalculationError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("Larg")), qPrintable(e.message()));
        }
    }

private:
    CityOffset offsetOf(const QString &name) const
    {
        return CityOffset::compute(CityList::find(cities, name), *reference, *track,
                                   PrayerMethod{});
    }

    QList<Place> cities;
    std::unique_ptr<SunTrack> track;
    std::unique_ptr<CalendarTable> reference;
};

QTEST_GUILESS_MAIN(TestCityOffsets)
#include "TestCityOffsets.moc"
