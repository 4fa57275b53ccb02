#include "data/CalendarConnection.h"
#include "data/DatabaseError.h"
#include "data/QueryHelpers.h"
#include "support/FakeListControl.h"
#include "support/FixtureDatabase.h"
#include "support/VariantPrinting.h"

#include <QTest>

using namespace Module1;

class TestQueryHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        db = std::make_unique<FixtureDatabase>();
        for (const auto &city : FixtureDatabase::standardCities())
            db->addCity(city);
        connection.open(db->connectionText());
    }
    void cleanup()
    {
        connection.close();
        db.reset();
    }

    void queryFirstValueTakesFirstColumnOfFirstRow()
    {
        const Variant v = QueryFirstValue(
            QStringLiteral("SELECT Qyteti, Minuta FROM Qytetet ORDER BY IDQyteti DESC"),
            connection);
        QCOMPARE(v.kind(), Variant::Kind::Text);
        QCOMPARE(v.toText(), QStringLiteral("Shkodër"));
    }

    void queryFirstValueWithoutRowIsFalse()
    {
        const Variant v = QueryFirstValue(
            QStringLiteral("SELECT Qyteti FROM Qytetet WHERE IDQyteti = 99"), connection);
        QCOMPARE(v, Variant::boolean(false));
        QCOMPARE(v.toText(), QStringLiteral("False"));
    }

    void queryFirstValueRaisesOnBadSql()
    {
        QVERIFY_THROWS_EXCEPTION(
            DatabaseError, QueryFirstValue(QStringLiteral("SELECT nope FROM Nowhere"), connection));
    }

    void lookupSqlTexts_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("keyColumn");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("keyType");
        QTest::addColumn<bool>("useAnd");
        QTest::addColumn<QString>("sql");
        QTest::newRow("integer") << "Qytetet"
                                 << "IDQyteti"
                                 << "7"
                                 << "Integer" << false
                                 << "SELECT * from Qytetet Where IDQyteti = 7";
        QTest::newRow("string") << "Qytetet"
                                << "Qyteti"
                                << "Tiranë"
                                << "String" << false
                                << "SELECT * from Qytetet Where Qyteti = 'Tiranë'";
        QTest::newRow("and-joined")
            << "Qytetet Where Minuta = 0"
            << "IDQyteti"
            << "7"
            << "Integer" << true << "SELECT * from Qytetet Where Minuta = 0 And IDQyteti = 7";
        QTest::newRow("quote doubled")
            << "Qytetet"
            << "Qyteti"
            << "D'Ali"
            << "String" << false << "SELECT * from Qytetet Where Qyteti = 'D''Ali'";
        QTest::newRow("lower-case type") << "Qytetet"
                                         << "Qyteti"
                                         << "x"
                                         << "string" << false << "";
        QTest::newRow("other type") << "Qytetet"
                                    << "Qyteti"
                                    << "x"
                                    << "Long" << false << "";
    }
    void lookupSqlTexts()
    {
        QFETCH(QString, table);
        QFETCH(QString, keyColumn);
        QFETCH(QString, key);
        QFETCH(QString, keyType);
        QFETCH(bool, useAnd);
        QFETCH(QString, sql);
        const Variant keyValue = keyType == QLatin1String("Integer")
                                     ? Variant::integer(key.toLongLong())
                                     : Variant::text(key);
        QCOMPARE(LookupSql(table, keyColumn, keyValue, keyType, useAnd), sql);
    }

    void lookupFieldValueResults()
    {
        QCOMPARE(LookupFieldValue("Qytetet", "IDQyteti", Variant::integer(4), "Integer", "Minuta",
                                  false, connection),
                 Variant::integer(5));
        QCOMPARE(LookupFieldValue("Qytetet", "Qyteti", Variant::text("Tiranë"), "String",
                                  "IDQyteti", false, connection),
                 Variant::integer(4));
        QCOMPARE(LookupFieldValue("Qytetet Where Minuta = 5", "IDQyteti", Variant::integer(4),
                                  "Integer", "Qyteti", true, connection),
                 Variant::text("Tiranë"));
        // No row: False. Unknown key type: empty, and no query at all (a bad
        // table name would otherwise fail).
        QCOMPARE(LookupFieldValue("Qytetet", "IDQyteti", Variant::integer(99), "Integer", "Minuta",
                                  false, connection),
                 Variant::boolean(false));
        QVERIFY(LookupFieldValue("NoSuchTable", "IDQyteti", Variant::integer(1), "string", "Minuta",
                                 false, connection)
                    .isEmpty());
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 LookupFieldValue("Qytetet", "IDQyteti", Variant::integer(1),
                                                  "Integer", "NoSuchColumn", false, connection));
    }

    void lookupWithQuoteInKeyIsSafe()
    {
        db->addCity({9, QStringLiteral("Dragash' OR '1'='1"), 7, false});
        QCOMPARE(LookupFieldValue("Qytetet", "Qyteti", Variant::text("Dragash' OR '1'='1"),
                                  "String", "Minuta", false, connection),
                 Variant::integer(7));
        // An injection attempt finds nothing instead of every row.
        QCOMPARE(LookupFieldValue("Qytetet", "Qyteti", Variant::text("x' OR '1'='1"), "String",
                                  "Minuta", false, connection),
                 Variant::boolean(false));
    }

    void fillListWithRows()
    {
        FakeListControl list;
        list.entries = {{QStringLiteral("stale"), 42}};
        db->exec(QStringLiteral("DELETE FROM Qytetet WHERE IDQyteti > 3"));
        FillList("Qytetet", "IDQyteti", "Qyteti", list, connection);
        QCOMPARE(list.listCount(), 3);
        QCOMPARE(list.itemText(0), QStringLiteral("Prishtinë"));
        QCOMPARE(list.itemData(0), 1);
        QCOMPARE(list.itemData(1), 2);
        QCOMPARE(list.itemData(2), 3);
        QCOMPARE(list.selectionEvents, QList<int>{0});
    }

    void fillListEmptyTable()
    {
        FakeListControl list;
        list.entries = {{QStringLiteral("stale"), 42}};
        db->exec(QStringLiteral("DELETE FROM Qytetet"));
        FillList("Qytetet", "IDQyteti", "Qyteti", list, connection);
        QCOMPARE(list.listCount(), 0);
        QCOMPARE(list.listIndex(), -1);
        QVERIFY(list.selectionEvents.isEmpty());
    }

    void fillListFailingOpenLeavesList()
    {
        FakeListControl list;
        list.entries = {{QStringLiteral("kept"), 42}};
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 FillList("Nowhere", "IDQyteti", "Qyteti", list, connection));
        QCOMPARE(list.listCount(), 1);
    }

    void comboSelectText_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        const QStringList prizren{"Prizren", "Prizreni i Ri"};
        QTest::newRow("later prefix beats exact first") << prizren << "Prizren" << 1;
        QTest::newRow("first examined last") << QStringList{"Prizren", "Tiranë"} << "Prizren" << 0;
        QTest::newRow("ignores case")
            << QStringList{"Tiranë", "Prishtinë", "PRIZREN"} << "pri" << 1;
        QTest::newRow("upper-case caption") << QStringList{"Tiranë", "Shkodër"} << "SHKO" << 1;
        QTest::newRow("no match") << prizren << "Ferizaj" << -1;
        QTest::newRow("False caption") << prizren << "False" << -1;
        QTest::newRow("single entry") << QStringList{"Pejë"} << "pej" << 0;
        QTest::newRow("empty list") << QStringList{} << "Pejë" << -1;
    }
    void comboSelectText()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, text);
        QFETCH(int, expected);
        FakeListControl combo;
        for (const QString &e : entries)
            combo.addItem(e);
        ComboSelectText(combo, text);
        QCOMPARE(combo.listIndex(), expected);
        QCOMPARE(combo.selectionEvents, QList<int>{expected});
    }

private:
    std::unique_ptr<FixtureDatabase> db;
    CalendarConnection connection;
};

QTEST_GUILESS_MAIN(TestQueryHelpers)
#include "TestQueryHelpers.moc"
