#include "astronomy/Qibla.h"

#include <QTest>

// The Qibla against the great circle's initial bearing and its haversine
// length (R = 6371 km), worked out apart from the program.
class TestQibla : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bearingDistanceAndText_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("bearing");
        QTest::addColumn<double>("km");
        QTest::addColumn<QString>("text");
        QTest::newRow("Prishtinë") << 42.6629 << 21.1655 << 137.85 << 2930.2
                                   << "Kibla: 137.9° (juglindje), 2 930 km deri në Qabe";
        QTest::newRow("Tiranë") << 41.3275 << 19.8187 << 133.60 << 2901.6
                                << "Kibla: 133.6° (juglindje), 2 902 km deri në Qabe";
        QTest::newRow("Zürich") << 47.3769 << 8.5417 << 124.97 << 4019.6
                                << "Kibla: 125.0° (juglindje), 4 020 km deri në Qabe";
        QTest::newRow("New York") << 40.7128 << -74.0060 << 58.48 << 10306.3
                                  << "Kibla: 58.5° (verilindje), 10 306 km deri në Qabe";
        // West of north: the bearing is counted on past 180°.
        QTest::newRow("Jakarta") << -6.2088 << 106.8456 << 295.15 << 7920.1
                                 << "Kibla: 295.2° (veriperëndim), 7 920 km deri në Qabe";
    }
    void bearingDistanceAndText()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, bearing);
        QFETCH(double, km);
        const Qibla::Direction direction = Qibla::from(latitude, longitude);
        QVERIFY2(std::abs(direction.bearing - bearing) < 0.01,
                 qPrintable(QString::number(direction.bearing)));
        QVERIFY2(std::abs(direction.distanceKm - km) < 0.1,
                 qPrintable(QString::number(direction.distanceKm)));
        QTEST(Qibla::text(direction), "text");
    }
};

QTEST_APPLESS_MAIN(TestQibla)
#include "TestQibla.moc"
