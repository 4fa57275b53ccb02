#include "data/CalendarConnection.h"
#include "data/DatabaseError.h"
#include "data/QueryHelpers.h"
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

    // What the lookup finds with each key type. Quotes in a key are doubled;
    // an unknown key type runs no query at all.
    void lookupFieldValue_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("keyType"); // Integer: a key of IDQyteti, else of Qyteti
        QTest::addColumn<bool>("useAnd");
        QTest::addColumn<QString>("resultColumn");
        QTest::addColumn<QString>("result");
        const auto row = [](const char *name, const char *table, const char *key, const char *type,
                            bool useAnd, const char *column, const char *result) {
            QTest::newRow(name) << table << key << type << useAnd << column << result;
        };
        row("integer", "Qytetet", "4", "Integer", false, "Minuta", "Integer(5)");
        row("string", "Qytetet", "Tiranë", "String", false, "IDQyteti", "Integer(4)");
        row("and-joined", "Qytetet Where Minuta = 5", "4", "Integer", true, "Qyteti",
            "Text(Tiranë)");
        row("no row", "Qytetet", "99", "Integer", false, "Minuta", "Boolean(False)");
        row("quotes doubled", "Qytetet", "Dragash' OR '1'='1", "String", false, "Minuta",
            "Integer(7)");
        row("injection finds nothing", "Qytetet", "x' OR '1'='1", "String", false, "Minuta",
            "Boolean(False)");
        row("lower-case type", "NoSuchTable", "x", "string", false, "Minuta", "Empty()");
        row("other type", "NoSuchTable", "x", "Long", false, "Minuta", "Empty()");
        row("unknown column", "Qytetet", "1", "Integer", false, "NoSuchColumn", "DatabaseError");
    }
    void lookupFieldValue()
    {
        QFETCH(QString, table);
        QFETCH(QString, key);
        QFETCH(QString, keyType);
        QFETCH(bool, useAnd);
        QFETCH(QString, resultColumn);
        const bool integer = keyType == QLatin1String("Integer");
        const Variant keyValue = integer ? Variant::integer(key.toLongLong()) : Variant::text(key);
        QString result;
        try {
            result = describe(LookupFieldValue(table, integer ? "IDQyteti" : "Qyteti", keyValue,
                                               keyType, resultColumn, useAnd, connection));
        } catch (const DatabaseError &) {
            result = QStringLiteral("DatabaseError");
        }
        QTEST(result, "result");
    }

private:
    std::unique_ptr<FixtureDatabase> db;
    CalendarConnection connection;
};

QTEST_GUILESS_MAIN(TestQueryHelpers)
#include "TestQueryHelpers.moc"
