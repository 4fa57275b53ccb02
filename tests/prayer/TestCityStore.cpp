#include "data/CalendarConnection.h"
#include "data/QueryHelpers.h"
#include "prayer/CityStore.h"
#include "support/FixtureDatabase.h"

#include <QProcess>
#include <QTest>
#include <memory>

namespace {

QString selectedIds(CalendarConnection &connection)
{
    return Module1::QueryFirstValue(
               QStringLiteral("SELECT group_concat(IDQyteti) FROM Qytetet WHERE ESelektuar"),
               connection)
        .toText();
}

} // namespace

class TestCityStore : public QObject
{
    Q_OBJECT

    // The table as text, to tell "nothing changed" from "changed and back".
    QStringList dump(const QString &table = QStringLiteral("Qytetet"))
    {
        return db->column(QStringLiteral("SELECT * FROM %1 ORDER BY IDQyteti").arg(table));
    }

private Q_SLOTS:
    void init()
    {
        db = std::make_unique<FixtureDatabase>(FixtureDatabase::Cities);
        db->addCity({-7, QStringLiteral("Ulqin"), 3, false});
        connection.open(db->connectionText());
    }
    void cleanup()
    {
        connection.close();
        db.reset();
    }

    void movesTheFlagToExactlyTheChosenCity_data()
    {
        QTest::addColumn<QString>("flaggedBefore");
        QTest::addColumn<int>("key");
        QTest::newRow("another city") << "1" << 4;
        QTest::newRow("the city already selected") << "1" << 1;
        QTest::newRow("negative key") << "1" << -7;
        QTest::newRow("table with no flagged row") << "" << 3;
        QTest::newRow("table with two flagged rows") << "1, 5" << 2;
    }
    void movesTheFlagToExactlyTheChosenCity()
    {
        QFETCH(QString, flaggedBefore);
        QFETCH(int, key);
        db->selectCities(flaggedBefore);
        // The same rows with only the flag moved.
        db->exec(QStringLiteral("CREATE TABLE expected AS SELECT * FROM Qytetet"));
        db->exec(QStringLiteral("UPDATE expected SET ESelektuar = (IDQyteti = %1)").arg(key));
        CityStore(connection).store(key);
        QCOMPARE(dump(), dump(QStringLiteral("expected")));
    }

    void unknownKeyWritesNothing()
    {
        const QStringList before = dump();
        QVERIFY_THROWS_EXCEPTION(CityStore::NotStored, CityStore(connection).store(99));
        QCOMPARE(dump(), before);
    }

    // Another running copy's write is waited out for the busy timeout (3 s),
    // then the store is refused.
    void anotherCopyWriting_data()
    {
        QTest::addColumn<double>("holdSeconds");
        QTest::addColumn<QString>("selected");
        QTest::newRow("briefly") << 1.0 << "4";
        QTest::newRow("beyond the timeout") << 5.0 << "1";
    }
    void anotherCopyWriting()
    {
        QFETCH(double, holdSeconds);
        QProcess other;
        other.start("python3", {"-c",
                                "import sqlite3, sys, time\n"
                                "db = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
                                "db.execute('BEGIN IMMEDIATE'); print(flush=True)\n"
                                "time.sleep(float(sys.argv[2]))",
                                db->filePath(), QString::number(holdSeconds)});
        QVERIFY(other.waitForReadyRead(30000));
        try {
            CityStore(connection).store(4);
        } catch (const CityStore::NotStored &refusal) {
            QVERIFY2(refusal.message().contains("e zënë"), qPrintable(refusal.message()));
        }
        QTEST(selectedIds(connection), "selected");
        QVERIFY(other.waitForFinished(30000));
    }

    // Midway, this connection sees no flagged row while any other still sees
    // the old one; a failure there rolls the clearing back.
    void failureBetweenTheWritesKeepsTheOldCity()
    {
        CalendarConnection reader;
        reader.open(db->connectionText());
        QString seenHere = QStringLiteral("not called");
        QString seenElsewhere;
        CityStore store(connection);
        store.setBetweenWrites([&] {
            seenHere = selectedIds(connection);
            seenElsewhere = selectedIds(reader);
            throw std::runtime_error("failure between the writes");
        });
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, store.store(4));
        QCOMPARE(seenHere, QString());
        QCOMPARE(seenElsewhere, QStringLiteral("1"));
        QCOMPARE(selectedIds(reader), QStringLiteral("1"));
        // The connection is not left inside the failed transaction.
        store.setBetweenWrites({});
        store.store(4);
        QCOMPARE(selectedIds(reader), QStringLiteral("4"));
    }

private:
    std::unique_ptr<FixtureDatabase> db;
    CalendarConnection connection;
};

QTEST_GUILESS_MAIN(TestCityStore)
#include "TestCityStore.moc"
