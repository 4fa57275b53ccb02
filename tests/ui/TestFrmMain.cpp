#include "app/FrmSplash.h"
#include "app/Main.h"
#include "calendar/CalendarService.h"
#include "calendar/ClockTimer.h"
#include "prayer/CityStore.h"
#include "prayer/Recordings.h"
#include "support/FileBytes.h"
#include "support/MainWindowFixture.h"
#include "support/WriteProtection.h"
#include "ui/CityComboBox.h"
#include "ui/FrmDitelindja.h"
#include "ui/FrmQytetet.h"
#include "ui/FrmRrethProg.h"
#include "ui/LoadedWindows.h"
#include "ui/NameField.h"
#include "ui/TrayIcon.h"

#include <QDateEdit>
#include <QDesktopServices>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <optional>

// The main window over its database and the windows it opens: the splash
// before it, what it shows, how it reacts to the clock and the close box, and
// what happens when the file is spoiled or taken away; the city list, the
// birthday window's figures and the about window's mail link.
class TestFrmMain : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void mailLinkOpened(const QUrl &url) { mailLinks << url; }

private Q_SLOTS:
    // A registered handler takes the links the desktop would hand to a mail
    // program, so none starts here.
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "mailLinkOpened");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("mailto")); }
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup()
    {
        cities.reset();
        f->fatals.expectNone(); // each test that expects one takes it
        f.reset();
        overrideTrayHostAvailable(std::nullopt);
        QCOMPARE(CalendarService::selector(), CalendarService::Gregorian);
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
        row("29 February, offset 5", QDate(2028, 2, 29), "4", "",
            "04:50 05:00 06:30 12:00 14:50 17:45 19:15", "Tiranë", "5", 1);
        row("no row for the day", QDate(2026, 12, 7), "2", "",
            "--:-- --:-- --:-- --:-- --:-- --:-- --:--", "Prizren", "-1", 0);
        row("empty cells, no flagged city", dec6, "", "SET Asri = NULL, Isha = '' WHERE Dita = 6",
            "05:07 05:17 06:55 11:37 --:-- 16:10 --:--", "False", "False", 0);
        row("hour 25, minute 61, fraction of a day", dec6, "1",
            "SET Imsaku = '25:10:00', Fexhri = '11:61', Dhuhri = 0.5",
            "--:-- --:-- 06:55 --:-- 13:57 16:10 17:07", "Prishtinë", "0", 0);
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

    // The adhan's notice offers to stop it, and choosing that stops it; the
    // icon's menu offers "Ndalo ezanin" only while an adhan plays. With no
    // recording the sound theme's alert plays, and the first such adhan alone
    // tells how to choose one.
    void adhanStoppedFromItsNotice()
    {
        form()->Form_Activate(); // Prishtinë, no minutes
        for (const QTime adhan : {QTime(11, 37), QTime(13, 57)}) {
            f->notifier.notices.clear();
            f->clock.set(QDateTime(QDate(2026, 12, 6), adhan));
            form()->Timer1_Timer();
            QVERIFY(f->notifier.notices.value(0).offersStop);
            QCOMPARE(f->player.url, Recordings::alert());
            QCOMPARE(f->notifier.notices.size(), adhan.hour() == 11 ? 2 : 1);
            QVERIFY(f->notifier.notices.last().body.contains(QStringLiteral("Zgjidhni ezanin")) ==
                    (adhan.hour() == 11));
            QVERIFY(f->player.playing && form()->mnuNdaloEzanin()->isEnabled());
            f->notifier.chooseStop();
            QVERIFY(!f->player.playing && !form()->mnuNdaloEzanin()->isEnabled());
        }
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
        // It wakes at the next whole second, so no second is shown late or skipped.
        f->clock.advanceMs(form()->timer()->plannedWaitMs());
        QCOMPARE(f->clock.now().time().msec(), 0);
        form()->timer()->fire();
        QCOMPARE(f->label("LblKoha"), QStringLiteral("09:30:01"));
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
        // Told in Albanian, the driver's own words after it as a detail.
        QVERIFY2(f->fatals.texts.first().contains(QRegularExpression(
                     QStringLiteral("nuk është bazë të dhënash.*hollësi: .*not a database"))),
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

    // The caption is the main window's city; the entries keep the table's
    // order. Typing then selects the first entry that begins with the text.
    void preselectedAndTypedCity_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("minutes");
        const auto row = [](const char *name, const char *caption, const char *typed,
                            const char *selected, const char *minutes) {
            QTest::newRow(name) << caption << typed << selected << minutes;
        };
        row("the first entry is looked at last", "pri", "", "Prizren", "-1");
        row("other letter case", "tIRANË", "", "Tiranë", "5");
        row("no city begins with it", "Tetovë", "", "", "");
        row("typed: first entry first", "Tiranë", "pri", "Prishtinë", "0");
        row("typed: longer beginning", "Tiranë", "PRIZRENI ", "Prizreni i Ri", "2");
        row("typed: other letter case", "Tiranë", "shkodË", "Shkodër", "4");
    }
    void preselectedAndTypedCity()
    {
        QFETCH(QString, caption);
        QFETCH(QString, typed);
        QFETCH(QString, selected);
        openCities(caption);
        QStringList entries;
        for (int i = 0; i < combo()->listCount(); ++i)
            entries << combo()->itemText(i) + ' ' + QString::number(combo()->itemData(i));
        QCOMPARE(entries, QStringList({"Prishtinë 1", "Prizren 2", "Prizreni i Ri 3", "Tiranë 4",
                                       "Shkodër 5"}));
        if (!typed.isEmpty()) {
            edit()->clear();
            for (const QChar c : typed) // letters beyond ASCII included
                QTest::sendKeyEvent(QTest::Click, edit(), Qt::Key_unknown, QString(c), {});
        }
        QCOMPARE(combo()->listIndex() < 0 ? QString() : combo()->itemText(combo()->listIndex()),
                 selected);
        QCOMPARE(edit()->text(), typed.isEmpty() ? selected : typed);
        QTEST(labelText(*cities, "LblMinuta"), "minutes");
    }

    // The ways out that no end-to-end test takes, after the selection moved
    // to Tiranë: what is stored and said, and whether the main window is
    // asked back. A city removed meanwhile is refused before anything is
    // written, and the window stays.
    void endingTheWindow_data()
    {
        QTest::addColumn<bool>("stays");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("mainWindowShown");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<int>("flagged");
        QTest::newRow("double-click") << false << int(QDialog::Accepted) << 1 << "" << 4;
        QTest::newRow("close box") << false << int(QDialog::Rejected) << 0 << "" << 1;
        QTest::newRow("city removed, Aktivoje")
            << true << int(QDialog::Rejected) << 0 << "Qyteti i zgjedhur nuk gjendet më" << 1;
    }
    void endingTheWindow()
    {
        QFETCH(bool, stays);
        QFETCH(QString, warning);
        QFETCH(int, flagged);
        openCities(QStringLiteral("Prishtinë"));
        const QString way = QTest::currentDataTag();
        auto *list = combo()->findChild<QListWidget *>();
        const QPoint tirane = list->visualItemRect(list->item(3)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, tirane);
        if (way == "double-click") { // its second press arrives as the double-click
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, tirane);
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, tirane);
        }
        if (way == "close box")
            cities->close();
        if (stays) {
            f->db.exec(QStringLiteral("DELETE FROM Qytetet WHERE IDQyteti = 4"));
            QTest::mouseClick(cities->findChild<QPushButton *>("CmdAktivoje"), Qt::LeftButton);
        }
        QCOMPARE(cities->isVisible(), stays);
        QTEST(cities->result(), "result");
        QTEST(int(shown->count()), "mainWindowShown");
        QCOMPARE(warnings.size(), int(!warning.isEmpty()));
        QVERIFY2(warning.isEmpty() || warnings.join(QString()).startsWith(warning),
                 qPrintable(warnings.join(QString())));
        QCOMPARE(f->db.selectedCityIds(), QList<int>{flagged});
    }

    // Expected texts were worked out apart from the program, from the month
    // lengths in calendar/hijri-months.tsv: 6 December 2026 is 27
    // Xhumadeth-Thani 1448, a year whose Dhul-Ka'de has 29 days.
    void birthdayFigures_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("birthdayThisYear");
        QTest::addColumn<QString>("shortHijri");
        const auto row = [](const char *name, QDate birth, const char *age, const char *birthday,
                            const char *shortHijri) {
            QTest::newRow(name) << birth << age << birthday << shortHijri;
        };
        row("birth month later in the Hijri year", QDate(1998, 2, 21),
            "30 vite, -4 muaj dhe 3 ditë", "E enjte, 01 Prill (04), 2027", "24.10.1418");
        row("born later this Hijri year", QDate(2027, 2, 7), "0 vite, -2 muaj dhe -3 ditë",
            "E diel, 07 Shkurt (02), 2027", "30.08.1448");
        row("born in the next Hijri year", QDate(2027, 7, 31), "-1 vite, 4 muaj dhe 0 ditë",
            "E hënë, 10 Gusht (08), 2026", "27.02.1449");
        // Born on 30 Dhul-Ka'de 1447; this year the month ends on the 29th.
        row("30th of a month with 29 days this year", QDate(2026, 5, 17),
            "1 vite, -5 muaj dhe -3 ditë", "E enjte, 06 Maj (05), 2027", "30.11.1447");
    }
    void birthdayFigures()
    {
        QFETCH(QDate, birth);
        // Late in the day, so that only the date of "now" may count.
        f->clock.set(QDateTime(QDate(2026, 12, 6), QTime(23, 59, 59)));
        FrmDitelindja birthday(f->clock);
        birthday.findChild<QDateEdit *>()->setDate(birth);
        QTEST(labelText(birthday, "LblMoshaSipasH"), "age");
        QTEST(labelText(birthday, "LblDitelindjaSivjet"), "birthdayThisYear");
        QTEST(labelText(birthday, "LblHixhriThjesht"), "shortHijri");
    }

    // Figures typed with the cursor anywhere in a part, nothing selected,
    // replace that part.
    void typingABirthDate_data()
    {
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("date");
        QTest::newRow("day") << 1 << "21" << QDate(1975, 6, 21);
        QTest::newRow("month") << 4 << "11" << QDate(1975, 11, 14);
        QTest::newRow("year") << 10 << "1998" << QDate(1998, 6, 14);
    }
    void typingABirthDate()
    {
        QFETCH(int, cursor);
        QFETCH(QString, typed);
        FrmDitelindja birthday(f->clock);
        birthday.show();
        QVERIFY(QTest::qWaitForWindowActive(&birthday));
        auto *field = birthday.findChild<QDateEdit *>();
        field->setFocus();
        field->findChild<QLineEdit *>()->setCursorPosition(cursor);
        QTest::keyClicks(field, typed);
        QTEST(field->date(), "date");
    }

    // The recording's name shows whole where it fits, else both its ends
    // around an ellipsis, the whole name in its tip.
    void recordingNameFitsOrKeepsItsEnds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("short") << QStringLiteral("Ezani.mp3");
        QTest::newRow("long") << QStringLiteral("Ezani %1 fund.mp3").arg(QString(80, 'x'));
    }
    void recordingNameFitsOrKeepsItsEnds()
    {
        QFETCH(QString, name);
        NameField field;
        field.resize(field.fontMetrics().horizontalAdvance(QStringLiteral("Ezani.mp3")) * 3, 30);
        field.setName(name);
        const bool whole = name.size() < 20;
        QCOMPARE(field.text() == name, whole);
        QCOMPARE(field.toolTip(), whole ? QString() : name);
        QVERIFY(field.text().startsWith(QStringLiteral("Ezani")) &&
                field.text().endsWith(QStringLiteral("fund.mp3")) == !whole);
    }

    // A right click and a click beside the address open nothing; each left
    // click on it opens one link.
    void eachClickOpensOneMailLink()
    {
        FrmRrethProg about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QWindow *surface = about.windowHandle();
        const QPoint label = about.findChild<QLabel *>("lblHyperlink")->geometry().center();
        QTest::mouseClick(surface, Qt::RightButton, {}, label);
        QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(100, 150));
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(surface, Qt::LeftButton, {}, label);
            QTest::qWait(0);
        }
        QCOMPARE(mailLinks, QList<QUrl>(2, QUrl(QStringLiteral("mailto:kolvira@kolvira.org"))));
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
    void openCities(const QString &caption)
    {
        cities = std::make_unique<FrmQytetet>(caption, f->connection);
        warnings.clear();
        cities->setWarning([this](const QString &text) { warnings << text; });
        shown = std::make_unique<QSignalSpy>(cities.get(), &FrmQytetet::showMainWindowRequested);
        cities->show();
        QVERIFY(QTest::qWaitForWindowExposed(cities.get()));
    }
    CityComboBox *combo() const { return cities->findChild<CityComboBox *>(); }
    QLineEdit *edit() const { return combo()->findChild<QLineEdit *>(); }

    std::unique_ptr<MainWindowFixture> f;
    std::unique_ptr<FrmQytetet> cities;
    std::unique_ptr<QSignalSpy> shown;
    QStringList warnings;
    QList<QUrl> mailLinks;
};

QTEST_MAIN(TestFrmMain)
#include "TestFrmMain.moc"
