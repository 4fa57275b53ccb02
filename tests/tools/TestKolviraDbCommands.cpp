#include "KolviraDbRun.h"
#include "support/FakeClock.h"
#include "support/FileBytes.h"
#include "support/SqlFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The command line: usage faults, the report of generate, the choice of the
// reference place, and a failed run that leaves the old file alone.
class TestKolviraDbCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void usageFaults_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, const char *words, int status, const char *message) {
            QTest::newRow(name) << QString::fromUtf8(words).split(' ', Qt::SkipEmptyParts) << status
                                << message;
        };
        row("no command", "", 2, "Mungon komanda.");
        row("unknown command", "krijo", 2, "Komanda \"krijo\" nuk njihet.");
        row("generate without file", "generate", 2, "kërkon emrin e skedarit");
        row("unknown option", "generate out.db --viti 2027", 2, "Opsioni \"--viti\" nuk njihet.");
        row("option without value", "generate out.db --year", 2,
            "Opsioni \"--year\" kërkon një vlerë.");
        row("year not a number", "generate out.db --year mot", 2,
            "Vlera e \"--year\" duhet të jetë numër i plotë");
        row("unknown place", "generate out.db --place Atlantis", 2,
            "Vendi \"Atlantis\" nuk gjendet");
        row("unknown method", "generate out.db --method tjetër", 2, "Metoda \"tjetër\" nuk njihet");
        row("angle out of range", "generate out.db --fajr-angle 40", 2, "Këndi i Fexhrit");
        row("unknown Asr", "generate out.db --asr maliki", 2, "--asr");
        row("check without file", "check", 2, "kërkon emrin e një skedari");
        row("folder missing", "generate /nuk/ekziston/kolvira.db --year 2027", 3,
            "Dosja \"/nuk/ekziston\" nuk ekziston.");
    }
    void usageFaults()
    {
        QFETCH(QStringList, words);
        QFETCH(int, status);
        QFETCH(QString, message);
        const KolviraDbRun outcome = KolviraDbRun(words);
        QCOMPARE(outcome.status, status);
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
        QVERIFY(!QFile::exists(QStringLiteral("out.db")));
    }

    void helpIsAlbanian()
    {
        const KolviraDbRun outcome =
            KolviraDbRun({QStringLiteral("check"), QStringLiteral("--help")});
        QCOMPARE(outcome.status, 0);
        QVERIFY(outcome.out.startsWith(QStringLiteral("Përdorimi:")));
        QVERIFY(outcome.out.contains(QStringLiteral("--imsak MINUTA")));
    }

    void generateReportsOffsetsDriftAndTime()
    {
        // Without --year the clock's year is made: 2028, a leap year.
        const FakeClock clock(QDateTime(QDate(2028, 5, 1), QTime(9, 0)));
        const QString file = dir.filePath(QStringLiteral("report.db"));
        const KolviraDbRun outcome = KolviraDbRun({QStringLiteral("generate"), file}, clock);
        QCOMPARE(outcome.status, 0);
        QVERIFY(outcome.out.startsWith(QStringLiteral("Kalendari i vitit 2028 për Prishtinë")));
        QVERIFY2(
            outcome.out.contains(QRegularExpression(QStringLiteral(
                "\nTiranë +\\+5 +\\d+,\\d min \\((Fexhri|Asri|Magribi|Isha), \\d+\\.\\d+\\)\n"))),
            qPrintable(outcome.out));
        QVERIFY(outcome.out.contains(
            QRegularExpression(QStringLiteral("\nPrishtinë +0  vendi i referencës\n"))));
        QVERIFY(outcome.out.contains(
            QRegularExpression(QStringLiteral("86 qytete\\. Koha: \\d+ ms\\.\n$"))));
    }

    void placeOptionMovesTheReference()
    {
        const QString file = dir.filePath(QStringLiteral("tirana.db"));
        QCOMPARE(KolviraDbRun({"generate", file, "--year", "2027", "--place", "Tiranë"}).status, 0);
        QCOMPARE(SqlFile::rows(file, "SELECT Qyteti FROM Qytetet WHERE ESelektuar"),
                 QStringList{QStringLiteral("Tiranë")});
        const QStringList cities = SqlFile::rows(file, "SELECT Qyteti, Minuta FROM Qytetet");
        QVERIFY(cities.contains(QStringLiteral("Tiranë|0")));
        QVERIFY(cities.contains(QStringLiteral("Prishtinë|-5")));
    }

    void failedRunLeavesTheOldFile()
    {
        const QString file = dir.filePath(QStringLiteral("old.db"));
        const QString list = dir.filePath(QStringLiteral("cities.tsv"));
        QVERIFY(writeFile(file, "i vjetri"));
        QVERIFY(writeFile(list, "Prishtinë\t42.66\n"));

        const KolviraDbRun outcome =
            KolviraDbRun({QStringLiteral("generate"), file, QStringLiteral("--cities"), list});
        QCOMPARE(outcome.status, 3);
        QVERIFY2(outcome.err.contains(list + QStringLiteral(":1:")), qPrintable(outcome.err));
        QCOMPARE(readFile(file), QByteArray("i vjetri"));
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("old.db*")}, QDir::Files),
                 QStringList{QStringLiteral("old.db")});
    }

    void theBuiltProgramAndItsDatabase()
    {
        // The build makes the default calendar beside the program.
        QProcess program;
        program.start(QStringLiteral(KOLVIRA_DB_PROGRAM),
                      {QStringLiteral("check"), QStringLiteral(KOLVIRA_DEFAULT_DATABASE)});
        QVERIFY(program.waitForFinished(60000));
        QVERIFY2(program.exitCode() == 0, program.readAllStandardOutput().constData());
        program.start(QStringLiteral(KOLVIRA_DB_PROGRAM), {QStringLiteral("krijo")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 2);
        QVERIFY(QString::fromUtf8(program.readAllStandardError())
                    .contains(QStringLiteral("nuk njihet")));
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestKolviraDbCommands)
#include "TestKolviraDbCommands.moc"
