#include "data/CalendarConnection.h"
#include "prayer/CalendarYear.h"
#include "support/FixtureDatabase.h"
#include "support/WriteProtection.h"

#include <QTest>

#include <optional>

// The rows of the year in effect: a new year rewrites kolvira alone; a file
// that cannot take the rows still gives the year's times and says so once,
// its rows whole.
class TestCalendarYear : public QObject
{
    Q_OBJECT

    // Standard time; the summer of 2027 runs from 28 March to 30 October.
    const std::array<QString, 7> standard{"04:00", "04:20", "06:00", "12:00",
                                          "15:00", "18:00", "19:30"};

    QStringList everything(FixtureDatabase &db)
    {
        return db.column("SELECT * FROM kolvira ORDER BY Muaji, Dita") +
               db.column("SELECT * FROM Qytetet") + db.column("SELECT * FROM Kalendari");
    }

private Q_SLOTS:
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
        FixtureDatabase db(FixtureDatabase::Cities);
        db.addPerpetual(2026, standard);
        db.selectCities(QStringLiteral("4"));
        if (obstacle == "stop in July")
            db.exec("CREATE TRIGGER stop BEFORE INSERT ON kolvira WHEN NEW.Muaji = 7 "
                    "BEGIN SELECT RAISE(ABORT, 'stop'); END");
        const QStringList before = everything(db);
        const QStringList cities = db.column("SELECT * FROM Qytetet");
        std::optional<WriteProtection> protection;
        if (obstacle == "protected")
            protection.emplace(db.filePath());
        QStringList notices;
        {
            CalendarConnection connection;
            connection.open(db.connectionText());
            CalendarYear year(connection);
            year.setNotice([&](const QString &text) { notices << text; });
            year.dayInEffectChanged(QDate(2027, 1, 1));
            QCOMPARE(year.timesOf(QDate(2027, 3, 27))[0], QStringLiteral("04:00"));
            QCOMPARE(year.timesOf(QDate(2027, 3, 28))[0], QStringLiteral("05:00"));
            QCOMPARE(year.timesOf(QDate(2027, 10, 30))[6], QStringLiteral("20:30"));
            QCOMPARE(year.timesOf(QDate(2027, 10, 31))[6], QStringLiteral("19:30"));
            year.dayInEffectChanged(QDate(2027, 6, 1));
        }
        protection.reset();
        QCOMPARE(db.column("SELECT * FROM Qytetet"), cities);
        if (obstacle.isEmpty()) {
            QCOMPARE(notices, QStringList());
            QCOMPARE(db.column("SELECT Viti FROM Kalendari"), QStringList{"2027"});
            QCOMPARE(db.column("SELECT Imsaku FROM kolvira WHERE Dita=28 AND Muaji=3"),
                     QStringList{"05:00:00"});
            return;
        }
        // The rows stay whole, and the user is told once.
        QCOMPARE(everything(db), before);
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices[0].contains("vitit 2027") && notices[0].contains("vitit 2026"),
                 qPrintable(notices[0]));
    }
};

QTEST_GUILESS_MAIN(TestCalendarYear)
#include "TestCalendarYear.moc"
