#include "data/DataFiles.h"
#include "data/DatabaseError.h"
#include "support/FileBytes.h"

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
