#include "astronomy/PlaceCalendar.h"
#include "data/CalendarConnection.h"
#include "data/SelectedCity.h"
#include "prayer/AdhanScheduler.h"
#include "prayer/CalendarYear.h"
#include "prayer/CityStore.h"
#include "prayer/MosqueTable.h"
#include "support/FakeMediaPlayer.h"
#include "support/FileBytes.h"
#include "support/FixtureDatabase.h"
#include "support/WriteProtection.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <memory>
#include <optional>

// What the program writes into the calendar file: the selected city, and
// the rows of a new year.
class TestCalendarWrites : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        connection.close(); // the last test's
        db = std::make_unique<FixtureDatabase>(FixtureDatabase::Cities);
        connection.open(db->connectionText());
    }

    void movesTheFlagToExactlyTheChosenCity_data()
    {
        QTest::addColumn<QString>("flaggedBefore");
        QTest::addColumn<int>("key");
        QTest::newRow("another city") << "1" << 4;
        QTest::newRow("the city already selected") << "1" << 1;
        QTest::newRow("table with no flagged row") << "" << 3;
        QTest::newRow("table with two flagged rows") << "1, 5" << 2;
        QTest::newRow("unknown key: nothing written") << "1" << 99;
        // Its write is waited out for the busy timeout (3 s), then the store is refused.
        QTest::newRow("another copy writing: nothing written") << "1" << 4;
    }
    void movesTheFlagToExactlyTheChosenCity()
    {
        QFETCH(QString, flaggedBefore);
        QFETCH(int, key);
        db->selectCities(flaggedBefore);
        QProcess other;
        if (QTest::currentDataTag() == QLatin1String("another copy writing: nothing written")) {
            other.start("python3", {"-c",
                                    "import sqlite3, sys, time\n"
                                    "db = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
                                    "db.execute('BEGIN IMMEDIATE'); print(flush=True)\n"
                                    "time.sleep(60)",
                                    db->filePath()});
            QVERIFY(other.waitForReadyRead(30000));
        }
        // The same rows with only the flag moved, or none at all.
        const QString rows = QStringLiteral("SELECT IDQyteti, Qyteti, Minuta, %1 FROM Qytetet");
        const bool stored = key != 99 && other.state() == QProcess::NotRunning;
        const QStringList expected =
            db->column(rows.arg(stored ? QStringLiteral("IDQyteti = %1").arg(key) : "ESelektuar"));
        QElapsedTimer waited;
        waited.start();
        try {
            CityStore(connection).store(key);
            QVERIFY(stored);
        } catch (const CityStore::NotStored &refusal) {
            QVERIFY(!stored);
            QVERIFY2(key == 99 ||
                         (refusal.message().contains("e zënë") && waited.elapsed() >= 2900),
                     qPrintable(refusal.message()));
        }
        other.kill();
        other.waitForFinished();
        QCOMPARE(db->column(rows.arg("ESelektuar")), expected);
    }

    // A new year rewrites kolvira alone; a file that cannot take the rows
    // still gives the year's times and says so once, its rows whole.
    void newYearGivesItsTimes_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("writable file") << "";
        QTest::newRow("write-protected file") << "protected";
        QTest::newRow("failure midway") << "stop in July";
    }
    void newYearGivesItsTimes()
    {
        QFETCH(QString, obstacle);
        // Standard time; the summer of 2027 runs from 28 March to 30 October.
        db->addPerpetual(2026, {"04:00", "04:20", "06:00", "12:00", "15:00", "18:00", "19:30"});
        db->selectCities(QStringLiteral("4"));
        if (obstacle == "stop in July")
            db->exec("CREATE TRIGGER stop BEFORE INSERT ON kolvira WHEN NEW.Muaji = 7 "
                     "BEGIN SELECT RAISE(ABORT, 'stop'); END");
        const QString rows = QStringLiteral("SELECT * FROM kolvira ORDER BY Muaji, Dita");
        const QStringList before = db->column(rows);
        const QStringList cities = db->column("SELECT * FROM Qytetet");
        std::optional<WriteProtection> protection;
        if (obstacle == "protected")
            protection.emplace(db->filePath());
        QStringList notices;
        {
            CalendarConnection opened; // after the protection, which an open file escapes
            opened.open(db->connectionText());
            CalendarYear year(opened);
            year.setNotice([&](const QString &text) { notices << text; });
            // Left running over New Year: the scheduler's own day reload renews the rows.
            FakeMediaPlayer player;
            AdhanScheduler scheduler(player, {}, {},
                                     [&](const QDate &d) { return year.timesOf(d); });
            scheduler.setTimes(QDate(2026, 12, 31), year.timesOf(QDate(2026, 12, 31)));
            // New Year's Eve after Isha: the next prayer is read ahead, the file left alone.
            scheduler.setLookAhead([&](const QDate &d) { return year.timesAhead(d); });
            QCOMPARE(scheduler.nextPrayer(QDateTime(QDate(2026, 12, 31), QTime(23, 0))).day,
                     QDate(2027, 1, 1));
            QCOMPARE(db->column("SELECT Viti FROM Kalendari"), QStringList{"2026"});
            QStringList shown; // Imsaku and Isha
            for (const QDate d : {QDate(2027, 1, 1), QDate(2027, 3, 27), QDate(2027, 3, 28),
                                  QDate(2027, 10, 30), QDate(2027, 10, 31)}) {
                QVERIFY(scheduler.tick(QDateTime(d, QTime(0, 0))).timesReloaded);
                shown << scheduler.times()[DayTimes::Imsaku] + ' ' +
                             scheduler.times()[DayTimes::Isha];
            }
            QCOMPARE(shown, QStringList({"04:00 19:30", "04:00 19:30", "05:00 20:30", "05:00 20:30",
                                         "04:00 19:30"}));
            // Nothing is left open by a failed renewal: a city is still chosen,
            // and the file is not held locked from the other copies.
            if (!protection)
                CityStore(opened).store(4);
        }
        protection.reset();
        QCOMPARE(db->column("SELECT * FROM Qytetet"), cities);
        if (obstacle.isEmpty()) {
            QCOMPARE(notices, QStringList());
            QCOMPARE(db->column("SELECT Viti FROM Kalendari"), QStringList{"2027"});
            QCOMPARE(db->column("SELECT Imsaku FROM kolvira WHERE Dita=28 AND Muaji=3"),
                     QStringList{"05:00:00"});
            return;
        }
        // The rows stay whole (the notice reads their year), and the user is told once.
        QCOMPARE(db->column(rows), before);
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices[0].contains("vitit 2027") && notices[0].contains("vitit 2026"),
                 qPrintable(notices[0]));
    }

    // Tiranë keeps its own calendar, Prishtinë the perpetual one: the rows
    // follow the flag in the same transaction, or neither moves (and the
    // connection is not left inside the failed one); a flag moved by another
    // program brings the rows along at the next reading.
    void rowsFollowTheCity_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("chosen here") << "";
        QTest::newRow("flag moved by another program") << "elsewhere";
        QTest::newRow("failure between the writes") << "midway";
        QTest::newRow("failure in the city's rows") << "rows";
        QTest::newRow("write-protected file") << "protected";
    }
    void rowsFollowTheCity()
    {
        QFETCH(QString, obstacle);
        const QString file = db->filePath() + QStringLiteral(".full");
        QVERIFY(QFile::copy(KOLVIRA_DEFAULT_DATABASE, file));
        const QString all =
            QStringLiteral("SELECT * FROM kolvira UNION ALL SELECT *, 0, 0, 0, 0 FROM Kalendari "
                           "UNION ALL SELECT *, 0, 0, 0, 0, 0 FROM Qytetet");
        const QString tirana = QStringLiteral("SELECT * FROM kolvira WHERE Dita=29 AND Muaji=3");
        std::optional<WriteProtection> protection;
        if (obstacle == "protected")
            protection.emplace(file);
        CalendarConnection opened;
        opened.open(ConnectionText::forFile(file));
        CalendarYear year(opened);
        year.dayInEffectChanged(QDate(2026, 1, 1));
        const QStringList before = SqlFile::rows(file, all);
        CityStore store(opened);
        if (obstacle == "midway")
            store.setBetweenWrites([] { throw std::runtime_error("failure between the writes"); });
        if (obstacle == "rows")
            SqlFile::run(file, "CREATE TRIGGER stop BEFORE INSERT ON kolvira WHEN NEW.Muaji = 7 "
                               "BEGIN SELECT RAISE(ABORT, 'stop'); END");
        try {
            if (obstacle == "elsewhere") {
                SqlFile::run(file, "UPDATE Qytetet SET ESelektuar = (Qyteti = 'Tiranë')");
                year.dayInEffectChanged(QDate(2026, 6, 1));
            } else {
                store.store(29);
            }
            QVERIFY(obstacle.isEmpty() || obstacle == "elsewhere");
        } catch (const CityStore::NotStored &refusal) {
            QVERIFY2(refusal.message().contains("nuk mund të shkruhet"),
                     qPrintable(refusal.message()));
        } catch (const std::runtime_error &) {
        }
        protection.reset();
        if (!obstacle.isEmpty() && obstacle != "elsewhere") {
            QCOMPARE(SqlFile::rows(file, all), before);
            if (obstacle == "protected")
                return;
            store.setBetweenWrites({});
            SqlFile::run(file, "DROP TRIGGER IF EXISTS stop");
            store.store(29);
        }
        // KMSH's published times of Tiranë that day, the first of summer time.
        QCOMPARE(
            SqlFile::rows(file, tirana),
            QStringList{"29|3|04:55:00|04:55:00|06:23:00|12:51:00|16:22:00|19:09:00|20:30:00"});
        store.setBetweenWrites({});
        store.store(1);
        QCOMPARE(SqlFile::rows(file, all), before);
    }

    // A place of the world, a mosque's table and the mosque's minutes each
    // make the selected place's rows at once; choosing Prishtinë again gives
    // the file back as it was.
    void placesKeepTheirOwnTimes()
    {
        const QString file = db->filePath() + QStringLiteral(".full");
        QVERIFY(QFile::copy(KOLVIRA_DEFAULT_DATABASE, file));
        const QString calendar = QStringLiteral("SELECT * FROM kolvira UNION ALL SELECT *, 0, 0, "
                                                "0, 0 FROM Kalendari UNION ALL SELECT *, 0, 0, "
                                                "0, 0, 0 FROM Qytetet WHERE IDQyteti < 100000");
        const QString march1 = QStringLiteral("SELECT * FROM kolvira WHERE Dita=1 AND Muaji=3");
        const QStringList before = SqlFile::rows(file, calendar);
        CalendarConnection opened;
        opened.open(ConnectionText::forFile(file));
        CityStore store(opened);
        // Prishtinë's adhan comes a minute before its rows (-1): they are kept so
        // that it falls on the printed times.
        const QList<MosqueTable::Day> table =
            MosqueTable::parse("data;imsaku;lindja;dreka;ikindia;akshami;jacia\n"
                               "01.03.2026;04:50;06:20;12:10;15:10;17:50;19:15");
        store.importMosqueTable(1, table, "xhamia.csv");
        QCOMPARE(SqlFile::rows(file, march1),
                 QStringList{"1|3|04:51:00|04:51:00|06:21:00|12:11:00|15:11:00|17:51:00|19:16:00"});
        store.setMinutes(1, {0, 0, 0, 2, 0, 0, -1});
        QCOMPARE(SqlFile::rows(file, march1),
                 QStringList{"1|3|04:51:00|04:51:00|06:21:00|12:13:00|15:11:00|17:51:00|19:15:00"});
        // Diyanet's published table of Konstanz that day.
        const UserPlaces::WorldPlace konstanz{47.66033, 9.17582, "Europe/Berlin", "DE", "diyanet",
                                              {},       1};
        const qint32 key = store.addPlace("Konstanz", konstanz);
        QCOMPARE(store.addPlace("Konstanz", konstanz), key);
        QCOMPARE(SelectedCity::read(opened.database())->name, QStringLiteral("Konstanz"));
        QCOMPARE(SqlFile::rows(file, march1),
                 QStringList{"1|3|05:22:00|05:22:00|06:58:00|12:41:00|15:37:00|18:14:00|19:37:00"});
        // Its mosques keep the Hanafi Asr: the rows take the method's Asr of two shadows.
        store.setMethod(key, {47.66033, 9.17582, "Europe/Berlin", "DE", "diyanet", {}, 2});
        const Place place{"Konstanz", 47.66033, 9.17582, "Europe/Berlin"};
        const auto rows = PlaceCalendar::localRows(place, {"diyanet", {}, 2}, 2026);
        const auto march1st =
            std::ranges::find_if(rows, [](const auto &r) { return r.month == 3; });
        QCOMPARE(SqlFile::rows(file, "SELECT Asri FROM kolvira WHERE Dita=1 AND Muaji=3"),
                 QStringList{march1st->times[4].toString("HH:mm:ss")});
        // Skopje of the world is the list's Shkup, with its own calendar.
        const qint32 shkup = SelectedCity::named(opened.database(), "Shkup").value().key;
        QCOMPARE(
            store.addPlace("Skopje", {41.99646, 21.43141, "Europe/Skopje", "MK", "diyanet", {}, 1}),
            shkup);
        store.store(key);
        // Neither the selected place nor a town of the list is taken off it.
        for (const qint32 kept : {key, shkup})
            QVERIFY_THROWS_EXCEPTION(CityStore::NotStored, store.removePlace(kept));
        store.removeMosqueTable(1);
        store.setMinutes(1, {});
        store.importMosqueTable(key, table, "xhamia.csv");
        store.store(1);
        store.removePlace(key);
        QCOMPARE(SqlFile::rows(file, "SELECT count(*) FROM Qytetet WHERE IDQyteti >= 100000 "
                                     "UNION ALL SELECT count(*) FROM VendetEBotes UNION ALL SELECT "
                                     "count(*) FROM RregullimetEVendit WHERE IDQyteti >= 100000 "
                                     "UNION ALL SELECT count(*) FROM TabelaEXhamise"),
                 QStringList({"0", "0", "0", "0"}));
        QCOMPARE(SqlFile::rows(file, calendar), before);
    }

    // The tables of tests/fuzz/mosque-table/, as mosque-tables.tsv says what
    // each gives: the days of mosque-table-days.tsv, every time, or a refusal
    // that names its line and what is wrong.
    void mosqueTables_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("outcome");
        for (const QByteArray &line : readFile(KOLVIRA_TEST_DATA "/mosque-tables.tsv").split('\n'))
            if (const QList<QByteArray> cells = line.split('\t'); cells.size() == 2)
                QTest::newRow(cells[0])
                    << readFile(KOLVIRA_SEED_TABLES "/" + cells[0]) << QString::fromUtf8(cells[1]);
    }
    void mosqueTables()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, outcome);
        QList<MosqueTable::Day> expected;
        for (const QByteArray &line :
             readFile(KOLVIRA_TEST_DATA "/mosque-table-days.tsv").split('\n'))
            if (const QList<QByteArray> cells = line.split('\t'); cells.size() == 8) {
                MosqueTable::Day day{QDate::fromString(cells[0], Qt::ISODate), {}};
                for (std::size_t i = 0; i < day.times.size(); ++i)
                    day.times[i] = QTime::fromString(cells[1 + i], QStringLiteral("HH:mm"));
                if (!outcome.contains(day.date.toString(QStringLiteral("dd.MM.yyyy"))))
                    expected << day;
            }
        try {
            const QList<MosqueTable::Day> days = MosqueTable::parse(text);
            QVERIFY2(!outcome.startsWith(u"error: "), "read without complaint");
            QCOMPARE(days, expected);
            QCOMPARE(MosqueTable::missingNote(days), outcome.mid(QStringLiteral("note: ").size()));
        } catch (const MosqueTable::ReadError &error) {
            QVERIFY2(outcome.startsWith(u"error: ") &&
                         error.message().contains(outcome.mid(QStringLiteral("error: ").size())),
                     qPrintable(error.message()));
            // A few lines of plain text, whatever the file held.
            QVERIFY2(error.message().size() < 200, qPrintable(error.message()));
        }
    }

private:
    std::unique_ptr<FixtureDatabase> db;
    CalendarConnection connection;
};

QTEST_GUILESS_MAIN(TestCalendarWrites)
#include "TestCalendarWrites.moc"
