#include "data/KolviraError.h"
#include "data/WorldPlaces.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Finding a place of the world by what a user types, over Debian's files.
class TestWorldPlaces : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!QFile::exists(QStringLiteral("/usr/share/libtimezonemap/ui/cities15000.txt")))
            QSKIP("libtimezonemap-data is not installed");
        world = WorldPlaces::load();
    }

    // The first hit and its country in Albanian: our names, names with and
    // without diacritics, alternate names, a start, a word's start.
    void firstHit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("country");
        QTest::newRow("our name") << "Cyrih"
                                  << "Cyrih"
                                  << "Zvicër";
        QTest::newRow("diacritics") << "Zürich"
                                    << "Cyrih"
                                    << "Zvicër";
        QTest::newRow("folded") << "zurich"
                                << "Cyrih"
                                << "Zvicër";
        QTest::newRow("two words") << "Nju Jork"
                                   << "Nju Jork"
                                   << "Shtetet e Bashkuara";
        QTest::newRow("ë typed") << "Vjenë"
                                 << "Vjenë"
                                 << "Austri";
        QTest::newRow("ë as e") << "gjeneve"
                                << "Gjenevë"
                                << "Zvicër";
        QTest::newRow("start") << "prisht"
                               << "Prishtinë"
                               << "Kosovë";
        QTest::newRow("alternate") << "Munich"
                                   << "Mynih"
                                   << "Gjermani";
        QTest::newRow("word start") << "gallen"
                                    << "Shën Gal"
                                    << "Zvicër";
        QTest::newRow("whole before start") << "Bern"
                                            << "Bernë"
                                            << "Zvicër";
        QTest::newRow("nothing") << "xqzzv"
                                 << ""
                                 << "";
        QTest::newRow("blank") << "  "
                               << ""
                               << "";
    }
    void firstHit()
    {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(QString, country);
        const QList<WorldPlace> hits = world.search(typed);
        if (name.isEmpty()) {
            QVERIFY2(hits.isEmpty(), qPrintable(typed));
            return;
        }
        QVERIFY(!hits.isEmpty());
        QCOMPARE(hits.first().name, name);
        QCOMPARE(hits.first().country, country);
    }

    void foldsLikeAKeyboard_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::newRow("ë ç") << "Çështjë"
                             << "ceshtje";
        QTest::newRow("ß") << "Straße"
                           << "strasse";
        QTest::newRow("ø ł đ") << "Øłđ"
                               << "old";
        QTest::newRow("ü ö") << "Zürich Köln"
                             << "zurich koln";
    }
    void foldsLikeAKeyboard()
    {
        QFETCH(QString, text);
        QFETCH(QString, folded);
        QCOMPARE(foldForSearch(text), folded);
    }

    void catalogueInAlbanian()
    {
        const auto sq =
            readGettextCatalogue(QStringLiteral("/usr/share/locale/sq/LC_MESSAGES/iso_3166-1.mo"));
        QCOMPARE(sq.value(QStringLiteral("Switzerland")), QStringLiteral("Zvicër"));
        QCOMPARE(sq.value(QStringLiteral("Germany")), QStringLiteral("Gjermani"));
        QCOMPARE(sq.value(QStringLiteral("Montenegro")), QStringLiteral("Mali i Zi"));
    }

    // A missing file names its package; a file that is no catalogue is refused.
    void missingOrSpoiledFiles()
    {
        QTemporaryDir dir;
        const QString notMo = dir.filePath(QStringLiteral("x.mo"));
        QFile file(notMo);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a catalogue at all") > 0);
        file.close();
        try {
            WorldPlaces::load(dir.filePath(QStringLiteral("none.txt")), {}, {});
            QFAIL("a missing file loaded");
        } catch (const KolviraError &error) {
            QVERIFY(error.message().contains(QStringLiteral("libtimezonemap-data")));
        }
        QVERIFY_THROWS_EXCEPTION(KolviraError, readGettextCatalogue(notMo));
    }

private:
    WorldPlaces world;
};

QTEST_GUILESS_MAIN(TestWorldPlaces)
#include "TestWorldPlaces.moc"
