#include "data/CalendarConnection.h"
#include "data/QueryHelpers.h"
#include "prayer/CityStore.h"
#include "support/FixtureDatabase.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <cstdio>
#include <memory>

namespace {

const QString copyFlag = QStringLiteral("--store-on-request");

// A table as text, to tell "nothing changed" from "changed and back".
QStringList dump(FixtureDatabase &db, const QString &table = QStringLiteral("Qytetet"))
{
    return db.column(QStringLiteral("SELECT * FROM %1 ORDER BY IDQyteti").arg(table));
}

QString selectedIds(CalendarConnection &connection)
{
    return Module1::QueryFirstValue(
               QStringLiteral("SELECT group_concat(IDQyteti) FROM Qytetet WHERE ESelektuar"),
               connection)
        .toText();
}

void tell(const char *line)
{
    std::puts(line);
    std::fflush(stdout);
}

bool nextRequest()
{
    char request[32];
    return std::fgets(request, sizeof request, stdin) != nullptr;
}

// Body of a second running copy of the program, in its own process: stores
// its city for every request line and stops midway through each store (old
// flag cleared, new one not yet set) until told to go on. The exit status is
// the number of stores that failed.
int storeOnRequest(const QString &connectionText, qint32 key)
{
    CalendarConnection connection;
    connection.open(connectionText);
    CityStore store(connection);
    store.setBetweenWrites([] {
        tell("midway");
        if (!nextRequest())
            throw std::runtime_error("no request to go on");
    });
    int failures = 0;
    tell("ready");
    while (nextRequest()) {
        tell("storing");
        try {
            store.store(key);
        } catch (const std::exception &e) {
            std::fprintf(stderr, "%s\n", e.what());
            ++failures;
        }
        tell("stored");
    }
    return failures;
}

// Another running copy of the program, storing one city.
class OtherCopy : public QProcess
{
public:
    OtherCopy(const QString &connectionText, int key) : key(key)
    {
        start(QCoreApplication::applicationFilePath(),
              {copyFlag, connectionText, QString::number(key)});
    }
    ~OtherCopy() override
    {
        closeWriteChannel();
        waitForFinished(30000);
    }
    void request(const char *line) { write(QByteArray(line) + '\n'); }
    // The next line it writes, or what it wrote on standard error.
    QByteArray nextLine()
    {
        while (!canReadLine())
            if (!waitForReadyRead(30000))
                return "no answer: " + readAllStandardError();
        return readLine().trimmed();
    }
    const int key;
};

} // namespace

class TestCityStore : public QObject
{
    Q_OBJECT

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

        QCOMPARE(dump(*db), dump(*db, QStringLiteral("expected")));
    }

    void unknownKeyWritesNothing()
    {
        const QStringList before = dump(*db);
        QVERIFY_THROWS_EXCEPTION(CityStore::NotStored, CityStore(connection).store(99));
        QCOMPARE(dump(*db), before);
    }

    // Midway, this connection sees no flagged row while any other still sees
    // the old one; a failure there rolls the clearing back.
    void failureBetweenTheWritesKeepsTheOldCity()
    {
        CalendarConnection reader;
        reader.open(db->connectionText());
        QString seenHere;
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

    // Waits out the connection's busy timeout (3 s) in the engine.
    void lockedByAnotherCopyKeepsTheOldCity()
    {
        OtherCopy other(db->connectionText(), 2);
        QCOMPARE(other.nextLine(), QByteArray("ready"));
        other.request("store");
        QCOMPARE(other.nextLine(), QByteArray("storing"));
        QCOMPARE(other.nextLine(), QByteArray("midway"));
        try {
            CityStore(connection).store(4);
            QFAIL("stored while another copy held the file");
        } catch (const CityStore::NotStored &refusal) {
            QVERIFY2(refusal.message().startsWith(QStringLiteral("Qyteti nuk u ruajt")) &&
                         refusal.message().contains(QStringLiteral("database is locked")),
                     qPrintable(refusal.message()));
        }
        QCOMPARE(selectedIds(connection), QStringLiteral("1"));
        other.request("go on");
        QCOMPARE(other.nextLine(), QByteArray("stored"));
        QCOMPARE(selectedIds(connection), QStringLiteral("2"));
    }

    // Two copies store different cities at once: the follower asks while the
    // leader is midway. The follower waits for the leader, and a reader never
    // sees the halfway state. The copies take turns in leading.
    void twoRunningCopiesEndWithOneCity()
    {
        OtherCopy first(db->connectionText(), 2);
        OtherCopy second(db->connectionText(), 4);
        QCOMPARE(first.nextLine(), QByteArray("ready"));
        QCOMPARE(second.nextLine(), QByteArray("ready"));
        QString selected = QStringLiteral("1");
        for (int round = 0; round < 10; ++round) {
            OtherCopy &leader = round % 2 ? second : first;
            OtherCopy &follower = round % 2 ? first : second;
            leader.request("store");
            QCOMPARE(leader.nextLine(), QByteArray("storing"));
            QCOMPARE(leader.nextLine(), QByteArray("midway"));
            follower.request("store");
            QCOMPARE(follower.nextLine(), QByteArray("storing"));
            QCOMPARE(selectedIds(connection), selected);

            leader.request("go on");
            QCOMPARE(leader.nextLine(), QByteArray("stored"));
            QCOMPARE(follower.nextLine(), QByteArray("midway"));
            QCOMPARE(selectedIds(connection), QString::number(leader.key));

            follower.request("go on");
            QCOMPARE(follower.nextLine(), QByteArray("stored"));
            selected = QString::number(follower.key);
            QCOMPARE(selectedIds(connection), selected);
        }
        for (OtherCopy *copy : {&first, &second}) {
            copy->closeWriteChannel();
            QVERIFY(copy->waitForFinished(30000));
            QVERIFY2(copy->exitStatus() == QProcess::NormalExit && copy->exitCode() == 0,
                     copy->readAllStandardError().constData());
        }
    }

private:
    std::unique_ptr<FixtureDatabase> db;
    CalendarConnection connection;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && QString::fromLocal8Bit(argv[1]) == copyFlag)
        return storeOnRequest(QString::fromLocal8Bit(argv[2]),
                              QString::fromLocal8Bit(argv[3]).toInt());
    TestCityStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestCityStore.moc"
