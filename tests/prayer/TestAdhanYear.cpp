#include "calendar/ClockTimer.h"
#include "data/CalendarConnection.h"
#include "prayer/AdhanScheduler.h"
#include "support/FakeClock.h"
#include "support/FakeMediaPlayer.h"
#include "support/FixtureDatabase.h"

#include <QElapsedTimer>
#include <QMap>
#include <QTest>
#include <QTimeZone>

// A whole leap year of the scheduler woken by its timer while the window is
// hidden, on a fake clock of Prishtinë (Europe/Belgrade), both
// daylight-saving changes included, against a table in a real database file:
// with a clock that keeps its time, and with one that is set forward and back
// every day and a timer that sometimes fires late.
class TestAdhanYear : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyAdhanOnceADay_data()
    {
        QTest::addColumn<bool>("jumps");
        QTest::newRow("steady clock") << false;
        QTest::newRow("clock set forward and back") << true;
    }
    void everyAdhanOnceADay()
    {
        QFETCH(bool, jumps);
        // Dhuhri moves from day to day, so yesterday's times kept past
        // midnight would sound it at the wrong minute.
        const auto dhuhriOf = [](const QDate &d) { return QTime(12, d.dayOfYear() % 50); };
        FixtureDatabase db;
        db.addWholeYear([&](const QDate &d) -> std::array<QString, 7> {
            return {"04:20:00", "04:30:00", "06:00:00", dhuhriOf(d).toString("HH:mm:ss"),
                    "15:30:00", "18:00:00", "23:58:00"};
        });
        CalendarConnection connection;
        connection.open(db.connectionText());
        FakeMediaPlayer player;
        AdhanScheduler scheduler(player, "dawn", "daily",
                                 [&](const QDate &day) { return DayTimes::load(day, connection); });
        const QTimeZone zone("Europe/Belgrade");
        QVERIFY(zone.isValid());
        FakeClock clock(QDateTime(QDate(2024, 1, 1), QTime(1, 0), zone));
        const QDateTime end(QDate(2025, 1, 1), QTime(1, 0), zone);

        // The activation at the start of the run.
        scheduler.setOffsetText(QStringLiteral("5"));
        const QDate firstDay = scheduler.dayInEffect(clock.now());
        scheduler.setTimes(firstDay, DayTimes::load(firstDay, connection));

        QMap<QPair<QDate, int>, int> starts; // (wall date, time index) -> count
        QMap<QPair<QDate, int>, QTime> startMinutes;
        qint64 playingUntil = -1; // on the monotonic clock
        qint64 wakes = 0;
        ClockTimer timer(
            clock, [&](const QDateTime &now) { return scheduler.nextEvent(now); },
            [&] {
                ++wakes;
                if (clock.monotonicMs() >= playingUntil)
                    player.playing = false;
                const QDateTime now = clock.now();
                const AdhanScheduler::Tick tick = scheduler.tick(now);
                if (tick.start == AdhanScheduler::Start::None)
                    return;
                ++starts[{now.date(), tick.prayerIndex}];
                startMinutes[{now.date(), tick.prayerIndex}] =
                    QTime(now.time().hour(), now.time().minute());
                playingUntil = clock.monotonicMs() + 150'000; // two and a half minutes
            });
        timer.start();

        // Each day the clock is set while the timer waits: forward over no
        // adhan, back over Asri, forward into Magribi's minute and back within
        // it, a night's sleep; every seventh day forward over Fexhri.
        const QList<QPair<QTime, QTime>> dailyJumps = {
            {QTime(4, 0), QTime(5, 0)},       {QTime(10, 0), QTime(11, 0)},
            {QTime(16, 0), QTime(15, 20)},    {QTime(17, 0), QTime(18, 5, 30)},
            {QTime(18, 6), QTime(18, 5, 10)}, {QTime(20, 0), QTime(23, 0)},
        };
        const auto skipsFexhri = [&](const QDate &d) { return jumps && d.dayOfYear() % 7 == 0; };
        QList<QPair<QDateTime, QDateTime>> jumpsLeft; // today's, each once
        QDate jumpDay;
        constexpr qint64 lateMs = 45'000;
        QElapsedTimer elapsed;
        elapsed.start();
        while (clock.now() < end) {
            const QDateTime now = clock.now();
            if (jumps && now.date() != jumpDay) {
                jumpDay = now.date();
                jumpsLeft.clear();
                for (const auto &[from, to] : dailyJumps.mid(skipsFexhri(jumpDay) ? 0 : 1))
                    jumpsLeft << qMakePair(QDateTime(jumpDay, from, zone),
                                           QDateTime(jumpDay, to, zone));
            }
            qint64 wait = timer.plannedWaitMs();
            // Near a jump the timer is on time, so as not to step over it.
            bool jumpNear = false;
            if (!jumpsLeft.isEmpty() && now.msecsTo(jumpsLeft.first().first) <= wait + lateMs) {
                jumpNear = true;
                const qint64 until = now.msecsTo(jumpsLeft.first().first);
                if (until <= wait) {
                    wait -= until; // the timer counts on
                    clock.current = jumpsLeft.takeFirst().second;
                }
            }
            // Now and then the timer fires late, up to most of a minute.
            clock.advanceMs(wait + (jumps && !jumpNear && wakes % 101 == 0 ? lateMs : 0));
            timer.fire();
        }
        qInfo("%lld wake-ups in %lld ms; %lld adhans started", wakes, elapsed.elapsed(),
              qlonglong(starts.size()));

        // Each day has Fexhri, Dhuhri, Asri, Magribi at their shifted
        // minutes; Isha at 23:58 + 5 sounds at 00:03 of the next day, against
        // the previous day's time.
        int total = 0;
        for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1)) {
            QCOMPARE(starts.value({d, 1}), skipsFexhri(d) ? 0 : 1);
            for (int index : {3, 4, 5})
                QCOMPARE(starts.value({d, index}), 1);
            QCOMPARE(startMinutes.value({d, 3}), dhuhriOf(d).addSecs(5 * 60)); // its own day's time
            QCOMPARE(startMinutes.value({d, 5}), QTime(18, 5));
            // Isha of the day before, at 00:03; the run starts at 01:00 on 1 January.
            if (d != QDate(2024, 1, 1))
                QCOMPARE(startMinutes.value({d, 6}), QTime(0, 3));
        }
        QCOMPARE(starts.value({QDate(2025, 1, 1), 6}), 1); // the run ends at 01:00 local
        for (int count : starts)
            total += count;
        const int skipped = jumps ? 366 / 7 : 0;
        QCOMPARE(total, 366 * 5 - skipped);
        QCOMPARE(player.started.count(QStringLiteral("dawn")), 366 - skipped);
        if (!jumps) // each adhan got ready in the minute before
            QCOMPARE(player.prepared.size(), total);
        // It wakes at most every longest wait, and for the events.
        QVERIFY(wakes <= 367 * 86'400 / (ClockTimer::longestWaitMs / 1000) + 366 * 20);
    }
};

QTEST_GUILESS_MAIN(TestAdhanYear)
#include "TestAdhanYear.moc"
