#include "data/CalendarConnection.h"
#include "prayer/CityStore.h"
#include "support/FakeClock.h"
#include "support/FakeMediaPlayer.h"
#include "support/FixtureDatabase.h"
#include "ui/ErrorGuard.h"
#include "ui/FrmMain.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

// What the main window's work costs: one tick of the clock (ten a second,
// for weeks), one activation (a reload from the database), one city store.
class BenchMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        db = std::make_unique<FixtureDatabase>();
        for (const auto &city : FixtureDatabase::standardCities())
            db->addCity(city);
        db->addWholeYear(
            {"05:00:00", "05:10:00", "06:50:00", "11:40:00", "13:55:00", "16:04:00", "17:39:00"});
        connection = std::make_unique<CalendarConnection>();
        connection->open(db->connectionText());
        ErrorGuard::setFatalHandler([](int, const QString &text) { QFAIL(qPrintable(text)); });
        form = std::make_unique<FrmMain>(*connection, clock, &player);
        form->timer()->stop();
        form->Form_Activate();
    }
    void cleanup()
    {
        form.reset();
        connection.reset();
        db.reset();
        ErrorGuard::setFatalHandler({});
    }

    void tick()
    {
        QBENCHMARK
        {
            clock.advanceMs(100);
            form->Timer1_Timer();
        }
        QVERIFY(!form->findChild<QLabel *>("LblKoha")->text().startsWith(QLatin1Char('X')));
    }

    void activation()
    {
        QBENCHMARK
        {
            form->Form_Activate();
        }
        QCOMPARE(form->findChild<QLabel *>("LblKohaENamazit_3")->text(), QStringLiteral("11:40"));
    }

    void cityStore()
    {
        CityStore store(*connection);
        int key = 1;
        QBENCHMARK
        {
            key = key % 5 + 1;
            store.store(key);
        }
        QCOMPARE(db->selectedCityIds().size(), 1);
    }

private:
    std::unique_ptr<FixtureDatabase> db;
    std::unique_ptr<CalendarConnection> connection;
    FakeClock clock{QDateTime(QDate(2026, 12, 6), QTime(9, 0))};
    FakeMediaPlayer player;
    std::unique_ptr<FrmMain> form;
};

QTEST_MAIN(BenchMainWindow)
#include "BenchMainWindow.moc"
