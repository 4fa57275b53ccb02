#include "KolviraDbRun.h"
#include "support/FileBytes.h"
#include "support/SqlFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The check accepts a generated calendar and names each way a file can be spoiled.
class TestCalendarCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        generated = dir.filePath(QStringLiteral("generated.db"));
        const KolviraDbRun made = KolviraDbRun({QStringLiteral("generate"), generated,
                                                QStringLiteral("--year"), QStringLiteral("2027")});
        QVERIFY2(made.status == KolviraDb::Ok, qPrintable(made.err));
    }

    void acceptsTheGeneratedFile()
    {
        const KolviraDbRun checked = KolviraDbRun({QStringLiteral("check"), generated});
        QCOMPARE(checked.status, int(KolviraDb::Ok));
        QVERIFY2(checked.out.contains(QStringLiteral("është në rregull: 366 ditë, 86 qytete")),
                 qPrintable(checked.out));
    }

    void rejectsASpoiledFile_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("message");
        QTest::newRow("leap day missing") << "DELETE FROM kolvira WHERE Dita=29 AND Muaji=2"
                                          << "Mungojnë rreshtat e ditëve: 29.2.";
        QTest::newRow("day repeated")
            << "CREATE TABLE k2 (Dita INTEGER, Muaji INTEGER, Imsaku TIME, Fexhri TIME, "
               "\"Lindja e diellit\" TIME, Dhuhri TIME, Asri TIME, Magribi TIME, Isha TIME);"
               "INSERT INTO k2 SELECT * FROM kolvira; DROP TABLE kolvira;"
               "ALTER TABLE k2 RENAME TO kolvira;"
               "INSERT INTO kolvira SELECT * FROM kolvira WHERE Dita=6 AND Muaji=12"
            << "Ditë me më shumë se një rresht: 6.12 (2 herë).";
        QTest::newRow("day that does not exist")
            << "UPDATE kolvira SET Dita=31 WHERE Dita=30 AND Muaji=4"
            << "Një rresht ka ditë a muaj të pavlefshëm (Dita=31, Muaji=4).";
        QTest::newRow("time that does not parse")
            << "UPDATE kolvira SET Asri='25:61:00' WHERE Dita=6 AND Muaji=12"
            << "Dita 6.12: koha e Asri \"25:61:00\" nuk lexohet.";
        QTest::newRow("empty time") << "UPDATE kolvira SET Isha=NULL WHERE Dita=1 AND Muaji=1"
                                    << "Dita 1.1: koha e Isha \"\" nuk lexohet.";
        QTest::newRow("columns swapped")
            << "UPDATE kolvira SET Asri=Magribi, Magribi=Asri WHERE Dita=1 AND Muaji=1"
            << "Dita 1.1: Magribi (14:05) nuk vjen pas Asri (16:21).";
        QTest::newRow("Imsaku after Fexhri")
            << "UPDATE kolvira SET Imsaku=Fexhri WHERE Dita=15 AND Muaji=7"
            << "Dita 15.7: Fexhri";
        QTest::newRow("no city selected") << "UPDATE Qytetet SET ESelektuar=0"
                                          << "Asnjë qytet nuk është i zgjedhur (ESelektuar).";
        QTest::newRow("two cities selected")
            << "UPDATE Qytetet SET ESelektuar=1 WHERE Qyteti='Tiranë'"
            << "Janë zgjedhur 2 qytete në vend të një: Prishtinë, Tiranë.";
        QTest::newRow("city name repeated")
            << "UPDATE Qytetet SET Qyteti='Prizren' WHERE Qyteti='Pejë'"
            << "Qyteti \"Prizren\" përsëritet.";
        QTest::newRow("offset beyond two hours")
            << "UPDATE Qytetet SET Minuta=121 WHERE Qyteti='Tiranë'"
            << "Qyteti \"Tiranë\" ka 121 minuta, më shumë se dy orë.";
        QTest::newRow("negative offset beyond two hours")
            << "UPDATE Qytetet SET Minuta=-125 WHERE Qyteti='Shkup'"
            << "Qyteti \"Shkup\" ka -125 minuta";
        QTest::newRow("offset not a number")
            << "UPDATE Qytetet SET Minuta='pesë' WHERE Qyteti='Tiranë'"
            << "Minutat e qytetit \"Tiranë\" nuk janë numër i plotë: \"pesë\".";
        QTest::newRow("column missing") << "ALTER TABLE Qytetet DROP COLUMN Minuta"
                                        << "Tabelës Qytetet i mungojnë kolonat: Minuta.";
        QTest::newRow("perpetual calendar not whole")
            << "DELETE FROM KoheratStandarde WHERE Dita=1 AND Muaji=1"
            << "Kalendari i përhershëm nuk është i plotë";
        QTest::newRow("rows of another year's summer time")
            << "UPDATE Kalendari SET Viti=2026"
            << "Rreshtat e kolvira nuk janë ata të vitit 2026 sipas kalendarit të përhershëm: "
               "28.3, 25.10, 26.10";
        QTest::newRow("no calendar tables") << "DROP TABLE kolvira"
                                            << "mungojnë tabelat e kalendarit";
    }
    void rejectsASpoiledFile()
    {
        QFETCH(QString, sql);
        QFETCH(QString, message);
        const QString file = dir.filePath(QStringLiteral("spoiled.db"));
        QFile::remove(file);
        QVERIFY(QFile::copy(generated, file));
        SqlFile::script(file, sql);
        const KolviraDbRun checked = KolviraDbRun({QStringLiteral("check"), file});
        QCOMPARE(checked.status, int(KolviraDb::Faults));
        QVERIFY2(checked.out.contains(message), qPrintable(checked.out));
    }

    void missingFileIsAFailure()
    {
        const KolviraDbRun checked =
            KolviraDbRun({QStringLiteral("check"), dir.filePath(QStringLiteral("mungon.db"))});
        QCOMPARE(checked.status, int(KolviraDb::Failure));
        QVERIFY2(checked.err.contains(QStringLiteral("nuk ekziston")), qPrintable(checked.err));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("mungon.db"))));
    }

    void aFileThatIsNoDatabaseIsAFault()
    {
        const QString file = dir.filePath(QStringLiteral("tekst.db"));
        QVERIFY(writeFile(file, "Kjo nuk është bazë të dhënash.\n"));
        QCOMPARE(KolviraDbRun({QStringLiteral("check"), file}).status, int(KolviraDb::Faults));
    }

private:
    QTemporaryDir dir;
    QString generated;
};

QTEST_GUILESS_MAIN(TestCalendarCheck)
#include "TestCalendarCheck.moc"
