#include "app/FrmSplash.h"
#include "app/Main.h"
#include "calendar/ClockTimer.h"
#include "prayer/CityStore.h"
#include "support/FileBytes.h"
#include "support/MainWindowFixture.h"
#include "support/WriteProtection.h"
#include "ui/LoadedWindows.h"
#include "ui/TrayIcon.h"

#include <QTest>
#include <QWindow>
#include <optional>

// The main window over its database: the splash before it, what it shows,
// how it reacts to the clock and the close box, and what happens when the
// file is spoiled or taken away.
class TestFrmMain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup()
    {
        f->fatals.expectNone(); // each test that expects one takes it
        f.reset();
        overrideTrayHostAvailable(std::nullopt);
    }

    // The splash stays two seconds from when it reached the screen, also when
    // the wall clock passes midnight meanwhile; the main window comes after.
    void splashLastsTwoSecondsOnScreen()
    {
        f->clock.set(QDateTime(QDate(2026, 12, 6), QTime(23, 59, 59, 500)));
        std::optional<qint64> exposedAt; // by the fake clock, which moves only here
        bool onlySplashShown = true;
        const auto look = [&] {
            const QWidget *splash = shownSplash();
            if (!exposedAt && splash && splash->windowHandle()->isExposed())
                exposedAt = f->clock.monotonicMs();
            onlySplashShown &= splash && !form()->isVisible();
        };
        // Each pass of the event loop takes 100 ms.
        ShowSplash(*form(), f->clock, [&] {
            look();
            f->clock.advanceMs(100);
            QCoreApplication::processEvents();
            look();
        });
        QVERIFY(exposedAt);
        QCOMPARE(f->clock.monotonicMs() - *exposedAt, qint64(2000));
        QVERIFY(onlySplashShown);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!shownSplash());
        QVERIFY(form()->isVisible());
    }

    // A time that cannot be read shows as "--:--" and starts no adhan; nor
    // does any time without a flagged city.
    void activationShowsCityAndTimes_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("change"); // made to the day rows first
        QTest::addColumn<QString>("times");
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<int>("adhans"); // between 11:00 and 13:00
        const auto row = [](const char *name, QDate today, const char *selected, const char *change,
                            const char *times, const char *city, const char *offset, int adhans) {
            QTest::newRow(name) << today << selected << change << times << city << offset << adhans;
        };
        const QDate dec6(2026, 12, 6);
        const char *noDhuhri = "05:07 05:17 06:55 --:-- 13:57 16:10 17:07";
        row("6 December", dec6, "1", "", "05:07 05:17 06:55 11:37 13:57 16:10 17:07", "Prishtinë",
            "0", 1);
        row("29 February, offset 5", QDate(2028, 2, 29), "4", "",
            "04:50 05:00 06:30 12:00 14:50 17:45 19:15", "Tiranë", "5", 1);
        row("no row for the day", QDate(2026, 12, 7), "2", "",
            "--:-- --:-- --:-- --:-- --:-- --:-- --:--", "Prizren", "-1", 0);
        row("empty cells, no flagged city", dec6, "", "SET Asri = NULL, Isha = '' WHERE Dita = 6",
            "05:07 05:17 06:55 11:37 --:-- 16:10 --:--", "False", "False", 0);
        row("words", dec6, "1", "SET Dhuhri = 'pasdite'", noDhuhri, "Prishtinë", "0", 0);
        row("hour 25", dec6, "1", "SET Dhuhri = '25:10:00'", noDhuhri, "Prishtinë", "0", 0);
        row("minute 61", dec6, "1", "SET Dhuhri = '11:61'", noDhuhri, "Prishtinë", "0", 0);
        row("fraction of a day", dec6, "1", "SET Dhuhri = 0.5", noDhuhri, "Prishtinë", "0", 0);
    }
    void activationShowsCityAndTimes()
    {
        QFETCH(QDate, today);
        QFETCH(QString, selected);
        QFETCH(QString, change);
        QFETCH(int, adhans);
        f->db.selectCities(selected);
        if (!change.isEmpty())
            f->db.exec(QStringLiteral("UPDATE kolvira ") + change);
        f->clock.set(QDateTime(today, QTime(9, 30)));
        form()->Form_Activate();
        QCOMPARE(f->player.started.size(), 1); // the silent one at load
        QVERIFY(!f->player.playing);
        QTEST(f->label("LblQyteti"), "city");
        QTEST(f->label("LblMinuta"), "offset");
        QStringList shown;
        for (int i = 0; i < 7; ++i)
            shown << f->label(QStringLiteral("LblKohaENamazit_%1").arg(i));
        QTEST(shown.join(QLatin1Char(' ')), "times");
        for (int m = 11 * 60; m < 13 * 60; ++m) {
            f->clock.set(QDateTime(today, QTime(m / 60, m % 60)));
            form()->Timer1_Timer();
            f->player.playing = false;
        }
        QCOMPARE(f->player.started.size(), 1 + adhans);
    }

    void tickReloadsTimesWhenTheDayChanges()
    {
        f->db.addDay(7, 12, "05:08:00 05:18:00 06:56:00 11:38:00 13:58:00 16:11:00 17:41:00");
        f->clock.set(QDateTime(QDate(2026, 12, 6), QTime(23, 59, 59)));
        form()->Form_Activate();
        QCOMPARE(f->label("LblKohaENamazit_6"), QStringLiteral("17:07"));
        f->clock.set(QDateTime(QDate(2026, 12, 7), QTime(0, 0, 5)));
        form()->Timer1_Timer();
        QCOMPARE(f->label("LblKohaENamazit_6"), QStringLiteral("17:41"));
        QCOMPARE(f->label("LblKoha"), QStringLiteral("00:00:05"));
        QCOMPARE(f->label("LblDataGregoriane"), QStringLiteral("E hënë, 7 Dhjetor (12), 2026"));
    }

    // The close box hides the window, or minimises it where no notification
    // area could bring it back. The clock timer wakes each whole second
    // while the window shows; out of sight it sleeps until there is work.
    void closeBox_data()
    {
        QTest::addColumn<bool>("trayHost");
        QTest::newRow("tray host: hides") << true;
        QTest::newRow("no tray host: minimises") << false;
    }
    void closeBox()
    {
        QFETCH(bool, trayHost);
        overrideTrayHostAvailable(trayHost);
        form()->show();
        QCOMPARE(form()->timer()->plannedWaitMs(), 1000); // the next whole second
        QVERIFY(!form()->close());
        QCOMPARE(form()->isVisible(), !trayHost);
        QCOMPARE(form()->isMinimized(), !trayHost);
        QVERIFY(form()->timer()->isActive());
        QCOMPARE(form()->timer()->plannedWaitMs(), ClockTimer::longestWaitMs); // here: far off
    }

    // Overwritten in place: the error is shown once and the program ends, as
    // every failing database call does; nothing is written.
    void overwrittenWithGarbageInPlace()
    {
        QVERIFY(writeFile(f->db.filePath(), QByteArray(8192, '\x5a')));
        form()->show();
        QCOMPARE(f->fatals.texts.size(), 1);
        QVERIFY2(f->fatals.texts.first().contains(QStringLiteral("not a database")),
                 qPrintable(f->fatals.texts.first()));
        f->fatals.texts.clear();
        QCOMPARE(readFile(f->db.filePath()), QByteArray(8192, '\x5a'));
    }

    // The window keeps showing the day from the open file; a new choice is
    // refused with a message and nothing is written.
    void storeRefusedWhenTheFileIsGone_data()
    {
        QTest::addColumn<QString>("words");
        QTest::newRow("deleted") << "u fshi ose u zëvendësua";
        QTest::newRow("replaced") << "Rinisni programin";
        QTest::newRow("read-only file") << "readonly";
        QTest::newRow("read-only folder") << "Qyteti nuk u ruajt";
    }
    void storeRefusedWhenTheFileIsGone()
    {
        const QString spoil = QTest::currentDataTag();
        QFETCH(QString, words);
        const QString file = f->db.filePath();
        std::optional<WriteProtection> protection;
        if (spoil == "deleted") {
            QVERIFY(QFile::remove(file));
        } else if (spoil == "replaced") {
            QVERIFY(writeFile(file + ".new", QByteArray(8192, '\x17')));
            QVERIFY(::rename(QFile::encodeName(file + ".new"), QFile::encodeName(file)) == 0);
        } else {
            f->connection.close(); // an open file stays writable through its handle
            protection.emplace(spoil.endsWith("file") ? file : f->db.folder());
            if (!protection->holds())
                QSKIP("this process cannot write-protect a file");
            f->connection.open(f->db.connectionText());
        }
        const QByteArray before = readFile(file);
        form()->Form_Activate();
        QCOMPARE(f->label("LblQyteti"), QStringLiteral("Prishtinë"));
        QCOMPARE(f->label("LblKohaENamazit_3"), QStringLiteral("11:37"));
        try {
            CityStore(f->connection).store(4);
            QFAIL("the store was not refused");
        } catch (const CityStore::NotStored &refusal) {
            QVERIFY2(refusal.message().contains(words), qPrintable(refusal.message()));
        }
        QCOMPARE(readFile(file), before);
        form()->Form_Activate();
        QCOMPARE(f->label("LblQyteti"), QStringLiteral("Prishtinë"));
    }

private:
    FrmMain *form() const { return f->form.get(); }
    static QWidget *shownSplash()
    {
        for (QWidget *w : LoadedWindows::all())
            if (qobject_cast<FrmSplash *>(w) && w->isVisible())
                return w;
        return nullptr;
    }

    std::unique_ptr<MainWindowFixture> f;
};

QTEST_MAIN(TestFrmMain)
#include "TestFrmMain.moc"
