#include "astronomy/CalendarTable.h"
#include "astronomy/CityOffsets.h"
#include "tools/kolvira-db/CityList.h"
#include "tools/kolvira-db/KolviraDb.h"

#include <QTemporaryDir>
#include <QTest>

// How long a year's calendar takes: the sun alone, and the whole command.
class BenchGenerate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void computeAYear()
    {
        const QList<Place> cities = CityList::builtIn();
        QBENCHMARK
        {
            const SunTrack track(QDate(2027, 1, 1), QDate(2027, 12, 31));
            const CalendarTable table(2027, cities.first(), PrayerMethod{}, track);
            for (const Place &city : cities)
                CityOffset::compute(city, table, track, PrayerMethod{});
        }
    }

    void generateCommand()
    {
        QTemporaryDir dir;
        const QStringList words{QStringLiteral("generate"),
                                dir.filePath(QStringLiteral("kolvira.db")),
                                QStringLiteral("--year"), QStringLiteral("2027")};
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        QBENCHMARK
        {
            QCOMPARE(KolviraDb::run(words, outStream, errStream), 0);
        }
    }
};

QTEST_GUILESS_MAIN(BenchGenerate)
#include "BenchGenerate.moc"
