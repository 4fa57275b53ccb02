#include "astronomy/PlaceCalendar.h"

#include <QTest>

// What a year of one place's rows costs, as the city choice writes it (goal:
// well under 150 ms): Diyanet's held sun with its summer line, and a method
// that follows the sun through the day.
class BenchPlaceCalendar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void year_data()
    {
        QTest::addColumn<QString>("method");
        QTest::newRow("diyanet") << QStringLiteral("diyanet");
        QTest::newRow("mwl") << QStringLiteral("mwl");
    }
    void year()
    {
        QFETCH(QString, method);
        const Place konstanz{QStringLiteral("Konstanz"), 47.66, 9.18,
                             QStringLiteral("Europe/Berlin")};
        QList<PerpetualCalendar::Row> rows;
        QBENCHMARK
        {
            rows = PlaceCalendar::localRows(konstanz, {method, {}, 1}, 2026);
        }
        QCOMPARE(rows.size(), 366);
    }
};

QTEST_GUILESS_MAIN(BenchPlaceCalendar)
#include "BenchPlaceCalendar.moc"
