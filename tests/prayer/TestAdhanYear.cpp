#include "data/CalendarConnection.h"
#include "prayer/AdhanScheduler.h"
#include "support/FakeMediaPlayer.h"
#include "support/FixtureDatabase.h"

#include <QElapsedTimer>
#include <QMap>
#include <QTest>
#include <QTimeZone>

// A whole leap year of the scheduler, one tick for every second of the wall
// clock of Prishtinë (Europe/Belgrade), both daylight-saving changes
// included, against a table in a real database file.
class TestAdhanYear : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyAdhanOnceADay()
    {
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
        const QString offset = QStringLiteral("5");
        const QTimeZone zone("Europe/Belgrade");
        QVERIFY(zone.isValid());
        const QDateTime begin(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
        const QDateTime end(QDate(2025, 1, 1), QTime(0, 0), Qt::UTC);

        // The activation at the start of the run.
        const QDateTime firstWall(QDate(2024, 1, 1), QTime(1, 0), Qt::UTC);
        scheduler.setOffsetText(offset);
        const QDate firstDay = scheduler.dayInEffect(firstWall);
        scheduler.setTimes(firstDay, DayTimes::load(firstDay, connection));

        QMap<QPair<QDate, int>, int> starts; // (wall date, time index) -> count
        QMap<QDate, QTime> dhuhriStarts;
        qint64 playingUntil = -1;
        QElapsedTimer timer;
        timer.start();
        const QList<QTimeZone::OffsetData> changes = zone.transitions(begin, end);
        QCOMPARE(changes.size(), 2);
        qint64 utc = begin.toSecsSinceEpoch() + 3600;
        const qint64 last = end.toSecsSinceEpoch();
        int ticks = 0;
        for (; utc < last; ++utc, ++ticks) {
            int offsetSecs = 3600;
            for (const auto &change : changes)
                if (utc >= change.atUtc.toSecsSinceEpoch())
                    offsetSecs = change.offsetFromUtc;
            // The wall clock as the program's clock reports it.
            const QDateTime wall = QDateTime::fromSecsSinceEpoch(utc + offsetSecs, Qt::UTC);
            if (utc == playingUntil)
                player.playing = false;
            const AdhanScheduler::Tick tick = scheduler.tick(wall);
            if (tick.start != AdhanScheduler::Start::None) {
                ++starts[{wall.date(), tick.prayerIndex}];
                if (tick.prayerIndex == 3)
                    dhuhriStarts[wall.date()] = wall.time();
                playingUntil = utc + 150; // a recording of two and a half minutes
            }
        }
        qInfo("%d ticks in %lld ms; %lld adhans started", ticks, timer.elapsed(),
              qlonglong(starts.size()));

        // Each day of 2024 has Fexhri, Dhuhri, Asri, Magribi at their shifted
        // minutes; Isha at 23:58 + 5 sounds at 00:03 of the next day, against
        // the previous day's time.
        int total = 0;
        for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1)) {
            for (int index : {1, 3, 4, 5})
                QCOMPARE(starts.value({d, index}), 1);
            QCOMPARE(dhuhriStarts.value(d), dhuhriOf(d).addSecs(5 * 60)); // its own day's time
            // Isha of the day before, at 00:03; the run starts at 01:00 on 1 January.
            if (d != QDate(2024, 1, 1))
                QCOMPARE(starts.value({d, 6}), 1);
        }
        QCOMPARE(starts.value({QDate(2025, 1, 1), 6}), 1); // the run ends at 01:00 local
        for (int count : starts)
            total += count;
        QCOMPARE(total, 366 * 5);
        QCOMPARE(player.started.count(QStringLiteral("dawn")), 366);
    }
};

QTEST_GUILESS_MAIN(TestAdhanYear)
#include "TestAdhanYear.moc"
