#include "data/CalendarConnection.h"
#include "data/DataFiles.h"
#include "data/DatabaseError.h"
#include "data/QueryHelpers.h"
#include "data/SqlExec.h"
#include "data/UserPlaces.h"
#include "support/FileBytes.h"
#include "support/FixtureDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Module1;

// Finding the database file, the user's copy of it, opening it, and the
// query helpers on it.
class TestDataFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        cities.addCity({9, QStringLiteral("Dragash' OR '1'='1"), 7, false});
        connection.open(cities.connectionText());
    }
    void init()
    {
        root = std::make_unique<QTemporaryDir>();
        where.programFolder = folder("program");
        where.userFolder = folder("user");
        where.installedFolders = {folder("local"), folder("system")};
    }

    // Each place present holds a database and a recording that name it. An
    // installed database is read-only and copied to the user's folder.
    void lookupOrder_data()
    {
        QTest::addColumn<QStringList>("present");
        // The database's folder, what it holds, the recording's folder.
        QTest::addColumn<QStringList>("found");
        QTest::newRow("nowhere: beside the program")
            << QStringList{} << QStringList{"program", "<unreadable>", "program"};
        QTest::newRow("installed only")
            << QStringList{"system"} << QStringList{"user", "system", "system"};
        QTest::newRow("/usr/local before /usr")
            << QStringList{"local", "system"} << QStringList{"user", "local", "local"};
        QTest::newRow("the user's copy kept")
            << QStringList{"user", "system"} << QStringList{"user", "user", "user"};
        QTest::newRow("beside the program first") << QStringList{"user", "system", "program"}
                                                  << QStringList{"program", "program", "program"};
    }
    void lookupOrder()
    {
        QFETCH(QStringList, present);
        QFETCH(QStringList, found);
        const QString database = found[0];
        const QString recording = QStringLiteral("Ezani në Mekke - 1.mp3");
        for (const QString &place : present) {
            QVERIFY(writeFile(folder(place) + "/kolvira.db", place.toUtf8()));
            QVERIFY(writeFile(folder(place) + "/" + recording, place.toUtf8()));
            if (where.installedFolders.contains(folder(place)))
                QFile::setPermissions(folder(place) + "/kolvira.db", QFileDevice::ReadOwner);
        }
        QCOMPARE(QFileInfo(DataFiles::recordingPath(recording, where)).dir().dirName(), found[2]);
        const QString path = DataFiles::databasePath(where);
        QCOMPARE(path, folder(database) + "/kolvira.db");
        QCOMPARE(readFile(path), found[1].toUtf8());
        QCOMPARE(DataFiles::databasePath(where), path); // a later start keeps the copy
        QVERIFY(!QFileInfo::exists(path + ".part"));
        if (database == QLatin1String("user"))
            QVERIFY(QFileInfo(path).permissions() & QFileDevice::WriteOwner);
        else if (!present.contains(QLatin1String("user")))
            QVERIFY(!QFileInfo::exists(where.userFolder)); // nothing copied
    }

    void userCopyOfAnEarlierReleaseTakesTheNewCalendar_data()
    {
        QTest::addColumn<QString>("ownCity");
        QTest::addColumn<bool>("backupBlocked");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<bool>("userPlaces");
        QTest::newRow("copy of an earlier default") << QString() << false << true << false;
        QTest::newRow("file made by hand") << QStringLiteral("Atlantis") << false << false << false;
        // A folder where the old file would be kept.
        QTest::newRow("old file cannot be kept") << QString() << true << false << false;
        // A copy of an older edition: the place the user added, the mosque
        // table imported for a city of the list, and the choice, live on.
        QTest::newRow("older edition with the user's places") << QString() << false << true << true;
    }
    void userCopyOfAnEarlierReleaseTakesTheNewCalendar()
    {
        QFETCH(QString, ownCity);
        QFETCH(bool, backupBlocked);
        QFETCH(bool, replaced);
        QFETCH(bool, userPlaces);
        FixtureDatabase installed(FixtureDatabase::Cities), old(FixtureDatabase::Cities);
        const std::array<QString, 7> times{"04:00", "04:20", "06:00", "12:00",
                                           "15:00", "18:00", "19:30"};
        installed.addPerpetual(2026, times);
        SqlFile::run(installed.filePath(), "PRAGMA user_version = 1");
        old.selectCities(QStringLiteral("4"));
        QString selected = QStringLiteral("Tiranë");
        if (userPlaces) {
            old.addPerpetual(2026, times);
            SqlFile::withFile(old.filePath(), [](QSqlDatabase &db) {
                const qint32 zurich = UserPlaces::add(
                    db, "Zürich", {47.3769, 8.5417, "Europe/Zurich", "CH", "diyanet", {}, 2});
                Sql::exec(db, "UPDATE Qytetet SET ESelektuar = (IDQyteti = ?)", {zurich});
                UserPlaces::setMosqueTable(db, 4, {{1, 3, {QTime(5, 1)}}}, "xhamia.csv");
                UserPlaces::setMinutes(db, 4, {0, 0, 0, 2, 0, 0, -1});
            });
            selected = QStringLiteral("Zürich");
        }
        if (!ownCity.isEmpty())
            old.addCity({9, ownCity, 0, false});
        const QString user = where.userFolder + "/kolvira.db";
        const QByteArray oldBytes = readFile(old.filePath());
        QVERIFY(writeFile(user, oldBytes));
        QVERIFY(writeFile(where.installedFolders.at(1) + "/kolvira.db",
                          readFile(installed.filePath())));

        if (backupBlocked)
            QVERIFY(QDir().mkpath(user + ".bak"));
        QString notice;
        QCOMPARE(DataFiles::databasePath(where, &notice), user);
        QCOMPARE(notice.contains(QStringLiteral("kopja e vjetër nuk mund të ruhet")),
                 backupBlocked);
        QCOMPARE(SqlFile::rows(user, "SELECT Qyteti FROM Qytetet WHERE ESelektuar"),
                 QStringList{selected});
        if (userPlaces)
            QCOMPARE(SqlFile::rows(user, "SELECT q.Qyteti, v.HijaEAsrit, t.Imsaku, r.Tabela, "
                                         "r.Minutat FROM Qytetet q, VendetEBotes v, "
                                         "TabelaEXhamise t JOIN RregullimetEVendit r ON "
                                         "r.IDQyteti = t.IDQyteti WHERE v.IDQyteti = q.IDQyteti"),
                     QStringList{"Zürich|2|05:01:00|xhamia.csv|0 0 0 2 0 0 -1"});
        QCOMPARE(SqlFile::rows(user, "SELECT count(*) FROM Kalendari"),
                 QStringList{replaced ? "1" : "0"});
        QCOMPARE(readFile(replaced ? user + ".bak" : user), oldBytes);
    }

    void aFailedCopyLeavesNothingBehind()
    {
        QVERIFY(writeFile(folder("system") + "/kolvira.db", "installed"));
        // A file where the user's folder should be: the folder cannot be made.
        QVERIFY(writeFile(where.userFolder, "in the way"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, DataFiles::databasePath(where));
        QCOMPARE(readFile(where.userFolder), QByteArray("in the way"));
    }

    // Opening never creates the file; the message names it, and the
    // engine's reason.
    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("garbage") << QByteArray(4096, '\x5a');
        QTest::newRow("no calendar tables") << QByteArray("kolvira");
    }
    void badFiles()
    {
        QFETCH(QByteArray, content);
        FixtureDatabase other;
        const QString file = other.filePath();
        if (content == "kolvira")
            other.exec(QStringLiteral("DROP TABLE kolvira"));
        else
            QVERIFY(QFile::remove(file) && (content.isEmpty() || writeFile(file, content)));
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
        QCOMPARE(QFile::exists(file), !content.isEmpty());
    }

    void queryFirstValue()
    {
        const QString sql = QStringLiteral("SELECT Qyteti, Minuta FROM Qytetet WHERE IDQyteti %1");
        QCOMPARE(describe(QueryFirstValue(sql.arg("> 3 ORDER BY IDQyteti"), connection)),
                 QStringLiteral("Text(Tiranë)"));
        const Variant none = QueryFirstValue(sql.arg("= 99"), connection);
        QCOMPARE(describe(none), QStringLiteral("Boolean(False)"));
        QCOMPARE(none.toText(), QStringLiteral("False"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, QueryFirstValue("SELECT nope FROM x", connection));
    }

    // What the lookup finds with each key type, in Qytetet (and-joined: of
    // those with 5 minutes). Quotes in a key are doubled; an unknown key type
    // runs no query at all.
    void lookupFieldValue_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("keyType"); // Integer: a key of IDQyteti, else of Qyteti
        QTest::addColumn<bool>("useAnd");
        QTest::addColumn<QString>("resultColumn");
        QTest::addColumn<QString>("result");
        const auto row = [](const char *name, const char *key, const char *type, bool useAnd,
                            const char *column, const char *result) {
            QTest::newRow(name) << key << type << useAnd << column << result;
        };
        row("integer", "4", "Integer", false, "Minuta", "Integer(5)");
        row("string", "Tiranë", "String", false, "IDQyteti", "Integer(4)");
        row("and-joined", "4", "Integer", true, "Qyteti", "Text(Tiranë)");
        row("no row", "99", "Integer", false, "Minuta", "Boolean(False)");
        row("quotes doubled", "Dragash' OR '1'='1", "String", false, "Minuta", "Integer(7)");
        row("lower-case type", "x", "string", false, "Minuta", "Empty()");
        row("unknown column", "1", "Integer", false, "NoSuchColumn", "DatabaseError");
    }
    void lookupFieldValue()
    {
        QFETCH(QString, key);
        QFETCH(QString, keyType);
        QFETCH(bool, useAnd);
        QFETCH(QString, resultColumn);
        const bool integer = keyType == QLatin1String("Integer");
        const Variant keyValue = integer ? Variant::integer(key.toLongLong()) : Variant::text(key);
        const QString table = useAnd ? "Qytetet Where Minuta = 5" : "Qytetet";
        QString result;
        try {
            result = describe(LookupFieldValue(table, integer ? "IDQyteti" : "Qyteti", keyValue,
                                               keyType, resultColumn, useAnd, connection));
        } catch (const DatabaseError &) {
            result = QStringLiteral("DatabaseError");
        }
        QTEST(result, "result");
    }

    // The guide the about window opens lies in the documentation beside the
    // installed data: <prefix>/share/doc/kolvira, for /usr/local and /usr.
    void guideInTheInstalledDocumentation()
    {
        where.installedFolders = {folder("usr/local/share/kolvira"), folder("usr/share/kolvira")};
        QCOMPARE(DataFiles::guidePath(where), QString());
        const QString guide = folder("usr/share/doc/kolvira/udhezuesi.md");
        QVERIFY(QDir().mkpath(QFileInfo(guide).path()) && writeFile(guide, "# Udhëzuesi"));
        QCOMPARE(DataFiles::guidePath(where), guide);
    }

private:
    QString folder(const QString &place) const { return root->filePath(place); }

    FixtureDatabase cities{FixtureDatabase::Cities};
    CalendarConnection connection;
    std::unique_ptr<QTemporaryDir> root;
    DataFiles::Locations where;
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "TestDataFiles.moc"
