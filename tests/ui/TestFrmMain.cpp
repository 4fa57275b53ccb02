#include "data/ListControl.h"
#include "prayer/AdhanScheduler.h"
#include "support/MainWindowFixture.h"
#include "ui/LoadedWindows.h"
#include "ui/TrayIcon.h"
#include "ui/Twips.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

class TestFrmMain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        endCalls = 0;
        f->form->setEndProgram([this] { ++endCalls; });
    }
    void cleanup()
    {
        f->fatals.expectNone();
        f.reset();
        overrideTrayHostAvailable(std::nullopt);
    }

    void windowAndFixedControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("Image1") << "Image1" << Twips::rect(2400, 480, 4710, 3630);
        QTest::newRow("Shape1") << "Shape1" << Twips::rect(120, 1080, 1815, 255);
        QTest::newRow("CmdRrethProgramit")
            << "CmdRrethProgramit" << Twips::rect(5760, 720, 1215, 495);
        QTest::newRow("CmdDitelindja") << "CmdDitelindja" << Twips::rect(4200, 4200, 1215, 495);
        QTest::newRow("cmdQyteti") << "cmdQyteti" << Twips::rect(5640, 4200, 1215, 495);
        QTest::newRow("CmdDalje") << "CmdDalje" << Twips::rect(5640, 4920, 1215, 495);
        QTest::newRow("player") << "WindowsMediaPlayer1" << Twips::rect(0, 5520, 7095, 675);
    }
    void windowAndFixedControls()
    {
        QFETCH(QString, name);
        QCOMPARE(form()->size(), QSize(471, 412));
        QCOMPARE(form()->windowTitle(), QStringLiteral("Kolvira"));
        auto *widget = form()->findChild<QWidget *>(name);
        QVERIFY(widget);
        QTEST(widget->geometry(), "expected");
    }

    // Left-aligned labels keep their left edge, right-aligned ones their
    // right edge, whatever their text.
    void labelAnchors_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right"); // twips; -1 when not anchored there
        QTest::addColumn<int>("top");
        QTest::addColumn<QString>("text");
        const auto row = [](const QString &name, int left, int right, int top,
                            const QString &text) {
            QTest::newRow(qPrintable(name)) << name << left << right << top << text;
        };
        row("Label1_0", -1, 285 + 1665, 120, "Data gregoriane:");
        row("Label1_1", -1, 150 + 1800, 360, "Data sipas hixhrit:");
        row("LblDataGregoriane", 2040, -1, 120, "XXX");
        row("LblDataHixhri", 2040, -1, 360, "XXX");
        row("Label3", -1, 165 + 570, 1080, "Koha:");
        row("LblKoha", 840, -1, 1080, "XX:XX:XX");
        row("Label5", -1, 4080 + 1740, 3600, "Qyteti i zgjedhur:");
        row("LblQyteti", 4080, -1, 3840, "XXX");
        // The seven rows: captions end at 2055, times at 2100 + 675; the
        // sunrise row carries caption 6 and the rows below it captions 2 to 5.
        const int tops[] = {1920, 2400, 2880, 3360, 3840, 4320, 4800};
        const int captionOnRow[] = {0, 1, 6, 2, 3, 4, 5};
        const char *texts[] = {"Sehuri (imsaku)", "Fexhri (sabahu)",   "Dhuhri (dreka)",
                               "Asri (ikindia)",  "Magribi (akshami)", "Isha (jacia)",
                               "Lindja e diellit"};
        for (int r = 0; r < 7; ++r) {
            const int c = captionOnRow[r];
            row(QStringLiteral("LblFusha_%1").arg(c), -1, 2055, tops[r], texts[c]);
            row(QStringLiteral("LblKohaENamazit_%1").arg(r), -1, 2100 + 675, tops[r], "XX:XX");
        }
    }
    void labelAnchors()
    {
        QFETCH(QString, name);
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(int, top);
        auto *label = form()->findChild<QLabel *>(name);
        QVERIFY(label);
        QTEST(label->text(), "text");
        QCOMPARE(label->y(), Twips::toPixels(top));
        if (left >= 0)
            QCOMPARE(label->x(), Twips::toPixels(left));
        if (right >= 0)
            QCOMPARE(label->x() + label->width(), Twips::toPixels(right));
        QCOMPARE(label->width(), label->sizeHint().width());
    }

    void adhanCaptionsAreBoldDarkRed()
    {
        for (int c = 0; c < 7; ++c) {
            auto *label = form()->findChild<QLabel *>(QStringLiteral("LblFusha_%1").arg(c));
            const bool adhan = c >= 1 && c <= 5;
            QCOMPARE(label->font().bold(), adhan);
            if (adhan)
                QCOMPARE(label->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        }
    }

    void buttonFocusOrder()
    {
        QWidget *focus = pushButton(*form(), "CmdRrethProgramit");
        for (const char *next : {"CmdDalje", "cmdQyteti", "CmdDitelindja"}) {
            focus = focus->nextInFocusChain();
            QCOMPARE(focus->objectName(), QLatin1String(next));
        }
    }

    void activationShowsCityAndTimes_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("change"); // made to the day rows first
        QTest::addColumn<QString>("times");
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("offset");
        const auto row = [](const char *name, QDate today, const char *selected, const char *change,
                            const char *times, const char *city, const char *offset) {
            QTest::newRow(name) << today << selected << change << times << city << offset;
        };
        row("6 December", QDate(2026, 12, 6), "1", "", "05:07 05:17 06:55 11:37 13:57 16:10 17:07",
            "Prishtinë", "0");
        row("29 February, offset 5", QDate(2028, 2, 29), "4", "",
            "04:50 05:00 06:30 12:00 14:50 17:45 19:15", "Tiranë", "5");
        row("no row for the day", QDate(2026, 12, 7), "2", "",
            "--:-- --:-- --:-- --:-- --:-- --:-- --:--", "Prizren", "-1");
        row("empty cells, no flagged city", QDate(2026, 12, 6), "",
            "SET Asri = NULL, Isha = '' WHERE Dita = 6",
            "05:07 05:17 06:55 11:37 --:-- 16:10 --:--", "False", "False");
    }
    void activationShowsCityAndTimes()
    {
        QFETCH(QDate, today);
        QFETCH(QString, selected);
        QFETCH(QString, change);
        f->db.selectCities(selected);
        if (!change.isEmpty())
            f->db.exec(QStringLiteral("UPDATE kolvira ") + change);
        f->clock.set(QDateTime(today, QTime(9, 30)));
        form()->Form_Activate();
        QTEST(f->label("LblQyteti"), "city");
        QTEST(f->label("LblMinuta"), "offset");
        QStringList shown;
        for (int i = 0; i < 7; ++i)
            shown << f->label(QStringLiteral("LblKohaENamazit_%1").arg(i));
        QTEST(shown.join(QLatin1Char(' ')), "times");
    }

    void offsetLabelFollowsTheCityName()
    {
        form()->Form_Activate();
        auto *city = form()->findChild<QLabel *>("LblQyteti");
        auto *offset = form()->findChild<QLabel *>("LblMinuta");
        const int shortWidth = city->width();
        const int shortLeft = offset->x();
        QCOMPARE(shortLeft, city->x() + city->width() + Twips::toPixels(100));
        f->db.exec(
            "UPDATE Qytetet SET Qyteti = 'Prishtinë e Madhe dhe Rrethina' WHERE IDQyteti = 1");
        form()->Form_Activate();
        QVERIFY(city->width() > shortWidth);
        QCOMPARE(offset->x() - shortLeft, city->width() - shortWidth);
        QCOMPARE(offset->y(), Twips::toPixels(3840));
    }

    // The timer runs from creation at 100 ms, and every activation starts it again.
    void twoActivationsInARow()
    {
        QVERIFY(form()->timer()->isActive());
        QCOMPARE(form()->timer()->interval(), 100);
        form()->timer()->stop();
        form()->Form_Activate();
        const QString first = f->label("LblKohaENamazit_3");
        form()->Form_Activate();
        QCOMPARE(f->label("LblKohaENamazit_3"), first);
        QCOMPARE(f->label("LblQyteti"), QStringLiteral("Prishtinë"));
        QVERIFY(form()->timer()->isActive());
    }

    void failingQueryGoesThroughTheGuard()
    {
        f->db.exec(QStringLiteral("DROP TABLE kolvira"));
        form()->show();
        QCOMPARE(f->fatals.texts.size(), 1);
        QVERIFY(f->fatals.texts.first().contains(QStringLiteral("kolvira")));
        f->fatals.texts.clear();
    }

    void iconToggleHidesAndShowsEveryLoadedWindow()
    {
        form()->show();
        QWidget other;
        LoadedWindows::mark(&other);
        other.show();
        f->db.selectCities("5");
        ToggleLoadedWindows(*form());
        QVERIFY(!form()->isVisible());
        QVERIFY(!other.isVisible());
        QCOMPARE(f->label("LblQyteti"), QStringLiteral("Prishtinë")); // not yet re-read
        ToggleLoadedWindows(*form());
        QVERIFY(form()->isVisible());
        QVERIFY(other.isVisible());
        QCOMPARE(f->label("LblQyteti"), QStringLiteral("Shkodër")); // the activation ran
        // Keyed on the main window alone: hidden main, visible other: shows all.
        form()->hide();
        ToggleLoadedWindows(*form());
        QVERIFY(form()->isVisible());
        QVERIFY(other.isVisible());
    }

    // With no notification area the window could not come back once hidden.
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
        QVERIFY(!form()->close());
        QCOMPARE(form()->isVisible(), !trayHost);
        QCOMPARE(form()->isMinimized(), !trayHost);
        QCOMPARE(endCalls, 0);
        QVERIFY(form()->timer()->isActive());
    }

    void exitRemovesTheIconAndRunsNoCloseHandler()
    {
        overrideTrayHostAvailable(true);
        form()->show();
        AddTrayIcon(*form(), form()->mnuPopup());
        QSystemTrayIcon *icon = trayIconData().icon;
        QVERIFY(icon);
        QCOMPARE(icon->toolTip(), QStringLiteral("Kolvira"));
        QCOMPARE(icon->contextMenu(), form()->mnuPopup());
        QCOMPARE(form()->mnuPopup()->title(), QStringLiteral("Menuja Popup"));
        QCOMPARE(form()->mnuPopup()->actions().size(), 1);
        QCOMPARE(form()->mnuDalje()->text(), QStringLiteral("Dalje"));
        form()->mnuDalje()->trigger();
        QCOMPARE(endCalls, 1);
        QVERIFY(!icon->isVisible());
        QVERIFY(form()->isVisible()); // the close handler would have hidden it
        pushButton(*form(), "CmdDalje")->click();
        QCOMPARE(endCalls, 2);
    }

    void buttonsOpenTheirWindowsAndReactivate()
    {
        form()->show();
        QStringList opened;
        form()->setWindowOpeners([&] { opened << "birthday"; },
                                 [&] {
                                     opened << "city";
                                     f->db.selectCities("4");
                                 },
                                 [&] { opened << "about"; });
        for (const char *name : {"CmdDitelindja", "cmdQyteti", "CmdRrethProgramit"})
            pushButton(*form(), name)->click();
        QCOMPARE(opened, (QStringList{"birthday", "city", "about"}));
        QCOMPARE(f->label("LblQyteti"), QStringLiteral("Tiranë"));
    }

    void formLoadLeavesThePlayerSilent()
    {
        QCOMPARE(f->player.started.size(), 1);
        QVERIFY(f->player.url.endsWith(QStringLiteral("Ezani në Mekke - 1.mp3")));
        QCOMPARE(f->player.stops, 1);
        QVERIFY(!f->player.playing);
    }

    void tickWritesClockAndDates()
    {
        f->clock.set(QDateTime(QDate(2026, 12, 6), QTime(21, 5, 5)));
        form()->Timer1_Timer();
        QCOMPARE(f->label("LblKoha"), QStringLiteral("21:05:05"));
        QCOMPARE(f->label("LblDataGregoriane"), QStringLiteral("E diel, 6 Dhjetor (12), 2026"));
        QVERIFY(f->label("LblDataHixhri").startsWith(QStringLiteral("E diel, ")));
        // Before the first activation the design texts match no minute.
        QCOMPARE(f->label("LblKohaENamazit_3"), QStringLiteral("XX:XX"));
    }

    void adhanBringsTheHiddenWindowBack()
    {
        overrideTrayHostAvailable(true);
        form()->show();
        form()->hide();
        f->clock.set(QDateTime(QDate(2026, 12, 6), QTime(11, 37)));
        form()->Timer1_Timer();
        QVERIFY(form()->isVisible());
        QVERIFY(f->player.url.endsWith(QStringLiteral("Ezani në Mekke - 1.mp3")));
        QCOMPARE(f->player.started.size(), 2);
        QVERIFY(form()->scheduler().ezaniFilloi());
    }

    void tickReloadsTimesWhenTheDayChanges()
    {
        f->db.addDay(7, 12, "05:08:00 05:18:00 06:56:00 11:38:00 13:58:00 16:11:00 17:41:00");
        f->clock.set(QDateTime(QDate(2026, 12, 6), QTime(23, 59, 59)));
        form()->Form_Activate();
        QCOMPARE(f->label("LblKohaENamazit_6"), QStringLiteral("17:07"));
        f->clock.set(QDateTime(QDate(2026, 12, 7), QTime(0, 0)));
        form()->Timer1_Timer();
        QCOMPARE(f->label("LblKohaENamazit_6"), QStringLiteral("17:41"));
        QCOMPARE(f->label("LblDataGregoriane"), QStringLiteral("E hënë, 7 Dhjetor (12), 2026"));
    }

    void cityButtonStoresTheChoiceAndTheMainWindowFollows()
    {
        form()->show();
        bool sawModal = false;
        QTimer::singleShot(0, this, [&] {
            QWidget *window = QApplication::activeModalWidget();
            sawModal = window && window->windowTitle() == QStringLiteral("Zgjedhja e qytetit");
            if (!window)
                return;
            auto *list = dynamic_cast<ListControl *>(window->findChild<QWidget *>("CmbQyteti"));
            QVERIFY(list);
            QCOMPARE(list->itemText(list->listIndex()), QStringLiteral("Prishtinë"));
            list->setListIndex(3);
            pushButton(*window, "CmdAktivoje")->click();
        });
        pushButton(*form(), "cmdQyteti")->click();
        QVERIFY(sawModal);
        QCOMPARE(f->db.selectedCityIds(), QList<int>{4});
        QCOMPARE(f->label("LblQyteti"), QStringLiteral("Tiranë"));
        QCOMPARE(f->label("LblMinuta"), QStringLiteral("5"));
    }

private:
    FrmMain *form() const { return f->form.get(); }

    std::unique_ptr<MainWindowFixture> f;
    int endCalls = 0;
};

QTEST_MAIN(TestFrmMain)
#include "TestFrmMain.moc"
