#include "app/FrmSplash.h"
#include "app/Main.h"
#include "data/CalendarConnection.h"
#include "support/FakeClock.h"
#include "support/FatalRecorder.h"
#include "support/FixtureDatabase.h"
#include "ui/FrmMain.h"
#include "ui/LoadedWindows.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        db = std::make_unique<FixtureDatabase>(FixtureDatabase::Cities);
        connection.open(db->connectionText());
    }
    void cleanup()
    {
        connection.close();
        db.reset();
        fatals.expectNone();
    }

    // The splash stays for two seconds of the monotonic clock while the main
    // window's timer keeps ticking, also when the wall clock passes midnight.
    void splashLastsTwoSecondsWhileTheTimerTicks_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::newRow("midday") << QDateTime(QDate(2026, 12, 6), QTime(12, 0));
        QTest::newRow("across midnight") << QDateTime(QDate(2026, 12, 6), QTime(23, 59, 59, 500));
    }
    void splashLastsTwoSecondsWhileTheTimerTicks()
    {
        QFETCH(QDateTime, start);
        FakeClock clock(start);
        FrmMain form(connection, clock);
        const qint64 begin = clock.monotonicMs();
        int ticks = 0;
        bool splashSeenEveryTick = true;
        bool mainHiddenDuringSplash = true;
        // Each tick of the main window's timer moves the fake clock 100 ms.
        form.timer()->setInterval(1);
        connect(form.timer(), &QTimer::timeout, this, [&] {
            ++ticks;
            clock.advanceMs(100);
            splashSeenEveryTick &= splashCount() == 1;
            mainHiddenDuringSplash &= !form.isVisible();
        });
        ShowSplash(form, clock,
                   [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(clock.monotonicMs() - begin >= 2000);
        QCOMPARE(ticks, 20);
        QVERIFY(splashSeenEveryTick);
        QVERIFY(mainHiddenDuringSplash);
        QCOMPARE(splashCount(), 0);
        QVERIFY(form.isVisible());
        QCOMPARE(form.findChild<QLabel *>("LblQyteti")->text(), QStringLiteral("Prishtinë"));
    }

    void splashLooksAsDesigned()
    {
        FrmSplash splash;
        QCOMPARE(splash.size(), QSize(499, 304));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(splash.windowIcon().isNull() || splash.windowIcon().availableSizes().isEmpty());
    }

private:
    static int splashCount()
    {
        int n = 0;
        for (QWidget *w : LoadedWindows::all())
            n += qobject_cast<FrmSplash *>(w) != nullptr && w->isVisible();
        return n;
    }

    std::unique_ptr<FixtureDatabase> db;
    CalendarConnection connection;
    FatalRecorder fatals;
};

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
