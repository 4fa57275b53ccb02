#include "prayer/CityStore.h"
#include "support/MainWindowFixture.h"

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
        f = std::make_unique<MainWindowFixture>(FixtureDatabase::Cities);
        f->db.addWholeYear(
            {"05:00:00", "05:10:00", "06:50:00", "11:40:00", "13:55:00", "16:04:00", "17:39:00"});
        f->form->timer()->stop();
        f->form->Form_Activate();
    }
    void cleanup()
    {
        f->fatals.expectNone();
        f.reset();
    }

    void tick()
    {
        QBENCHMARK
        {
            f->clock.advanceMs(100);
            f->form->Timer1_Timer();
        }
        QVERIFY(!f->label("LblKoha").startsWith(QLatin1Char('X')));
    }

    void activation()
    {
        QBENCHMARK
        {
            f->form->Form_Activate();
        }
        QCOMPARE(f->label("LblKohaENamazit_3"), QStringLiteral("11:40"));
    }

    void cityStore()
    {
        CityStore store(f->connection);
        int key = 1;
        QBENCHMARK
        {
            key = key % 5 + 1;
            store.store(key);
        }
        QCOMPARE(f->db.selectedCityIds().size(), 1);
    }

private:
    std::unique_ptr<MainWindowFixture> f;
};

QTEST_MAIN(BenchMainWindow)
#include "BenchMainWindow.moc"
