#include "data/CalendarConnection.h"
#include "data/DatabaseError.h"
#include "data/QueryHelpers.h"
#include "support/FileBytes.h"
#include "support/FixtureDatabase.h"
#include "support/VariantPrinting.h"

#include <QDir>
#include <QFile>
#include <QTest>

using Module1::QueryFirstValue;

// The ways a database file can be bad, and a path as users have them.
class TestCalendarDatabase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Never creates the file; the message names it, and the engine's reason.
    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("create");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("garbage") << QByteArray(4096, '\x5a') << true;
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
        const FixtureDatabase db(FixtureDatabase::Cities);
        const QString folder = db.folder() + QStringLiteral("/Kalendari i namazit ëç");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(db.filePath(), folder + QStringLiteral("/kolvira.db")));
        CalendarConnection other;
        other.open(QStringLiteral("Data Source=") + folder + QStringLiteral("/kolvira.db"));
        QCOMPARE(QueryFirstValue("Select Qyteti from Qytetet where ESelektuar=true", other),
                 Variant::text(QStringLiteral("Prishtinë")));
    }
};

QTEST_GUILESS_MAIN(TestCalendarDatabase)
#include "TestCalendarDatabase.moc"
