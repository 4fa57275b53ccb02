#include "prayer/NoticeQueue.h"
#include "support/FakeClock.h"

#include <QTest>

// Balloons one at a time: a notice is never replaced before it could be read.
class TestNoticeQueue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneAtATime_data()
    {
        // Steps: "+A" adds notice A, a number moves the clock on by that many
        // milliseconds and wakes the queue, "seen" is the user's click.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("shown"); // in order, after the steps
        QTest::newRow("alone") << QStringList{"+A"} << "A";
        QTest::newRow("the second waits") << QStringList{"+A", "+B", "9999"} << "A";
        QTest::newRow("then comes") << QStringList{"+A", "+B", "10000"} << "AB";
        QTest::newRow("each its time") << QStringList{"+A", "+B", "+C", "10000", "9999"} << "AB";
        QTest::newRow("in order") << QStringList{"+A", "+B", "+C", "10000", "10000"} << "ABC";
        QTest::newRow("clicked: the next at once") << QStringList{"+A", "+B", "seen"} << "AB";
        QTest::newRow("read long ago") << QStringList{"+A", "10000", "+B"} << "AB";
        QTest::newRow("while one shows") << QStringList{"+A", "5000", "+B", "4999"} << "A";
    }
    void oneAtATime()
    {
        QFETCH(QStringList, steps);
        FakeClock clock(QDateTime(QDate(2026, 3, 16), QTime(12, 0)));
        QString shown;
        NoticeQueue queue(clock, [&](const NoticeQueue::Notice &n) { shown += n.text; });
        for (const QString &step : steps) {
            if (step.startsWith(QLatin1Char('+'))) {
                queue.add({step.mid(1)});
            } else if (step == QLatin1String("seen")) {
                queue.seen();
            } else {
                clock.advanceMs(step.toLongLong());
                queue.wake();
            }
        }
        QTEST(shown, "shown");
    }
};

QTEST_GUILESS_MAIN(TestNoticeQueue)
#include "TestNoticeQueue.moc"
