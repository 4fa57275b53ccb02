#include "calendar/ClockTimer.h"
#include "data/ConnectionText.h"
#include "prayer/CityStore.h"
#include "prayer/QtMediaPlayer.h"
#include "prayer/Recordings.h"
#include "support/MainWindowFixture.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

// What the main window's work costs: one tick of the clock (each second
// while it shows), choosing a city that keeps its own calendar (its year
// computed and written), and how long the window holds still when an adhan
// comes.
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
            f->clock.advanceMs(1000);
            f->form->Timer1_Timer();
        }
        QVERIFY(!f->label("LblKoha").startsWith(QLatin1Char('X')));
    }

    // Choosing a city of its own calendar, or a place of the world added
    // and chosen, writes its year in the same transaction.
    void chooseCityWithItsOwnCalendar_data()
    {
        QTest::addColumn<QString>("place");
        QTest::newRow("Tiranë") << "Tiranë";
        QTest::newRow("Oslo, added") << "Oslo";
    }
    void chooseCityWithItsOwnCalendar()
    {
        QFETCH(QString, place);
        const QString file = f->db.filePath() + QStringLiteral(".") + place;
        QVERIFY(QFile::copy(KOLVIRA_DEFAULT_DATABASE, file));
        CalendarConnection connection;
        connection.open(ConnectionText::forFile(file));
        CityStore store(connection);
        QList<qint64> took;
        for (int round = 0; round < 9; ++round) {
            QElapsedTimer timer;
            timer.start();
            if (place == QLatin1String("Tiranë"))
                store.store(29);
            else
                store.addPlace(place, {59.9127, 10.7461, "Europe/Oslo", "NO", "diyanet", {}, 1});
            took << timer.elapsed();
            store.store(1);
        }
        std::sort(took.begin(), took.end());
        qInfo("choosing %s: median %lld ms, longest %lld ms", qPrintable(place), took[4],
              took.last());
    }

    // The longest the event loop holds still from the window coming forward
    // for an adhan to its recording playing: a pipeline built at the adhan,
    // or one got ready in the minute before.
    void adhanStall_data()
    {
        QTest::addColumn<bool>("prepared");
        QTest::newRow("built at the adhan") << false;
        QTest::newRow("prepared the minute before") << true;
    }
    void adhanStall()
    {
        QFETCH(bool, prepared);
        const QString tone = qEnvironmentVariable("KOLVIRA_TONE");
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER") || tone.isEmpty())
            QSKIP("needs a sound server and a tone of its own: run as BenchAdhanStall");
        const QString recording = Recordings::daily();
        QFile::remove(recording);
        QVERIFY(QFile::copy(tone, recording));
        FrmMain form(f->connection, f->clock); // with the real player
        form.Form_Activate();
        auto *player = form.findChild<QtMediaPlayer *>();
        QVERIFY(player);
        QEventLoop loop;
        if (prepared) {
            f->clock.set(QDateTime(QDate(2026, 12, 6), QTime(11, 39)));
            form.timer()->fire();
            QTimer::singleShot(2000, &loop, &QEventLoop::quit);
            loop.exec();
        }
        f->clock.set(QDateTime(QDate(2026, 12, 6), QTime(11, 40)));
        qint64 longest = 0;
        QElapsedTimer sinceBeat, sinceAdhan;
        QTimer beat;
        beat.setTimerType(Qt::PreciseTimer);
        connect(&beat, &QTimer::timeout, this,
                [&] { longest = std::max(longest, sinceBeat.restart()); });
        connect(player, &QtMediaPlayer::positionChanged, &loop, [&](qint64 ms) {
            if (ms > 0)
                loop.quit();
        });
        QTimer::singleShot(0, &form, [&] {
            sinceAdhan.start();
            form.timer()->fire();
        });
        QTimer::singleShot(10'000, &loop, &QEventLoop::quit);
        beat.start(1);
        sinceBeat.start();
        loop.exec();
        const qint64 heardAfter = sinceAdhan.elapsed();
        QFile::remove(recording);
        QVERIFY(form.isVisible());
        QCOMPARE(player->playState(), MediaPlayer::playing);
        qInfo("longest stall of the event loop: %lld ms; playing after %lld ms", longest,
              heardAfter);
    }

private:
    std::unique_ptr<MainWindowFixture> f;
};

QTEST_MAIN(BenchMainWindow)
#include "BenchMainWindow.moc"
