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
        db = std::make_unique<FixtureDatabase>(FixtureDatabase::Cities);
        db->addCity({9, QStringLiteral("Dragash' OR '1'='1"), 7, false});
        connection.open(db->connectionText());
    }
    void cleanup()
    {
        connection.close();
        db.reset();
    }

    void queryFirstValue()
    {
        const QString sql = QStringLiteral("SELECT Qyteti, Minuta FROM Qytetet WHERE IDQyteti %1");
        QCOMPARE(QueryFirstValue(sql.arg("> 3 ORDER BY IDQyteti"), connection),
                 Variant::text(QStringLiteral("Tiranë")));
        const Variant none = QueryFirstValue(sql.arg("= 99"), connection);
        QCOMPARE(none, Variant::boolean(false));
        QCOMPARE(none.toText(), QStringLiteral("False"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, QueryFirstValue("SELECT nope FROM x", connection));
    }

    // The text of each key type, and what the lookup finds with it. Quotes
    // in a key are doubled; an unknown key type runs no query at all.
    void lookupFieldValue_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("keyColumn");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("keyType");
        QTest::addColumn<bool>("useAnd");
        QTest::addColumn<QString>("resultColumn");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("result");
        const auto row = [](const char *name, const char *table, const char *keyColumn,
                            const char *key, const char *type, bool useAnd, const char *column,
                            const char *sql, const char *result) {
            QTest::newRow(name) << table << keyColumn << key << type << useAnd << column << sql
                                << result;
        };
        row("integer", "Qytetet", "IDQyteti", "4", "Integer", false, "Minuta",
            "SELECT * from Qytetet Where IDQyteti = 4", "Integer(5)");
        row("string", "Qytetet", "Qyteti", "Tiranë", "String", false, "IDQyteti",
            "SELECT * from Qytetet Where Qyteti = 'Tiranë'", "Integer(4)");
        row("and-joined", "Qytetet Where Minuta = 5", "IDQyteti", "4", "Integer", true, "Qyteti",
            "SELECT * from Qytetet Where Minuta = 5 And IDQyteti = 4", "Text(Tiranë)");
        row("no row", "Qytetet", "IDQyteti", "99", "Integer", false, "Minuta",
            "SELECT * from Qytetet Where IDQyteti = 99", "Boolean(False)");
        row("quotes doubled", "Qytetet", "Qyteti", "Dragash' OR '1'='1", "String", false, "Minuta",
            "SELECT * from Qytetet Where Qyteti = 'Dragash'' OR ''1''=''1'", "Integer(7)");
        row("injection finds nothing", "Qytetet", "Qyteti", "x' OR '1'='1", "String", false,
            "Minuta", "SELECT * from Qytetet Where Qyteti = 'x'' OR ''1''=''1'", "Boolean(False)");
        row("lower-case type", "NoSuchTable", "Qyteti", "x", "string", false, "Minuta", "",
            "Empty()");
        row("other type", "NoSuchTable", "Qyteti", "x", "Long", false, "Minuta", "", "Empty()");
        row("unknown column", "Qytetet", "IDQyteti", "1", "Integer", false, "NoSuchColumn",
            "SELECT * from Qytetet Where IDQyteti = 1", "DatabaseError");
    }
    void lookupFieldValue()
    {
        QFETCH(QString, table);
        QFETCH(QString, keyColumn);
        QFETCH(QString, key);
        QFETCH(QString, keyType);
        QFETCH(bool, useAnd);
        QFETCH(QString, resultColumn);
        const Variant keyValue = keyType == QLatin1String("Integer")
                                     ? Variant::integer(key.toLongLong())
                                     : Variant::text(key);
        QTEST(LookupSql(table, keyColumn, keyValue, keyType, useAnd), "sql");
        QString result;
        try {
            result = describe(LookupFieldValue(table, keyColumn, keyValue, keyType, resultColumn,
                                               useAnd, connection));
        } catch (const DatabaseError &) {
            result = QStringLiteral("DatabaseError");
        }
        QTEST(result, "result");
    }

    // A failing open leaves the list as it was.
    void fillList_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("kept"); // the rows of Qytetet kept
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QList<int>>("selectionEvents");
        QTest::newRow("three rows")
            << "Qytetet"
            << "IDQyteti <= 3" << QStringList{"Prishtinë 1", "Prizren 2", "Prizreni i Ri 3"}
            << QList<int>{0};
        QTest::newRow("no row") << "Qytetet"
                                << "0" << QStringList{} << QList<int>{};
        QTest::newRow("failing open") << "Nowhere"
                                      << "1" << QStringList{"stale 42"} << QList<int>{};
    }
    void fillList()
    {
        QFETCH(QString, table);
        QFETCH(QString, kept);
        FakeListControl list;
        list.entries = {{QStringLiteral("stale"), 42}};
        db->exec(QStringLiteral("DELETE FROM Qytetet WHERE NOT (%1)").arg(kept));
        try {
            FillList(table, "IDQyteti", "Qyteti", list, connection);
            QVERIFY(table == QLatin1String("Qytetet"));
        } catch (const DatabaseError &) {
            QCOMPARE(table, QStringLiteral("Nowhere"));
        }
        QStringList entries;
        for (const auto &[text, datum] : list.entries)
            entries << text + QLatin1Char(' ') + QString::number(datum);
        QTEST(entries, "entries");
        QTEST(list.selectionEvents, "selectionEvents");
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
