#include "data/WorldPlaces.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

// The process's resident memory in KiB, as the kernel counts it.
static qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    for (const QByteArray &line :
         status.open(QIODevice::ReadOnly) ? status.readAll().split('\n') : QList<QByteArray>{})
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// What finding a place costs: loading the world's places once when the
// search window opens, the memory they hold, and a search per keystroke
// (goal: under 50 ms) while a name is typed.
class BenchPlaceSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadAndType()
    {
        const qint64 before = residentKiB();
        QElapsedTimer timer;
        timer.start();
        const WorldPlaces world = WorldPlaces::load();
        qInfo("load: %lld ms, %lld places, resident memory +%lld MiB (%lld MiB in all)",
              timer.elapsed(), qint64(world.size()), (residentKiB() - before) / 1024,
              residentKiB() / 1024);
        for (const QString &name :
             {QStringLiteral("Cyrih"), QStringLiteral("Nju Jork"), QStringLiteral("a")}) {
            qint64 slowest = 0;
            for (qsizetype length = 1; length <= name.size(); ++length) {
                timer.restart();
                const QList<WorldPlace> hits = world.search(name.left(length));
                slowest = std::max(slowest, timer.nsecsElapsed());
                QVERIFY(!hits.isEmpty());
            }
            qInfo("typing \"%s\": slowest keystroke %.1f ms", qPrintable(name), slowest / 1e6);
        }
    }
};

QTEST_GUILESS_MAIN(BenchPlaceSearch)
#include "BenchPlaceSearch.moc"
