#include "calendar/HolyDays.h"
#include "calendar/OfficialHijriDates.h"

#include <QHash>
#include <QTest>
#include <algorithm>

// The holy days and nights against the dates Diyanet published for 2026-2035.
class TestHolyDays : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { HijriCalendar::setAdjustmentDays(0); }

    // Each published day and eve of the years 1447-1456 on its date, and the
    // Night of Regaib on the Thursday before the first Friday of Rexheb;
    // under an adjustment every date moves with the calendar.
    void publishedDates_data()
    {
        QTest::addColumn<int>("adjustment");
        QTest::newRow("as published") << 0;
        QTest::newRow("a day on") << 1;
    }
    void publishedDates()
    {
        QFETCH(int, adjustment);
        HijriCalendar::setAdjustmentDays(adjustment);
        const QHash<QString, QString> keys = {
            {"rajab_start", "rexhebi"},       {"miraj_eve_26rajab", "miraxhi"},
            {"berat_eve_14shaban", "berati"}, {"ramadan_start", "ramazani"},
            {"qadr_eve_26ramadan", "kadri"},  {"eid_al_fitr", "fitri"},
            {"eid_al_adha", "kurbani"},       {"hijri_new_year", "viti-i-ri"},
            {"ashura", "ashureja"},           {"mawlid_eve_11rabi1", "mevludi"}};
        const auto rows = readOfficialHijriDates(QStringLiteral(KOLVIRA_PUBLISHED_HIJRI_DATES));
        QCOMPARE(rows.size(), 104u);
        for (const OfficialHijriDate &row : rows) {
            const std::vector<HolyDay> year = HolyDays::ofYear(row.year);
            QVERIFY(std::ranges::is_sorted(year, {}, &HolyDay::date));
            const auto find = [&](const QString &key) {
                const auto found = std::ranges::find(year, key, &HolyDay::key);
                return found == year.end() ? nullptr : &*found;
            };
            const HolyDay *day = find(keys.value(row.event));
            QVERIFY2(day, qPrintable(row.event));
            QCOMPARE(day->date, row.gregorian.addDays(-adjustment));
            // The file gives a night's eve; the list, the day whose night it is.
            const int night = day->kind == HolyDay::Kind::Night ? 1 : 0;
            QCOMPARE(day->hijri.day, row.day + night);
            QCOMPARE(day->hijri.month, row.month);
            if (row.event == QLatin1String("rajab_start")) {
                QDate friday = row.gregorian.addDays(-adjustment);
                while (friday.dayOfWeek() != Qt::Friday)
                    friday = friday.addDays(1);
                QCOMPARE(find(QStringLiteral("regaibi"))->date, friday.addDays(-1));
            }
        }
        if (adjustment == 0)
            QCOMPARE(HolyDays::on(QDate(2026, 3, 16)).front().line(),
                     QStringLiteral("Nata e Kadrit: e hënë, 16 mars 2026, pas akshamit"));
    }
};

QTEST_GUILESS_MAIN(TestHolyDays)
#include "TestHolyDays.moc"
