#include "calendar/CalendarNames.h"

#include <QTest>

// The clock writes the Hijri date ten times a second; this prints the cost of
// one call.
class BenchLongHijriDate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneCall()
    {
        const QString today = QStringLiteral("06/14/1975");
        QString text;
        QBENCHMARK
        {
            text = Module1::LongHijriDate(today);
        }
        QCOMPARE(text, QStringLiteral("E shtun\u00EB, 04 Xhumadeth-Thani (06), 1395"));
    }
};

QTEST_GUILESS_MAIN(BenchLongHijriDate)
#include "BenchLongHijriDate.moc"
