#include "data/CalendarConnection.h"
#include "data/QueryHelpers.h"
#include "prayer/CityStore.h"
#include "support/FixtureDatabase.h"

#include <QSqlQuery>
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

    // A city that cannot be stored leaves every row as it was and says why
    // (a write-protected file: TestFrmMain). Another copy's lock is waited
    // out for the busy timeout (3 s).
    void refusalWritesNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown key") << 99 << ""
                                     << "";
        QTest::newRow("another copy writing") << 4 << "locked"
                                              << "e zënë nga një program";
    }
    void refusalWritesNothing()
    {
        QFETCH(int, key);
        QFETCH(QString, obstacle);
        QFETCH(QString, message);
        const QStringList before = dump();
        CalendarConnection other;
        if (obstacle == "locked") {
            other.open(db->connectionText());
            QVERIFY(QSqlQuery(other.database()).exec(QStringLiteral("BEGIN IMMEDIATE")));
        }
        try {
            CityStore(connection).store(key);
            QFAIL("stored");
        } catch (const CityStore::NotStored &refusal) {
            QVERIFY2(refusal.message().contains(message), qPrintable(refusal.message()));
        }
        other.close();
        QCOMPARE(dump(), before);
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
