#include "astronomy/CityList.h"
#include "data/CalendarConnection.h"
#include "data/ConnectionText.h"
#include "kolvira-db/KolviraDb.h"
#include "prayer/BajramPrayer.h"
#include "prayer/CalendarYear.h"
#include "prayer/CityTimetable.h"
#include "support/FileBytes.h"
#include "support/FixtureDatabase.h"
#include "support/PrintedTakvim.h"
#include "support/TsvRows.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {

// One run of the calendar tool in the test's process, with what it printed.
struct KolviraDbRun
{
    int status = -1;
    QString out;
    QString err;

    explicit KolviraDbRun(const QStringList &words)
    {
        QTextStream outStream(&out), errStream(&err);
        status = KolviraDb::run(words, outStream, errStream);
    }
};

QHash<int, Minutes> kolviraRows(const QString &file)
{
    return byDay(SqlFile::rows(file, "SELECT Muaji * 100 + Dita, Imsaku, Fexhri, \"Lindja e "
                                     "diellit\", Dhuhri, Asri, Magribi, Isha FROM kolvira"),
                 '|');
}

} // namespace

// The calendars made: the official one in every year, the formula close to
// it. The check accepts a generated calendar and names each way a file can
// be spoiled.
class TestKolviraDbCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        generated = dir.filePath(QStringLiteral("generated.db"));
        QCOMPARE(KolviraDbRun({"generate", generated, "--year", "2027"}).status, 0);
        const KolviraDbRun checked = KolviraDbRun({QStringLiteral("check"), generated});
        QCOMPARE(checked.status, int(KolviraDb::Ok));
        QVERIFY2(checked.out.contains(QStringLiteral("është në rregull: 366 ditë, 87 qytete")),
                 qPrintable(checked.out));
        // Every city's minutes: Kosovo's towns those of the takvim's note
        // (Prishtinë's -1), Albania's none (their own calendar), the others the
        // difference of their noon from the table's meridian, a minute east of Prishtinë.
        const QList<Place> cities = CityList::builtIn();
        const double meridian = CityList::find(cities, "Prishtinë").longitude + 0.25;
        QStringList wanted;
        for (const Place &city : cities)
            wanted << city.name + '|' +
                          QString::number(!city.ownCalendar.isEmpty() ? 0
                                          : city.tableMinutes
                                              ? *city.tableMinutes
                                              : int(std::lround(4 * (meridian - city.longitude))));
        QCOMPARE(wanted.first(), QStringLiteral("Prishtinë|-1"));
        QCOMPARE(SqlFile::rows(generated, "SELECT Qyteti, Minuta FROM Qytetet ORDER BY IDQyteti"),
                 wanted);
    }

    void buildsDatabaseIsTheOfficialTableInEveryYear_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("summerFrom");
        QTest::addColumn<QDate>("summerTo");
        QTest::addColumn<QString>("city"); // Shkup keeps BFI's table, Prishtinë BIK's
        QTest::newRow("2026") << 2026 << QDate(2026, 3, 29) << QDate(2026, 10, 24) << "Prishtinë";
        QTest::newRow("2027") << 2027 << QDate(2027, 3, 28) << QDate(2027, 10, 30) << "Prishtinë";
        QTest::newRow("2028") << 2028 << QDate(2028, 3, 26) << QDate(2028, 10, 28) << "Prishtinë";
        QTest::newRow("Shkup 2027") << 2027 << QDate(2027, 3, 28) << QDate(2027, 10, 30) << "Shkup";
    }
    void buildsDatabaseIsTheOfficialTableInEveryYear()
    {
        QFETCH(int, year);
        QFETCH(QDate, summerFrom);
        QFETCH(QDate, summerTo);
        QFETCH(QString, city);
        const QString file = dir.filePath(QStringLiteral("official-%1-%2.db").arg(city).arg(year));
        QVERIFY(QFile::copy(KOLVIRA_DEFAULT_DATABASE, file));
        SqlFile::run(file, "UPDATE Qytetet SET ESelektuar = (Qyteti = ?)", {{city}});
        {
            CalendarConnection connection;
            connection.open(ConnectionText::forFile(file));
            CalendarYear(connection).dayInEffectChanged(QDate(year, 1, 1));
        }
        const QHash<int, Minutes> rows = kolviraRows(file);
        const QHash<int, Minutes> printed =
            printed2026(city == "Shkup" ? KOLVIRA_BFI_SHKUP : KOLVIRA_PRINTED_TAKVIM);
        QCOMPARE(printed.size(), 365);
        for (QDate d(2026, 1, 1); d.year() == 2026; d = d.addDays(1)) {
            const QDate same(year, d.month(), d.day());
            const int shift = (same >= summerFrom && same <= summerTo ? 60 : 0) -
                              (d >= QDate(2026, 3, 29) && d <= QDate(2026, 10, 24) ? 60 : 0);
            Minutes wanted = printed[d.month() * 100 + d.day()];
            if (wanted[1] < 0) // one dawn time: Fexhri is Imsaku
                wanted[1] = wanted[0];
            for (int &minute : wanted)
                minute += shift;
            QVERIFY2(rows.value(d.month() * 100 + d.day()) == wanted,
                     qPrintable(same.toString(Qt::ISODate)));
        }
    }

    // The table the sources keep is the printed edition, summer time out.
    void takvimRemakesTheKeptTable()
    {
        const QString file = dir.filePath(QStringLiteral("takvim.tsv"));
        QCOMPARE(KolviraDbRun({"takvim", KOLVIRA_PRINTED_TAKVIM, file}).status, 0);
        QCOMPARE(readFile(file), readFile(KOLVIRA_STANDARD_TAKVIM));
    }

    // The tables mosques hand out that can be read, imported for Prishtinë,
    // whose adhan comes a minute before its rows: each day's rows are the
    // table's a minute later; a day the table lacks is named and keeps the
    // calendar's.
    void importsTheTablesMosquesHandOut_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("note");
        for (const QString &line : QString(readFile(KOLVIRA_TABLES_READ)).split('\n'))
            if (const QStringList cells = line.split('\t'); cells.value(1).startsWith("note: "))
                QTest::newRow(qPrintable(cells[0])) << cells[0] << cells[1].mid(6);
    }
    void importsTheTablesMosquesHandOut()
    {
        QFETCH(QString, table);
        QFETCH(QString, note);
        const QString file = dir.filePath(table + ".db");
        QVERIFY(QFile::copy(generated, file));
        const KolviraDbRun run(
            {"import", file, "--place", "Prishtinë", KOLVIRA_SEED_TABLES "/" + table});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains(note) && run.out.contains("ditë."), qPrintable(run.out));
        const QHash<int, Minutes> before = kolviraRows(generated), rows = kolviraRows(file);
        const QHash<int, Minutes> printed = printed2026(KOLVIRA_TABLE_DAYS);
        QCOMPARE(printed.size(), 8);
        for (auto day = printed.cbegin(); day != printed.cend(); ++day) {
            Minutes wanted = before.value(day.key());
            if (!note.contains(QStringLiteral("%1.03.2026").arg(day.key() % 100)))
                std::transform(day->cbegin(), day->cend(), wanted.begin(),
                               [](int t) { return t + 1; });
            QCOMPARE(rows.value(day.key()), wanted);
        }
    }

    // A city of Albania or North Macedonia gets its own times and no minutes:
    // Albania's computed the way KMSH publishes them (checked on the table of
    // Tiranë, not fitted to it), North Macedonia's BFI's table with the
    // town's minutes, and the Bajram prayer as the Skopje mufti announced it
    // (its sunrise + 45). Typed with a combining diaeresis, it is still the list's city.
    void ownCalendarCityHasItsPublishedTimes_data()
    {
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("published");
        QTest::addColumn<int>("minutes"); // the town's against the published table
        QTest::addColumn<double>("exactShare");
        QTest::addColumn<QDate>("bajram");
        QTest::addColumn<QString>("prayer");
        const QString kmsh = KOLVIRA_KMSH_TIRANE, bfi = KOLVIRA_BFI_SHKUP;
        const QDate kurban2019(2019, 8, 11), kurban2023(2023, 6, 28);
        QTest::newRow("KMSH Tiranë") << "Tirane\u0308" << kmsh << 0 << 0.95 << kurban2023 << "";
        QTest::newRow("BFI Shkup") << "Shkup" << bfi << 0 << 1.0 << kurban2023 << "05:41";
        QTest::newRow("BFI Tetovë") << "Tetovë" << bfi << 2 << 1.0 << kurban2019 << "06:19";
        QTest::newRow("BFI Kumanovë") << "Kumanovë" << bfi << -1 << 1.0 << kurban2023 << "05:40";
    }
    void ownCalendarCityHasItsPublishedTimes()
    {
        QFETCH(QString, city);
        QFETCH(QString, published);
        QFETCH(int, minutes);
        QFETCH(double, exactShare);
        QFETCH(QDate, bajram);
        const QString file = dir.filePath(QStringLiteral("own.db"));
        QFile::remove(file);
        QCOMPARE(KolviraDbRun({"generate", file, "--year", "2026", "--city", city}).status, 0);
        QCOMPARE(KolviraDbRun({"check", file}).status, int(KolviraDb::Ok));
        QCOMPARE(SqlFile::rows(file, "SELECT Qyteti, Minuta FROM Qytetet WHERE ESelektuar"),
                 QStringList{city.normalized(QString::NormalizationForm_C) + "|0"});
        const QHash<int, Minutes> rows = kolviraRows(file);
        const QHash<int, Minutes> table = printed2026(published);
        QCOMPARE(table.size(), 365);
        int exact = 0, count = 0;
        for (auto day = table.cbegin(); day != table.cend(); ++day)
            for (std::size_t i = 0; i < 7; ++i) {
                if (day.value()[i] < 0)
                    continue; // a dawn time the table does not print
                const int off = rows.value(day.key())[i] - day.value()[i] - minutes;
                QVERIFY2(std::abs(off) <= 1, qPrintable(QString::number(day.key())));
                exact += off == 0;
                ++count;
            }
        qInfo("%s 2026: %d of %d times exact", QTest::currentDataTag(), exact, count);
        QVERIFY(exact >= count * exactShare);
        CalendarConnection connection;
        connection.open(ConnectionText::forFile(file));
        const CityTimetable timetable = CityTimetable::selected(connection);
        const QTime sunrise = timetable.days(bajram, bajram).value(0).times[2];
        QTEST(BajramPrayer::timeText(bajram, sunrise.toString("HH:mm"), 0,
                                     BajramPrayer::onTakvim(timetable)),
              "prayer");
    }

    // The names people write for a town of the list select that town, with
    // its community's calendar, and add no place of the world beside it.
    void listTownByItsNames()
    {
        const QString file = dir.filePath(QStringLiteral("named.db"));
        for (const QStringList &row : TsvRows::read(KOLVIRA_TYPED_TOWNS)) {
            if (row.value(2) == QLatin1String("search"))
                continue;
            QFile::remove(file);
            const KolviraDbRun made({"generate", file, "--year", "2026", "--city", row[0]});
            QVERIFY2(made.status == 0, qPrintable(row[0] + made.err));
            QCOMPARE(SqlFile::rows(file, "SELECT Qyteti FROM Qytetet WHERE ESelektuar OR "
                                         "IDQyteti >= 100000"),
                     QStringList{row[1]});
        }
    }

    // Where the sun does not sink far enough, or sets not at all, each rule
    // still gives every day seven times in order, which the check accepts.
    // The place is found in the world's list by its name, ours or its own.
    void highLatitudePlaceHasEveryDaysTimes_data()
    {
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("rule");
        for (const char *rule : {"middle-of-night", "seventh-of-night", "twilight-angle"}) {
            QTest::addRow("Oslo, %s", rule) << "Oslo"
                                            << "Oslo" << rule;
            QTest::addRow("Stokholm, %s", rule) << "Stokholm"
                                                << "Stokholm" << rule;
            QTest::addRow("Edinburgh, %s", rule) << "Edinburgh"
                                                 << "Edinburgh" << rule;
            QTest::addRow("Tromso, %s", rule) << "Tromso"
                                              << "Tromsø" << rule;
        }
    }
    void highLatitudePlaceHasEveryDaysTimes()
    {
        QFETCH(QString, city);
        QFETCH(QString, selected);
        QFETCH(QString, rule);
        const QString file = dir.filePath(QStringLiteral("north.db"));
        QFile::remove(file);
        const KolviraDbRun made({"generate", file, "--year", "2026", "--city", city,
                                 "--high-latitude", rule, "--method", "mwl"});
        QVERIFY2(made.status == 0, qPrintable(made.err));
        QCOMPARE(KolviraDbRun({"check", file}).status, int(KolviraDb::Ok));
        QCOMPARE(SqlFile::rows(file, "SELECT Qyteti FROM Qytetet WHERE ESelektuar"),
                 QStringList{selected});
        const QHash<int, Minutes> rows = kolviraRows(file);
        QCOMPARE(rows.size(), 366); // 29 February included, as in every file
        for (auto day = rows.cbegin(); day != rows.cend(); ++day) {
            const Minutes &times = day.value();
            QVERIFY2(std::is_sorted(times.begin(), times.end()) &&
                         std::adjacent_find(times.begin() + 1, times.end()) == times.end(),
                     qPrintable(QString::number(day.key())));
        }
        // At midsummer, when the sun stays above 18°, dawn comes a part of
        // the night before sunrise: at least a seventh, by every rule.
        const Minutes &midsummer = rows.value(621);
        const int night = 24 * 60 - (midsummer[5] - midsummer[2]);
        QVERIFY2(midsummer[2] - midsummer[1] >= night / 7 - 1, qPrintable(QString::number(night)));
    }

    // The place is found by a name typed with a combining diaeresis; every
    // city's minutes are its noon's from there, rounded.
    void bikComesCloseToTheOfficialTable()
    {
        const QString file = dir.filePath(QStringLiteral("bik.db"));
        QCOMPARE(KolviraDbRun({"generate", file, "--year", "2026", "--method", "bik", "--place",
                               QStringLiteral("Prishtine\u0308")})
                     .status,
                 0);
        QCOMPARE(SqlFile::rows(file, "SELECT Qyteti, Minuta, ESelektuar FROM Qytetet WHERE Qyteti "
                                     "IN ('Prishtinë', 'Tiranë', 'Ulqin', 'Kumanovë', 'Shkup') "
                                     "ORDER BY Minuta"),
                 QStringList(
                     {"Kumanovë|-2|0", "Shkup|-1|0", "Prishtinë|0|1", "Tiranë|5|0", "Ulqin|8|0"}));
        const QHash<int, Minutes> rows = kolviraRows(file);
        const QHash<int, Minutes> printed = printed2026(KOLVIRA_PRINTED_TAKVIM);
        // Asri parts the most; sunrise comes out at 1.64 on average, the
        // others within 1.6.
        const std::array<double, 7> meanAtMost{1.6, 1.6, 1.65, 1.6, 2.7, 1.6, 1.6};
        for (std::size_t i = 0; i < 7; ++i) {
            int worst = 0;
            double mean = 0;
            for (auto day = printed.cbegin(); day != printed.cend(); ++day) {
                const int difference = std::abs(rows.value(day.key())[i] - day.value()[i]);
                worst = std::max(worst, difference);
                mean += double(difference) / double(printed.size());
            }
            qInfo("column %zu: largest %d min, mean %.2f min", i, worst, mean);
            QVERIFY(worst <= 7 && mean <= meanAtMost[i]);
        }
    }

    void rejectsASpoiledFile_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("message");
        QTest::newRow("leap day missing") << "DELETE FROM kolvira WHERE Dita=29 AND Muaji=2"
                                          << "Mungojnë rreshtat e ditëve: 29.2.";
        QTest::newRow("day repeated")
            << "CREATE TABLE k2 AS SELECT * FROM kolvira; DROP TABLE kolvira;"
               "ALTER TABLE k2 RENAME TO kolvira;"
               "INSERT INTO kolvira SELECT * FROM kolvira WHERE Dita=6 AND Muaji=12"
            << "Ditë me më shumë se një rresht: 6.12 (2 herë).";
        QTest::newRow("day that does not exist")
            << "UPDATE kolvira SET Dita=31 WHERE Dita=30 AND Muaji=4"
            << "Një rresht ka ditë a muaj të pavlefshëm (Dita=31, Muaji=4).";
        QTest::newRow("time that does not parse")
            << "UPDATE kolvira SET Asri='25:61:00' WHERE Dita=6 AND Muaji=12"
            << "Dita 6.12: koha e Asri \"25:61:00\" nuk lexohet.";
        QTest::newRow("two times alike")
            << "UPDATE kolvira SET Asri=Dhuhri WHERE Dita=15 AND Muaji=7"
            << "Dita 15.7: Asri (12:44) nuk vjen pas Dhuhri (12:44).";
        QTest::newRow("no city selected") << "UPDATE Qytetet SET ESelektuar=0"
                                          << "Asnjë qytet nuk është i zgjedhur (ESelektuar).";
        QTest::newRow("two cities selected")
            << "UPDATE Qytetet SET ESelektuar=1 WHERE Qyteti='Tiranë'"
            << "Janë zgjedhur 2 qytete në vend të një: Prishtinë, Tiranë.";
        QTest::newRow("rows of another city")
            << "UPDATE Qytetet SET ESelektuar=(Qyteti='Tiranë')"
            << "Rreshtat e kolvira janë të \"tabela\", jo të qytetit të zgjedhur (\"kmsh "
               "41.3275 19.8187 Europe/Tirane\").";
        QTest::newRow("city name repeated")
            << "UPDATE Qytetet SET Qyteti='Prizren' WHERE Qyteti='Pejë'"
            << "Qyteti \"Prizren\" përsëritet.";
        QTest::newRow("offset beyond two hours")
            << "UPDATE Qytetet SET Minuta=-121 WHERE Qyteti='Shkup'"
            << "Qyteti \"Shkup\" ka -121 minuta, më shumë se dy orë.";
        QTest::newRow("offset not a number")
            << "UPDATE Qytetet SET Minuta='pesë' WHERE Qyteti='Tiranë'"
            << "Minutat e qytetit \"Tiranë\" nuk janë numër i plotë: \"pesë\".";
        QTest::newRow("column missing") << "ALTER TABLE Qytetet DROP COLUMN Minuta"
                                        << "Tabelës Qytetet i mungojnë kolonat: Minuta.";
        QTest::newRow("North Macedonia's table not whole")
            << "DELETE FROM KoheratBFI WHERE Dita=1 AND Muaji=1"
            << "Tabela e BFI (KoheratBFI) nuk është e plotë";
        QTest::newRow("perpetual calendar not whole")
            << "DELETE FROM KoheratStandarde WHERE Dita=1 AND Muaji=1"
            << "Kalendari i përhershëm nuk është i plotë";
        QTest::newRow("rows of another year's summer time")
            << "UPDATE Kalendari SET Viti=2026"
            << "Rreshtat e kolvira nuk janë ata të vitit 2026 sipas kalendarit të përhershëm: "
               "28.3, 25.10, 26.10";
    }
    void rejectsASpoiledFile()
    {
        QFETCH(QString, sql);
        QFETCH(QString, message);
        const QString file = dir.filePath(QStringLiteral("spoiled.db"));
        QFile::remove(file);
        QVERIFY(QFile::copy(generated, file));
        for (const QString &statement : sql.split(';'))
            SqlFile::run(file, statement);
        const KolviraDbRun checked = KolviraDbRun({QStringLiteral("check"), file});
        QCOMPARE(checked.status, int(KolviraDb::Faults));
        QVERIFY2(checked.out.contains(message), qPrintable(checked.out));
    }

    void missingFileOrNoDatabase()
    {
        const KolviraDbRun missing = KolviraDbRun({"check", dir.filePath("mungon.db")});
        QCOMPARE(missing.status, int(KolviraDb::Failure));
        QVERIFY2(missing.err.contains(QStringLiteral("nuk ekziston")), qPrintable(missing.err));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("mungon.db"))));
        QVERIFY(writeFile(dir.filePath("tekst.db"), "Kjo nuk është bazë të dhënash.\n"));
        QCOMPARE(KolviraDbRun({"check", dir.filePath("tekst.db")}).status, int(KolviraDb::Faults));
    }

private:
    QTemporaryDir dir;
    QString generated;
};

QTEST_GUILESS_MAIN(TestKolviraDbCommands)
#include "TestKolviraDbCommands.moc"
