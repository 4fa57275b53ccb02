#include "data/CalendarConnection.h"
#include "prayer/AdhanScheduler.h"
#include "support/FakeClock.h"
#include "support/FakeMediaPlayer.h"
#include "support/FixtureDatabase.h"
#include "ui/ErrorGuard.h"
#include "ui/FrmMain.h"
#include "ui/LoadedWindows.h"
#include "ui/TrayIcon.h"
#include "ui/Twips.h"

#include "data/ListControl.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

namespace {

QRect twips(int l, int t, int w, int h)
{
    return Twips::rect(l, t, w, h);
}

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        db = std::make_unique<FixtureDatabase>();
        for (const auto &city : FixtureDatabase::standardCities())
            db->addCity(city);
        db->addDay(
            {6,
             12,
             {"05:07:00", "05:17:00", "06:55:00", "11:37:00", "13:57:00", "16:10:00", "17:07:00"}});
        db->addDay(
            {29,
             2,
             {"04:50:00", "05:00:00", "06:30:00", "12:00:00", "14:50:00", "17:45:00", "19:15:00"}});
        connection.open(db->connectionText());
        clock.set(QDateTime(QDate(2026, 12, 6), QTime(9, 30)));
        fatalErrors.clear();
        ErrorGuard::setFatalHandler([this](int, const QString &text) { fatalErrors << text; });
        player = FakeMediaPlayer();
        form = std::make_unique<FrmMain>(connection, clock, &player);
        form->setEndProgram([this] { ++endCalls; });
        endCalls = 0;
    }
    void cleanup()
    {
        form.reset();
        connection.close();
        db.reset();
        ErrorGuard::setFatalHandler({});
        overrideTrayHostAvailable(std::nullopt);
    }

    void windowAndFixedControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("Image1") << "Image1" << twips(2400, 480, 4710, 3630);
        QTest::newRow("Shape1") << "Shape1" << twips(120, 1080, 1815, 255);
        QTest::newRow("CmdRrethProgramit") << "CmdRrethProgramit" << twips(5760, 720, 1215, 495);
        QTest::newRow("CmdDitelindja") << "CmdDitelindja" << twips(4200, 4200, 1215, 495);
        QTest::newRow("cmdQyteti") << "cmdQyteti" << twips(5640, 4200, 1215, 495);
        QTest::newRow("CmdDalje") << "CmdDalje" << twips(5640, 4920, 1215, 495);
        QTest::newRow("player") << "WindowsMediaPlayer1" << twips(0, 5520, 7095, 675);
    }
    void windowAndFixedControls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, expected);
        QCOMPARE(form->size(), QSize(471, 412));
        QCOMPARE(form->windowTitle(), QStringLiteral("Kolvira"));
        auto *widget = form->findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), expected);
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
        QTest::newRow("Label1_0") << "Label1_0" << -1 << 285 + 1665 << 120 << "Data gregoriane:";
        QTest::newRow("Label1_1") << "Label1_1" << -1 << 150 + 1800 << 360 << "Data sipas hixhrit:";
        QTest::newRow("LblDataGregoriane") << "LblDataGregoriane" << 2040 << -1 << 120 << "XXX";
        QTest::newRow("LblDataHixhri") << "LblDataHixhri" << 2040 << -1 << 360 << "XXX";
        QTest::newRow("Label3") << "Label3" << -1 << 165 + 570 << 1080 << "Koha:";
        QTest::newRow("LblKoha") << "LblKoha" << 840 << -1 << 1080 << "XX:XX:XX";
        QTest::newRow("Label5") << "Label5" << -1 << 4080 + 1740 << 3600 << "Qyteti i zgjedhur:";
        QTest::newRow("LblQyteti") << "LblQyteti" << 4080 << -1 << 3840 << "XXX";
        // The seven rows: captions end at 2055, times at 2100 + 675; the
        // sunrise row carries caption 6 and the rows below it captions 2 to 5.
        const int tops[] = {1920, 2400, 2880, 3360, 3840, 4320, 4800};
        const int captionOnRow[] = {0, 1, 6, 2, 3, 4, 5};
        const char *texts[] = {"Sehuri (imsaku)", "Fexhri (sabahu)",   "Dhuhri (dreka)",
                               "Asri (ikindia)",  "Magribi (akshami)", "Isha (jacia)",
                               "Lindja e diellit"};
        for (int row = 0; row < 7; ++row) {
            const int c = captionOnRow[row];
            QTest::addRow("LblFusha_%d", c) << QStringLiteral("LblFusha_%1").arg(c) << -1 << 2055
                                            << tops[row] << QString::fromUtf8(texts[c]);
            QTest::addRow("LblKohaENamazit_%d", row)
                << QStringLiteral("LblKohaENamazit_%1").arg(row) << -1 << 2100 + 675 << tops[row]
                << "XX:XX";
        }
    }
    void labelAnchors()
    {
        QFETCH(QString, name);
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(int, top);
        QFETCH(QString, text);
        auto *label = form->findChild<QLabel *>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
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
            auto *label = form->findChild<QLabel *>(QStringLiteral("LblFusha_%1").arg(c));
            const bool adhan = c >= 1 && c <= 5;
            QCOMPARE(label->font().bold(), adhan);
            if (adhan)
                QCOMPARE(label->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        }
    }

    void buttonFocusOrder()
    {
        auto *about = form->findChild<QPushButton *>("CmdRrethProgramit");
        QCOMPARE(about->nextInFocusChain()->objectName(), QStringLiteral("CmdDalje"));
        QCOMPARE(about->nextInFocusChain()->nextInFocusChain()->objectName(),
                 QStringLiteral("cmdQyteti"));
        QCOMPARE(about->nextInFocusChain()->nextInFocusChain()->nextInFocusChain()->objectName(),
                 QStringLiteral("CmdDitelindja"));
    }

    void timerRunsFromCreation()
    {
        QVERIFY(form->timer()->isActive());
        QCOMPARE(form->timer()->interval(), 100);
    }

    void activationShowsCityAndTimes_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("selectedCity");
        QTest::addColumn<QStringList>("times");
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("offset");
        QTest::newRow("6 December")
            << QDate(2026, 12, 6) << 1
            << QStringList{"05:07", "05:17", "06:55", "11:37", "13:57", "16:10", "17:07"}
            << "Prishtinë"
            << "0";
        QTest::newRow("29 February, offset 5")
            << QDate(2028, 2, 29) << 4
            << QStringList{"04:50", "05:00", "06:30", "12:00", "14:50", "17:45", "19:15"}
            << "Tiranë"
            << "5";
        QTest::newRow("no row for the day")
            << QDate(2026, 12, 7) << 2 << QStringList(7, QStringLiteral("--:--")) << "Prizren"
            << "-1";
    }
    void activationShowsCityAndTimes()
    {
        QFETCH(QDate, today);
        QFETCH(int, selectedCity);
        QFETCH(QStringList, times);
        QFETCH(QString, city);
        QFETCH(QString, offset);
        db->exec(
            QStringLiteral("UPDATE Qytetet SET ESelektuar = (IDQyteti = %1)").arg(selectedCity));
        clock.set(QDateTime(today, QTime(9, 30)));
        form->Form_Activate();
        QCOMPARE(label("LblQyteti"), city);
        QCOMPARE(label("LblMinuta"), offset);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(label(QStringLiteral("LblKohaENamazit_%1").arg(i)), times.at(i));
        QVERIFY(fatalErrors.isEmpty());
    }

    void emptyCellsAndNoFlaggedCity()
    {
        db->exec(QStringLiteral("UPDATE kolvira SET Asri = NULL, Isha = '' WHERE Dita = 6"));
        db->exec(QStringLiteral("UPDATE Qytetet SET ESelektuar = 0"));
        form->Form_Activate();
        QCOMPARE(label("LblQyteti"), QStringLiteral("False"));
        QCOMPARE(label("LblMinuta"), QStringLiteral("False"));
        QCOMPARE(label("LblKohaENamazit_4"), QStringLiteral("--:--"));
        QCOMPARE(label("LblKohaENamazit_6"), QStringLiteral("--:--"));
        QCOMPARE(label("LblKohaENamazit_3"), QStringLiteral("11:37"));
        QVERIFY(fatalErrors.isEmpty());
    }

    void offsetLabelFollowsTheCityName()
    {
        form->Form_Activate();
        auto *city = form->findChild<QLabel *>("LblQyteti");
        auto *offset = form->findChild<QLabel *>("LblMinuta");
        const int shortWidth = city->width();
        const int shortLeft = offset->x();
        QCOMPARE(shortLeft, city->x() + city->width() + Twips::toPixels(100));
        db->exec(QStringLiteral(
            "UPDATE Qytetet SET Qyteti = 'Prishtinë e Madhe dhe Rrethina' WHERE IDQyteti = 1"));
        form->Form_Activate();
        QVERIFY(city->width() > shortWidth);
        QCOMPARE(offset->x() - shortLeft, city->width() - shortWidth);
        QCOMPARE(offset->y(), Twips::toPixels(3840));
    }

    void twoActivationsInARow()
    {
        form->timer()->stop();
        form->Form_Activate();
        const QString first = label("LblKohaENamazit_3");
        form->Form_Activate();
        QCOMPARE(label("LblKohaENamazit_3"), first);
        QCOMPARE(label("LblQyteti"), QStringLiteral("Prishtinë"));
        QVERIFY(form->timer()->isActive());
    }

    void failingQueryGoesThroughTheGuard()
    {
        db->exec(QStringLiteral("DROP TABLE kolvira"));
        form->show();
        QCOMPARE(fatalErrors.size(), 1);
        QVERIFY(fatalErrors.first().contains(QStringLiteral("kolvira")));
    }

    void iconToggleHidesAndShowsEveryLoadedWindow()
    {
        form->show();
        QWidget other;
        LoadedWindows::mark(&other);
        other.show();
        db->exec(QStringLiteral("UPDATE Qytetet SET ESelektuar = (IDQyteti = 5)"));
        ToggleLoadedWindows(*form);
        QVERIFY(!form->isVisible());
        QVERIFY(!other.isVisible());
        QCOMPARE(label("LblQyteti"), QStringLiteral("Prishtinë")); // not yet re-read
        ToggleLoadedWindows(*form);
        QVERIFY(form->isVisible());
        QVERIFY(other.isVisible());
        QCOMPARE(label("LblQyteti"), QStringLiteral("Shkodër")); // the activation ran
        // Keyed on the main window alone: hidden main, visible other: shows all.
        form->hide();
        ToggleLoadedWindows(*form);
        QVERIFY(form->isVisible());
        QVERIFY(other.isVisible());
    }

    void closeHidesWithATrayHost()
    {
        overrideTrayHostAvailable(true);
        form->show();
        QVERIFY(!form->close());
        QVERIFY(!form->isVisible());
        QCOMPARE(endCalls, 0);
        QVERIFY(form->timer()->isActive());
    }

    void closeMinimisesWithoutATrayHost()
    {
        overrideTrayHostAvailable(false);
        form->show();
        QVERIFY(!form->close());
        QVERIFY(form->isVisible());
        QVERIFY(form->isMinimized());
        QCOMPARE(endCalls, 0);
    }

    void exitRemovesTheIconAndRunsNoCloseHandler()
    {
        overrideTrayHostAvailable(true);
        form->show();
        AddTrayIcon(*form);
        QSystemTrayIcon *icon = trayIconData().icon;
        QVERIFY(icon);
        QCOMPARE(icon->toolTip(), QStringLiteral("Kolvira"));
        QCOMPARE(icon->contextMenu(), form->mnuPopup());
        QCOMPARE(form->mnuPopup()->title(), QStringLiteral("Menuja Popup"));
        QCOMPARE(form->mnuPopup()->actions().size(), 1);
        QCOMPARE(form->mnuDalje()->text(), QStringLiteral("Dalje"));
        form->mnuDalje()->trigger();
        QCOMPARE(endCalls, 1);
        QVERIFY(!icon->isVisible());
        QVERIFY(form->isVisible()); // the close handler would have hidden it
        form->findChild<QPushButton *>("CmdDalje")->click();
        QCOMPARE(endCalls, 2);
    }

    void buttonsOpenTheirWindowsAndReactivate()
    {
        form->show();
        QStringList opened;
        form->setWindowOpeners([&] { opened << "birthday"; },
                               [&] {
                                   opened << "city";
                                   db->exec("UPDATE Qytetet SET ESelektuar = (IDQyteti = 4)");
                               },
                               [&] { opened << "about"; });
        form->findChild<QPushButton *>("CmdDitelindja")->click();
        form->findChild<QPushButton *>("cmdQyteti")->click();
        form->findChild<QPushButton *>("CmdRrethProgramit")->click();
        QCOMPARE(opened, (QStringList{"birthday", "city", "about"}));
        QCOMPARE(label("LblQyteti"), QStringLiteral("Tiranë"));
    }

    void formLoadLeavesThePlayerSilent()
    {
        QCOMPARE(player.started.size(), 1);
        QVERIFY(player.url.endsWith(QStringLiteral("Ezani në Mekke - 1.mp3")));
        QCOMPARE(player.stops, 1);
        QVERIFY(!player.playing);
    }

    void tickWritesClockAndDates()
    {
        clock.set(QDateTime(QDate(2026, 12, 6), QTime(21, 5, 5)));
        form->Timer1_Timer();
        QCOMPARE(label("LblKoha"), QStringLiteral("21:05:05"));
        QCOMPARE(label("LblDataGregoriane"), QStringLiteral("E diel, 6 Dhjetor (12), 2026"));
        QVERIFY(label("LblDataHixhri").startsWith(QStringLiteral("E diel, ")));
        // Before the first activation the design texts match no minute.
        QCOMPARE(label("LblKohaENamazit_3"), QStringLiteral("XX:XX"));
    }

    void adhanBringsTheHiddenWindowBack()
    {
        overrideTrayHostAvailable(true);
        form->show();
        form->hide();
        clock.set(QDateTime(QDate(2026, 12, 6), QTime(11, 37)));
        form->Timer1_Timer();
        QVERIFY(form->isVisible());
        QVERIFY(player.url.endsWith(QStringLiteral("Ezani në Mekke - 1.mp3")));
        QCOMPARE(player.started.size(), 2);
        QVERIFY(form->scheduler().ezaniFilloi());
    }

    void tickReloadsTimesWhenTheDayChanges()
    {
        db->addDay(
            {7,
             12,
             {"05:08:00", "05:18:00", "06:56:00", "11:38:00", "13:58:00", "16:11:00", "17:41:00"}});
        clock.set(QDateTime(QDate(2026, 12, 6), QTime(23, 59, 59)));
        form->Form_Activate();
        QCOMPARE(label("LblKohaENamazit_6"), QStringLiteral("17:07"));
        clock.set(QDateTime(QDate(2026, 12, 7), QTime(0, 0)));
        form->Timer1_Timer();
        QCOMPARE(label("LblKohaENamazit_6"), QStringLiteral("17:41"));
        QCOMPARE(label("LblDataGregoriane"), QStringLiteral("E hënë, 7 Dhjetor (12), 2026"));
    }

    void cityButtonStoresTheChoiceAndTheMainWindowFollows()
    {
        form->show();
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
            window->findChild<QPushButton *>("CmdAktivoje")->click();
        });
        form->findChild<QPushButton *>("cmdQyteti")->click();
        QVERIFY(sawModal);
        QCOMPARE(db->selectedCityIds(), QList<int>{4});
        QCOMPARE(label("LblQyteti"), QStringLiteral("Tiranë"));
        QCOMPARE(label("LblMinuta"), QStringLiteral("5"));
    }

private:
    QString label(const QString &name) const
    {
        auto *l = form->findChild<QLabel *>(name);
        return l ? l->text() : QStringLiteral("<missing %1>").arg(name);
    }

    std::unique_ptr<FixtureDatabase> db;
    CalendarConnection connection;
    FakeClock clock;
    FakeMediaPlayer player;
    std::unique_ptr<FrmMain> form;
    QStringList fatalErrors;
    int endCalls = 0;
};

QTEST_MAIN(TestFrmMain)
#include "TestFrmMain.moc"
