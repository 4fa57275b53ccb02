#include "prayer/CityStore.h"
#include "support/FileBytes.h"
#include "support/MainWindowFixture.h"
#include "support/WriteProtection.h"
#include "ui/Twips.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>

// What happens to the running program when its database file is spoiled,
// taken away or held by another copy: no crash, no hang, nothing written
// half, the city choice kept, and a clear message where the user must know.
class TestDatabaseFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup()
    {
        f->fatals.expectNone(); // each test that expects one takes it
        f.reset();
    }

    void deletedWhileRunning()
    {
        QVERIFY(QFile::remove(f->db.filePath()));
        // The open file still answers: the window keeps showing the day.
        form()->Form_Activate();
        QCOMPARE(label("LblQyteti"), QStringLiteral("Prishtinë"));
        QCOMPARE(label("LblKohaENamazit_3"), QStringLiteral("11:37"));
        // A new choice would go into a file nobody will read again: refused.
        expectRefusedStore(QStringLiteral("u fshi ose u zëvendësua"));
        QVERIFY(!QFile::exists(f->db.filePath()));
    }

    void replacedByAnotherFileWhileRunning()
    {
        const QString other = f->db.filePath() + QStringLiteral(".new");
        QVERIFY(writeFile(other, QByteArray(8192, '\x17')));
        QVERIFY(::rename(QFile::encodeName(other).constData(),
                         QFile::encodeName(f->db.filePath()).constData()) == 0);
        form()->Form_Activate();
        QCOMPARE(label("LblQyteti"), QStringLiteral("Prishtinë"));
        expectRefusedStore(QStringLiteral("Rinisni programin"));
        QCOMPARE(fileBytes().left(16), QByteArray(16, '\x17')); // nothing written into it
    }

    // Overwritten in place: every query fails, the error is shown once and
    // the program ends, as every failing database call does; nothing is written.
    void overwrittenWithGarbageInPlace()
    {
        QVERIFY(writeFile(f->db.filePath(), QByteArray(8192, '\x5a')));
        form()->show();
        QCOMPARE(f->fatals.texts.size(), 1);
        QVERIFY2(f->fatals.texts.first().contains(QStringLiteral("not a database")) ||
                     f->fatals.texts.first().contains(QStringLiteral("malformed")),
                 qPrintable(f->fatals.texts.first()));
        f->fatals.texts.clear();
        QCOMPARE(fileBytes(), QByteArray(8192, '\x5a'));
    }

    // A folder that cannot be written: SQLite cannot make its journal, so
    // the store is refused and the old choice stays.
    void readOnlyFolderWhileRunning()
    {
        WriteProtection protect(f->db.folder());
        if (!protect.holds())
            QSKIP("this machine cannot write-protect a folder for this process");
        expectRefusedStore(QString());
        form()->Form_Activate();
        QCOMPARE(label("LblQyteti"), QStringLiteral("Prishtinë"));
    }

    // Another running copy in the middle of storing its choice: this copy
    // still reads the committed city and times without waiting for it.
    void anotherCopyHoldsTheWriteLock()
    {
        CalendarConnection other;
        other.open(f->db.connectionText());
        QSqlQuery query(other.database());
        QVERIFY(query.exec(QStringLiteral("BEGIN IMMEDIATE")));
        QVERIFY(query.exec(QStringLiteral("UPDATE Qytetet SET ESelektuar = (IDQyteti = 4)")));
        form()->Form_Activate();
        QCOMPARE(label("LblQyteti"), QStringLiteral("Prishtinë"));
        QVERIFY(query.exec(QStringLiteral("COMMIT")));
        form()->Form_Activate();
        QCOMPARE(label("LblQyteti"), QStringLiteral("Tiranë"));
    }

    void timesThatDoNotParse_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("words") << "'pasdite'";
        QTest::newRow("hour 25") << "'25:10:00'";
        QTest::newRow("minute 61") << "'11:61'";
        QTest::newRow("fraction of a day") << "0.5";
        QTest::newRow("empty text") << "''";
        QTest::newRow("null") << "NULL";
    }
    void timesThatDoNotParse()
    {
        QFETCH(QString, stored);
        f->db.exec(QStringLiteral("UPDATE kolvira SET Dhuhri = %1 WHERE Dita = 6").arg(stored));
        form()->Form_Activate();
        QCOMPARE(label("LblKohaENamazit_3"), QStringLiteral("--:--"));
        QCOMPARE(label("LblKohaENamazit_4"), QStringLiteral("13:57"));
        // No adhan can start from it, whatever the minute around noon.
        for (int m = 11 * 60; m < 13 * 60; ++m) {
            f->clock.set(QDateTime(QDate(2026, 12, 6), QTime(m / 60, m % 60)));
            form()->Timer1_Timer();
        }
        QCOMPARE(f->player.started.size(), 1); // only the silent one at load
    }

    void severalFlaggedCities()
    {
        f->db.selectCities("1, 2, 4");
        form()->Form_Activate();
        QCOMPARE(label("LblQyteti"), QStringLiteral("Prishtinë"));
        QCOMPARE(label("LblMinuta"), QStringLiteral("0"));
        CityStore(connection()).store(5);
        QCOMPARE(f->db.selectedCityIds(), QList<int>{5});
    }

    void noFlaggedCityStartsNoAdhan()
    {
        f->db.selectCities("");
        form()->Form_Activate();
        QCOMPARE(label("LblMinuta"), QStringLiteral("False"));
        f->clock.set(QDateTime(QDate(2026, 12, 6), QTime(11, 37)));
        form()->Timer1_Timer();
        QCOMPARE(label("LblKoha"), QStringLiteral("11:37:00"));
        QCOMPARE(f->player.started.size(), 1);
        CityStore(connection()).store(3);
        QCOMPARE(f->db.selectedCityIds(), QList<int>{3});
    }

    void longAndQuotedCityNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("200 characters") << QString(200, QChar(0x00EB));
        QTest::newRow("quotes") << QStringLiteral("Shën Gjin 'i Ri' \"Qendër\"");
    }
    void longAndQuotedCityNames()
    {
        QFETCH(QString, name);
        f->db.exec(QStringLiteral("UPDATE Qytetet SET Qyteti = ? WHERE IDQyteti = 1"), {name});
        form()->Form_Activate();
        auto *city = form()->findChild<QLabel *>("LblQyteti");
        auto *offset = form()->findChild<QLabel *>("LblMinuta");
        QCOMPARE(city->text(), name);
        QCOMPARE(offset->x(), city->x() + city->width() + Twips::toPixels(100));
        CityStore(connection()).store(1);
        QCOMPARE(f->db.selectedCityIds(), QList<int>{1});
    }

private:
    void expectRefusedStore(const QString &expectedWords)
    {
        try {
            CityStore(connection()).store(4);
            QFAIL("the store was not refused");
        } catch (const CityStore::NotStored &refusal) {
            QVERIFY2(refusal.message().contains(expectedWords), qPrintable(refusal.message()));
        }
    }
    QByteArray fileBytes() const { return readFile(f->db.filePath()); }
    FrmMain *form() const { return f->form.get(); }
    QString label(const QString &name) const { return f->label(name); }
    CalendarConnection &connection() const { return f->connection; }

    std::unique_ptr<MainWindowFixture> f;
};

QTEST_MAIN(TestDatabaseFaults)
#include "TestDatabaseFaults.moc"
