#include "data/CalendarConnection.h"
#include "data/DatabaseError.h"
#include "data/QueryHelpers.h"
#include "data/Recordset.h"
#include "support/FileBytes.h"
#include "support/FixtureDatabase.h"
#include "support/VariantPrinting.h"

#include <QDir>
#include <QFile>
#include <QTest>

using Module1::QueryFirstValue;

// The SQL texts the program sends, run unchanged on the schema, and the
// ways a database file can be bad.
class TestCalendarDatabase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        db = std::make_unique<FixtureDatabase>(FixtureDatabase::CitiesAndDays);
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
        QCOMPARE(magrib.toTime(), QTime(17, 45));
        QCOMPARE(rs.field(QStringLiteral("Lindja e diellit")).toTime(), QTime(6, 30));
        QCOMPARE(rs.field(0), Variant::integer(29));
        rs.moveNext();
        QVERIFY(rs.eof());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, rs.field(QStringLiteral("Isha")));
    }

    // Keywords and the literal in mixed case, as the program writes them.
    void selectedCityQueries()
    {
        const QString sql = QStringLiteral("Select %1 from Qytetet where ESelektuar=%2");
        QCOMPARE(QueryFirstValue(sql.arg("Qyteti", "true"), connection).toText(), "Prishtinë");
        db->selectCities("4");
        QCOMPARE(QueryFirstValue(sql.arg("Minuta", "true"), connection), Variant::integer(5));
        QCOMPARE(QueryFirstValue(sql.arg("IDQyteti", "True"), connection), Variant::integer(4));
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
        const auto setFlag = [this](const char *where, int flag) {
            Recordset rs;
            rs.open(QStringLiteral("Select * from Qytetet where ") + where, connection,
                    CursorType::Dynamic, LockType::Optimistic);
            rs.setField(QStringLiteral("ESelektuar"), Variant::integer(flag));
            rs.update();
        };
        setFlag("ESelektuar=True", 0);
        QVERIFY(db->selectedCityIds().isEmpty());
        setFlag("IDQyteti=4", 1);
        QCOMPARE(db->selectedCityIds(), QList<int>{4});
        QCOMPARE(db->column("SELECT typeof(ESelektuar) FROM Qytetet WHERE IDQyteti=4"),
                 QList<QString>{QStringLiteral("integer")});
    }

    // A read-only record set, and a row that changed since it was read.
    void refusedChanges()
    {
        Recordset readOnly;
        readOnly.open(QStringLiteral("Select * from Qytetet where IDQyteti=4"), connection,
                      CursorType::ForwardOnly, LockType::ReadOnly);
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 readOnly.setField("ESelektuar", Variant::integer(1)));
        Recordset rs;
        rs.open(QStringLiteral("Select * from Qytetet where ESelektuar=True"), connection,
                CursorType::Dynamic, LockType::Optimistic);
        db->selectCities("");
        rs.setField(QStringLiteral("ESelektuar"), Variant::integer(0));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, rs.update());
    }

    // Never creates the file; the message names it, and the engine's reason.
    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("create");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("garbage") << QByteArray(4096, '\x5a') << true;
        QTest::newRow("text") << QByteArray("Kjo nuk është bazë të dhënash.\n") << true;
        QTest::newRow("no calendar tables") << QByteArray("kolvira") << true;
    }
    void badFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, create);
        FixtureDatabase other;
        const QString file = other.filePath();
        if (content == "kolvira") {
            other.exec(QStringLiteral("DROP TABLE kolvira"));
        } else {
            QVERIFY(QFile::remove(file));
            QVERIFY(!create || writeFile(file, content));
        }
        CalendarConnection bad;
        try {
            bad.open(other.connectionText());
            QFAIL("opening a bad file succeeded");
        } catch (const DatabaseError &e) {
            QVERIFY2(e.message().contains(file), qPrintable(e.message()));
            QVERIFY(!e.description().isEmpty());
            if (content == "kolvira")
                QVERIFY(e.message().contains(QStringLiteral("kolvira")));
        }
        QCOMPARE(bad.state(), CalendarConnection::Closed);
        QCOMPARE(QFile::exists(file), create);
    }

    void pathWithBlanksAndAlbanianLetters()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("Kalendari i namazit ëç"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(db->filePath(), folder + QStringLiteral("/kolvira.db")));
        CalendarConnection other;
        other.open(QStringLiteral("Data Source=") + folder + QStringLiteral("/kolvira.db"));
        QCOMPARE(QueryFirstValue("Select Qyteti from Qytetet where ESelektuar=true", other),
                 Variant::text(QStringLiteral("Prishtinë")));
    }

    void closedConnectionRaises()
    {
        connection.close();
        QCOMPARE(connection.state(), CalendarConnection::Closed);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, QueryFirstValue("SELECT 1", connection));
    }

private:
    std::unique_ptr<FixtureDatabase> db;
    CalendarConnection connection;
};

QTEST_GUILESS_MAIN(TestCalendarDatabase)
#include "TestCalendarDatabase.moc"
