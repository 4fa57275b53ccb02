#include "data/CalendarConnection.h"
#include "data/DatabaseError.h"
#include "data/QueryHelpers.h"
#include "data/Recordset.h"
#include "support/FixtureDatabase.h"
#include "support/VariantPrinting.h"

#include <QDir>
#include <QFile>
#include <QTest>

// The SQL texts the program sends, run unchanged on the schema, and the
// ways a database file can be bad.
class TestCalendarDatabase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        db = std::make_unique<FixtureDatabase>();
        for (const auto &city : FixtureDatabase::standardCities())
            db->addCity(city);
        db->addDay(
            {6,
             12,
             {"05:07:00", "05:17:00", "06:55:00", "11:37:00", "13:57:00", "16:10:00", "17:40:00"}});
        db->addDay(
            {29,
             2,
             {"04:50:00", "05:00:00", "06:30:00", "12:00:00", "14:50:00", "17:07:00", "18:35:00"}});
        connection.open(db->connectionText());
    }
    void cleanup()
    {
        connection.close();
        db.reset();
    }

    void dayRowByNumbers()
    {
        Recordset rs;
        rs.open(QStringLiteral("Select * from kolvira where Dita=29 and Muaji=2"), connection,
                CursorType::ForwardOnly, LockType::ReadOnly);
        QVERIFY(!rs.eof());
        const Variant magrib = rs.field(QStringLiteral("Magribi"));
        QCOMPARE(magrib.kind(), Variant::Kind::Time);
        QCOMPARE(magrib.toTime(), QTime(17, 7));
        QCOMPARE(rs.field(QStringLiteral("Lindja e diellit")).toTime(), QTime(6, 30));
        QCOMPARE(rs.field(0), Variant::integer(29));
        rs.moveNext();
        QVERIFY(rs.eof());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, rs.field(QStringLiteral("Isha")));
    }

    void selectedCityQueries()
    {
        using Module1::QueryFirstValue;
        QCOMPARE(QueryFirstValue(QStringLiteral("Select Qyteti from Qytetet where ESelektuar=true"),
                                 connection)
                     .toText(),
                 QStringLiteral("Prishtinë"));
        db->exec(QStringLiteral("UPDATE Qytetet SET ESelektuar = (IDQyteti = 4)"));
        QCOMPARE(QueryFirstValue(QStringLiteral("Select Minuta from Qytetet where ESelektuar=true"),
                                 connection),
                 Variant::integer(5));
        // Mixed case of keywords and of the literal.
        QCOMPARE(
            QueryFirstValue(QStringLiteral("Select IDQyteti from Qytetet where ESelektuar=True"),
                            connection),
            Variant::integer(4));
    }

    void booleanColumnReadsAsBoolean()
    {
        Recordset rs;
        rs.open(QStringLiteral("SELECT * from Qytetet"), connection);
        QCOMPARE(rs.field(QStringLiteral("ESelektuar")), Variant::boolean(true));
        QCOMPARE(rs.field(QStringLiteral("ESelektuar")).toText(), QStringLiteral("True"));
        rs.moveNext();
        QCOMPARE(rs.field(QStringLiteral("ESelektuar")).toText(), QStringLiteral("False"));
        QCOMPARE(rs.field(QStringLiteral("Minuta")).toText(), QStringLiteral("-1"));
    }

    void flagMovesThroughUpdatableRecordsets()
    {
        Recordset rs;
        rs.open(QStringLiteral("Select * from Qytetet where ESelektuar=True"), connection,
                CursorType::Dynamic, LockType::Optimistic);
        rs.setField(QStringLiteral("ESelektuar"), Variant::integer(0));
        rs.update();
        rs.close();
        QVERIFY(db->selectedCityIds().isEmpty());
        rs.open(QStringLiteral("Select * from Qytetet where IDQyteti=4"), connection,
                CursorType::Dynamic, LockType::Optimistic);
        rs.setField(QStringLiteral("ESelektuar"), Variant::integer(1));
        rs.update();
        rs.close();
        QCOMPARE(db->selectedCityIds(), QList<int>{4});
        QCOMPARE(
            db->column(QStringLiteral("SELECT typeof(ESelektuar) FROM Qytetet WHERE IDQyteti=4")),
            QList<QString>{QStringLiteral("integer")});
    }

    void readOnlyRecordsetRefusesChanges()
    {
        Recordset rs;
        rs.open(QStringLiteral("Select * from Qytetet where IDQyteti=4"), connection,
                CursorType::ForwardOnly, LockType::ReadOnly);
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 rs.setField(QStringLiteral("ESelektuar"), Variant::integer(1)));
    }

    void optimisticUpdateNoticesAChangedRow()
    {
        Recordset rs;
        rs.open(QStringLiteral("Select * from Qytetet where ESelektuar=True"), connection,
                CursorType::Dynamic, LockType::Optimistic);
        db->exec(QStringLiteral("UPDATE Qytetet SET ESelektuar = 0"));
        rs.setField(QStringLiteral("ESelektuar"), Variant::integer(0));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, rs.update());
    }

    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("create");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("garbage") << QByteArray(4096, '\x5a') << true;
        QTest::newRow("text") << QByteArray("Kjo nuk është bazë të dhënash.\n") << true;
    }
    void badFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, create);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("kolvira.db"));
        if (create) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        CalendarConnection bad;
        try {
            bad.open(QStringLiteral("Data Source=") + file);
            QFAIL("opening a bad file succeeded");
        } catch (const DatabaseError &e) {
            QVERIFY2(e.message().contains(file), qPrintable(e.message()));
            QVERIFY(!e.description().isEmpty());
        }
        QCOMPARE(bad.state(), CalendarConnection::Closed);
        QCOMPARE(QFile::exists(file), create); // never creates the file
    }

    void databaseWithoutTables()
    {
        FixtureDatabase other;
        other.exec(QStringLiteral("DROP TABLE kolvira"));
        CalendarConnection bad;
        try {
            bad.open(other.connectionText());
            QFAIL("opening a database without the tables succeeded");
        } catch (const DatabaseError &e) {
            QVERIFY(e.message().contains(other.filePath()));
            QVERIFY(e.message().contains(QStringLiteral("kolvira")));
        }
    }

    void pathWithBlanksAndAlbanianLetters()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("Kalendari i namazit ëç"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(db->filePath(), folder + QStringLiteral("/kolvira.db")));
        CalendarConnection other;
        other.open(QStringLiteral("Data Source=") + folder + QStringLiteral("/kolvira.db"));
        QCOMPARE(Module1::QueryFirstValue(
                     QStringLiteral("Select Qyteti from Qytetet where ESelektuar=true"), other)
                     .toText(),
                 QStringLiteral("Prishtinë"));
    }

    void closedConnectionRaises()
    {
        connection.close();
        QCOMPARE(connection.state(), CalendarConnection::Closed);
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 Module1::QueryFirstValue(QStringLiteral("SELECT 1"), connection));
    }

private:
    std::unique_ptr<FixtureDatabase> db;
    CalendarConnection connection;
};

QTEST_GUILESS_MAIN(TestCalendarDatabase)
#include "TestCalendarDatabase.moc"
