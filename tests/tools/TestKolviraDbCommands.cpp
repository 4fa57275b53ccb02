#include "KolviraDbRun.h"
#include "support/FakeClock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

// "Qyteti Minuta" of every city, and the flagged one, read from a file.
QStringList citiesOf(const QString &file, QString *selected)
{
    QStringList rows;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("read"));
        db.setDatabaseName(file);
        db.open();
        QSqlQuery query(
            QStringLiteral("SELECT Qyteti, Minuta, ESelektuar FROM Qytetet ORDER BY IDQyteti"), db);
        while (query.next()) {
            rows << query.value(0).toString() + QLatin1Char(' ') + query.value(1).toString();
            if (query.value(2).toInt() == 1)
                *selected = query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("read"));
    return rows;
}

} // namespace

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
        const QString out = QStringLiteral("out.db");
        QTest::newRow("no command") << QStringList{} << 2 << "Mungon komanda.";
        QTest::newRow("unknown command")
            << QStringList{"krijo"} << 2 << "Komanda \"krijo\" nuk njihet.";
        QTest::newRow("generate without file")
            << QStringList{"generate"} << 2 << "kërkon emrin e skedarit";
        QTest::newRow("unknown option") << QStringList{"generate", out, "--viti", "2027"} << 2
                                        << "Opsioni \"--viti\" nuk njihet.";
        QTest::newRow("option without value") << QStringList{"generate", out, "--year"} << 2
                                              << "Opsioni \"--year\" kërkon një vlerë.";
        QTest::newRow("year not a number") << QStringList{"generate", out, "--year", "mot"} << 2
                                           << "Vlera e \"--year\" duhet të jetë numër i plotë";
        QTest::newRow("unknown place") << QStringList{"generate", out, "--place", "Atlantis"} << 2
                                       << "Vendi \"Atlantis\" nuk gjendet";
        QTest::newRow("unknown method") << QStringList{"generate", out, "--method", "tjetër"} << 2
                                        << "Metoda \"tjetër\" nuk njihet";
        QTest::newRow("angle out of range")
            << QStringList{"generate", out, "--fajr-angle", "40"} << 2 << "Këndi i Fexhrit";
        QTest::newRow("unknown Asr")
            << QStringList{"generate", out, "--asr", "maliki"} << 2 << "--asr";
        QTest::newRow("check without file")
            << QStringList{"check"} << 2 << "kërkon emrin e një skedari";
        QTest::newRow("folder missing")
            << QStringList{"generate", "/nuk/ekziston/kolvira.db", "--year", "2027"} << 3
            << "Dosja \"/nuk/ekziston\" nuk ekziston.";
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
        QCOMPARE(KolviraDbRun({QStringLiteral("generate"), file, QStringLiteral("--year"),
                               QStringLiteral("2027"), QStringLiteral("--place"),
                               QStringLiteral("Tiranë")})
                     .status,
                 0);
        QString selected;
        const QStringList cities = citiesOf(file, &selected);
        QCOMPARE(selected, QStringLiteral("Tiranë"));
        QVERIFY(cities.contains(QStringLiteral("Tiranë 0")));
        QVERIFY(cities.contains(QStringLiteral("Prishtinë -5")));
    }

    void failedRunLeavesTheOldFile()
    {
        const QString file = dir.filePath(QStringLiteral("old.db"));
        const QString list = dir.filePath(QStringLiteral("cities.tsv"));
        QFile old(file);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("i vjetri");
        old.close();
        QFile broken(list);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("Prishtinë\t42.66\n");
        broken.close();

        const KolviraDbRun outcome =
            KolviraDbRun({QStringLiteral("generate"), file, QStringLiteral("--cities"), list});
        QCOMPARE(outcome.status, 3);
        QVERIFY2(outcome.err.contains(list + QStringLiteral(":1:")), qPrintable(outcome.err));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("i vjetri"));
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
