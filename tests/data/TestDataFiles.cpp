#include "data/DataFiles.h"
#include "data/DatabaseError.h"
#include "support/FileBytes.h"
#include "support/FixtureDatabase.h"
#include "support/SqlFile.h"

#include <QDir>
#include <QFile>
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
        where.programFolder = root->filePath("program");
        where.userFolder = root->filePath("home/.local/share/kolvira");
        where.installedFolders = {root->filePath("usr/local/share/kolvira"),
                                  root->filePath("usr/share/kolvira")};
        QDir().mkpath(where.programFolder);
        QDir().mkpath(where.installedFolders.at(1));
    }

    void databaseBesideTheProgramComesFirst()
    {
        QVERIFY(writeFile(where.programFolder + "/kolvira.db", "beside"));
        QVERIFY(writeFile(where.installedFolders.at(1) + "/kolvira.db", "installed"));
        QCOMPARE(DataFiles::databasePath(where), where.programFolder + "/kolvira.db");
        QVERIFY(!QFileInfo::exists(where.userFolder));
    }

    void firstStartCopiesTheInstalledDefault()
    {
        const QString installed = where.installedFolders.at(1) + "/kolvira.db";
        QVERIFY(writeFile(installed, "installed"));
        QFile::setPermissions(installed, QFileDevice::ReadOwner | QFileDevice::ReadOther);
        const QString user = where.userFolder + "/kolvira.db";
        QCOMPARE(DataFiles::databasePath(where), user);
        QCOMPARE(readFile(user), QByteArray("installed"));
        QVERIFY(QFileInfo(user).permissions() & QFileDevice::WriteOwner);
        QVERIFY(!QFileInfo::exists(user + ".part"));
        // Later starts keep the user's copy and its city choice.
        QVERIFY(writeFile(user, "the user's choice"));
        QCOMPARE(DataFiles::databasePath(where), user);
        QCOMPARE(readFile(user), QByteArray("the user's choice"));
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

    void noDatabaseAnywhereNamesTheOneBesideTheProgram()
    {
        QCOMPARE(DataFiles::databasePath(where), where.programFolder + "/kolvira.db");
    }

    void aFailedCopyLeavesNothingBehind()
    {
        QVERIFY(writeFile(where.installedFolders.at(1) + "/kolvira.db", "installed"));
        // A file where the user's folder should be: the folder cannot be made.
        QDir().mkpath(root->filePath("home/.local/share"));
        QVERIFY(writeFile(where.userFolder, "in the way"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, DataFiles::databasePath(where));
        QCOMPARE(readFile(where.userFolder), QByteArray("in the way"));
    }

    void recordingsInOrderOfPlaces()
    {
        const QString name = QStringLiteral("Ezani në Mekke - 1.mp3");
        QCOMPARE(DataFiles::recordingPath(name, where), where.programFolder + "/" + name);
        QVERIFY(writeFile(where.installedFolders.at(1) + "/" + name, "installed"));
        QCOMPARE(DataFiles::recordingPath(name, where), where.installedFolders.at(1) + "/" + name);
        QDir().mkpath(where.userFolder);
        QVERIFY(writeFile(where.userFolder + "/" + name, "user"));
        QCOMPARE(DataFiles::recordingPath(name, where), where.userFolder + "/" + name);
        QVERIFY(writeFile(where.programFolder + "/" + name, "beside"));
        QCOMPARE(DataFiles::recordingPath(name, where), where.programFolder + "/" + name);
    }

private:
    std::unique_ptr<QTemporaryDir> root;
    DataFiles::Locations where;
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "TestDataFiles.moc"
