#include "data/KolviraError.h"
#include "data/WorldPlaces.h"

#include <QTest>

// Finding a place of the world by what a user types, over Debian's files.
class TestWorldPlaces : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { world = WorldPlaces::load(); }

    // The first hit and its country in Albanian (empty: no hit): our names,
    // names with and without diacritics, letters no decomposition folds,
    // alternate names, a name's start, a word's start.
    void firstHit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("country");
        const char *rows[][3] = {
            {"Cyrih", "Cyrih", "Zvicër"},  // our name
            {"Zürich", "Cyrih", "Zvicër"}, // diacritics
            {"zurich", "Cyrih", "Zvicër"}, // folded
            {"Nju Jork", "Nju Jork", "Shtetet e Bashkuara"},
            {"Vjenë", "Vjenë", "Austri"},                 // ë typed
            {"gjeneve", "Gjenevë", "Zvicër"},             // ë as e
            {"prisht", "Prishtinë", "Kosovë"},            // a name's start
            {"Munich", "Mynih", "Gjermani"},              // an alternate name
            {"Gießen", "Gießen", "Gjermani"},             // ß typed
            {"Łódź", "Łódź", "Poloni"},                   // Ł typed
            {"gallen", "Shën Gal", "Zvicër"},             // a word's start
            {"London", "Londër", "Mbretëria e Bashkuar"}, // the most populous
            {"Bern", "Bernë", "Zvicër"},                  // a whole name before a start
            {"xqzzv", "", ""},
            {"  ", "", ""},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1])
                                  << QString::fromUtf8(row[2]);
    }
    void firstHit()
    {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(QString, country);
        const QList<WorldPlace> hits = world.search(typed);
        QCOMPARE(hits.value(0).name, name);
        QCOMPARE(hits.value(0).country, country);
    }

    // Letters a keyboard may lack, decomposed or not.
    void folding()
    {
        QCOMPARE(foldForSearch(QStringLiteral("Çështjë Straße Øłđı")),
                 QStringLiteral("ceshtje strasse oldi"));
    }

    // The countries' names in Albanian; a missing file names its package.
    void catalogue()
    {
        const auto sq =
            readGettextCatalogue(QStringLiteral("/usr/share/locale/sq/LC_MESSAGES/iso_3166-1.mo"));
        QCOMPARE(sq.value(QStringLiteral("Montenegro")), QStringLiteral("Mali i Zi"));
        try {
            WorldPlaces::load(QStringLiteral("/nonexistent/cities.txt"), {}, {});
            QFAIL("a missing file loaded");
        } catch (const KolviraError &error) {
            QVERIFY(error.message().contains(QStringLiteral("libtimezonemap-data")));
        }
    }

private:
    WorldPlaces world;
};

QTEST_GUILESS_MAIN(TestWorldPlaces)
#include "TestWorldPlaces.moc"
