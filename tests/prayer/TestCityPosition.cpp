#include "data/UserPlaces.h"
#include "prayer/CityPosition.h"
#include "support/FixtureDatabase.h"

#include <QTest>

// Where the Qibla is reckoned from: a place the user added by its own
// coordinates, a city of the list by the program's list, none for a city no
// list places.
class TestCityPosition : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ofEachKindOfCity()
    {
        FixtureDatabase fixture(FixtureDatabase::Cities);
        fixture.addCity({6, QStringLiteral("Atlantidë"), 0, false});
        SqlFile::withFile(fixture.filePath(), [](QSqlDatabase &db) {
            const qint32 added =
                UserPlaces::add(db, QStringLiteral("Prizren"),
                                {40.7128, -74.006, "America/New_York", "US", "isna", {}, 1});
            const auto where = [&](qint32 key) {
                const auto position = CityPosition::of(db, key);
                return position ? QStringLiteral("%1 %2")
                                      .arg(position->latitude)
                                      .arg(position->longitude)
                                : QStringLiteral("none");
            };
            QCOMPARE(where(1), "42.6629 21.1655"); // Prishtinë
            QCOMPARE(where(added), "40.7128 -74.006");
            QCOMPARE(where(6), "none");
        });
    }
};

QTEST_GUILESS_MAIN(TestCityPosition)
#include "TestCityPosition.moc"
