#include "data/DataFiles.h"
#include "data/DatabaseError.h"
#include "support/FileBytes.h"
#include "support/FixtureDatabase.h"
#include "support/SqlFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestDataFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("recording");
        const auto row = [](const char *name, const QStringList &present, const char *database,
                            const char *content, const char *recording) {
            QTest::newRow(name) << present << database << content << recording;
        };
        row("nowhere: beside the program", {}, "program", "<unreadable>", "program");
        row("installed only", {"system"}, "user", "system", "system");
        row("/usr/local before /usr", {"local", "system"}, "user", "local", "local");
        row("the user's copy kept", {"user", "system"}, "user", "user", "user");
        row("beside before installed, nothing copied", {"system", "program"}, "program", "program",
            "program");
        row("beside the program first", {"user", "system", "program"}, "program", "program",
            "program");
    }
    void lookupOrder()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, database);
        QFETCH(QString, content);
        const QString recording = QStringLiteral("Ezani në Mekke - 1.mp3");
        for (const QString &place : present) {
            QVERIFY(QDir().mkpath(folder(place)));
            QVERIFY(writeFile(folder(place) + "/kolvira.db", place.toUtf8()));
            QVERIFY(writeFile(folder(place) + "/" + recording, place.toUtf8()));
            if (where.installedFolders.contains(folder(place)))
                QFile::setPermissions(folder(place) + "/kolvira.db", QFileDevice::ReadOwner);
        }
        QTEST(QFileInfo(DataFiles::recordingPath(recording, where)).dir().dirName(), "recording");
        const QString path = DataFiles::databasePath(where);
        QCOMPARE(path, folder(database) + "/kolvira.db");
        QCOMPARE(readFile(path), content.toUtf8());
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
        QTest::addColumn<bool>("replaced");
        QTest::newRow("copy of an earlier default") << QString() << true;
        QTest::newRow("file made by hand") << QStringLiteral("Atlantis") << false;
    }
    void userCopyOfAnEarlierReleaseTakesTheNewCalendar()
    {
        QFETCH(QString, ownCity);
        QFETCH(bool, replaced);
        FixtureDatabase installed(FixtureDatabase::Cities), old(FixtureDatabase::Cities);
        installed.addPerpetual(2026,
                               {"04:00", "04:20", "06:00", "12:00", "15:00", "18:00", "19:30"});
        old.selectCities(QStringLiteral("4"));
        if (!ownCity.isEmpty())
            old.addCity({9, ownCity, 0, false});
        const QString user = where.userFolder + "/kolvira.db";
        QDir().mkpath(where.userFolder);
        QDir().mkpath(where.installedFolders.at(1));
        QVERIFY(QFile::copy(old.filePath(), user));
        QVERIFY(QFile::copy(installed.filePath(), where.installedFolders.at(1) + "/kolvira.db"));
        const QByteArray oldBytes = readFile(user);

        QCOMPARE(DataFiles::databasePath(where), user);
        QCOMPARE(SqlFile::rows(user, "SELECT Qyteti FROM Qytetet WHERE ESelektuar"),
                 QStringList{"Tiranë"});
        QCOMPARE(SqlFile::rows(user, "SELECT count(*) FROM Kalendari"),
                 QStringList{replaced ? "1" : "0"});
        QCOMPARE(readFile(replaced ? user + ".bak" : user), oldBytes);
    }

    void aFailedCopyLeavesNothingBehind()
    {
        QVERIFY(QDir().mkpath(folder("system")));
        QVERIFY(writeFile(folder("system") + "/kolvira.db", "installed"));
        // A file where the user's folder should be: the folder cannot be made.
        QVERIFY(writeFile(where.userFolder, "in the way"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, DataFiles::databasePath(where));
        QCOMPARE(readFile(where.userFolder), QByteArray("in the way"));
    }

private:
    QString folder(const QString &place) const { return root->filePath(place); }

    std::unique_ptr<QTemporaryDir> root;
    DataFiles::Locations where;
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "TestDataFiles.moc"
