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
        QVERIFY_THROWS_EXCEPTION(ToolError, CityList::find(cities, QStringLiteral("Atlantis")));
    }

    void faultsNameTheLine_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, const QByteArray &line, const char *message) {
            QTest::newRow(name) << "# koment\nPrishtinë\t42.66\t21.17\tEurope/Belgrade\n" + line
                                << message;
        };
        row("three fields", "Tiranë\t41.33\t19.82\n", "lista:3: pritet");
        row("latitude not a number", "Tiranë\tveri\t19.82\tEurope/Tirane\n", "lista:3: gjerësia");
        row("latitude beyond the pole", "Tiranë\t91\t19.82\tEurope/Tirane\n", "lista:3: gjerësia");
        row("unknown time zone", "Tiranë\t41.33\t19.82\tEurope/Atlantis\n", "lista:3: zona kohore");
        row("repeated name", "Prishtinë\t42.66\t21.17\tEurope/Belgrade\n",
            "lista:3: qyteti \"Prishtinë\" përsëritet");
        row("no name", "\t41.33\t19.82\tEurope/Tirane\n", "lista:3: qyteti nuk ka emër");
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
};

QTEST_GUILESS_MAIN(TestCityList)
#include "TestCityList.moc"
