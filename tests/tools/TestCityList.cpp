#include "tools/kolvira-db/CityList.h"
#include "tools/kolvira-db/ToolError.h"

#include <QTest>

// Reading the list of cities: the built-in file and the faults of a list.
class TestCityList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void builtInListKeepsItsAlbanianNames()
    {
        const QList<Place> cities = CityList::builtIn();
        QCOMPARE(cities.first().name, QStringLiteral("Prishtinë"));
        QCOMPARE(cities.first().timeZone, QStringLiteral("Europe/Belgrade"));
        for (const char *name : {"Fushë Kosovë", "Kaçanik", "Gjirokastër", "Kërçovë", "Preshevë"})
            QCOMPARE(CityList::find(cities, QString::fromUtf8(name)).name, QString::fromUtf8(name));
        // A name typed with a combining diaeresis finds the same city.
        QCOMPARE(CityList::find(cities, QStringLiteral("Prishtine\u0308")).name,
                 QStringLiteral("Prishtinë"));
    }

    void faultsNameTheLine_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        const QByteArray good = "# koment\nPrishtinë\t42.66\t21.17\tEurope/Belgrade\n";
        QTest::newRow("three fields") << good + "Tiranë\t41.33\t19.82\n"
                                      << "lista:3: pritet";
        QTest::newRow("latitude not a number") << good + "Tiranë\tveri\t19.82\tEurope/Tirane\n"
                                               << "lista:3: gjerësia";
        QTest::newRow("latitude beyond the pole") << good + "Tiranë\t91\t19.82\tEurope/Tirane\n"
                                                  << "lista:3: gjerësia";
        QTest::newRow("unknown time zone") << good + "Tiranë\t41.33\t19.82\tEurope/Atlantis\n"
                                           << "lista:3: zona kohore";
        QTest::newRow("repeated name") << good + "Prishtinë\t42.66\t21.17\tEurope/Belgrade\n"
                                       << "lista:3: qyteti \"Prishtinë\" përsëritet";
        QTest::newRow("no name") << good + "\t41.33\t19.82\tEurope/Tirane\n"
                                 << "lista:3: qyteti nuk ka emër";
        QTest::newRow("only comments")
            << QByteArray("# bosh\n") << "lista: lista e qyteteve është bosh";
    }
    void faultsNameTheLine()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        try {
            CityList::parse(text, QStringLiteral("lista"));
            QFAIL("no error");
        } catch (const ToolError &e) {
            QVERIFY2(e.message().startsWith(message), qPrintable(e.message()));
        }
    }

    void unknownPlaceIsNamed()
    {
        QVERIFY_THROWS_EXCEPTION(ToolError,
                                 CityList::find(CityList::builtIn(), QStringLiteral("Atlantis")));
    }
};

QTEST_GUILESS_MAIN(TestCityList)
#include "TestCityList.moc"
