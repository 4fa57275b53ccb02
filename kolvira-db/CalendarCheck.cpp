#include "kolvira-db/CalendarCheck.h"

#include "data/BfiCalendar.h"
#include "data/CalendarConnection.h"
#include "data/ConnectionText.h"
#include "data/PerpetualStore.h"
#include "data/Recordset.h"
#include "data/SelectedCity.h"
#include "data/TimeColumns.h"
#include "prayer/CityRows.h"

#include <QDate>
#include <QHash>
#include <QMap>
#include <QSqlQuery>
#include <QTime>

#include <cstdlib>

namespace {

constexpr int maxOffset = 120; // minutes
constexpr int listedAtMost = 10;

QString dayName(int day, int month)
{
    return QStringLiteral("%1.%2").arg(day).arg(month);
}

// "a, b, c" with at most ten entries, then the count.
QString listed(const QStringList &items)
{
    QString text = items.mid(0, listedAtMost).join(QStringLiteral(", "));
    if (items.size() > listedAtMost)
        text += QStringLiteral(" ... (gjithsej %1)").arg(items.size());
    return text;
}

// One dawn time serves as both Imsaku and Fexhri in some calendars; every
// other time comes after the one before it.
bool comesAfter(int minute, int previous, std::size_t column)
{
    return column == 1 ? minute >= previous : minute > previous;
}

QStringList missingColumns(CalendarConnection &connection, const QString &table,
                           const QStringList &wanted)
{
    QSqlQuery query(connection.database());
    query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table));
    QStringList present;
    while (query.next())
        present << query.value(1).toString();
    QStringList missing;
    for (const QString &column : wanted)
        if (!present.contains(column, Qt::CaseInsensitive))
            missing << column;
    return missing;
}

// The days whose times cannot be read or are out of the order of the day.
QStringList unorderedDays(const QList<PerpetualCalendar::Row> &rows)
{
    QStringList days;
    for (const PerpetualCalendar::Row &row : rows)
        for (std::size_t i = 0; i < row.times.size(); ++i)
            if (!row.times[i].isValid() ||
                (i > 0 && !comesAfter(row.times[i].msecsSinceStartOfDay(),
                                      row.times[i - 1].msecsSinceStartOfDay(), i))) {
                days << dayName(row.day, row.month);
                break;
            }
    return days;
}

class Checker
{
public:
    explicit Checker(CalendarConnection &connection) : m_connection(connection) {}

    void days()
    {
        QStringList wanted{QStringLiteral("Dita"), QStringLiteral("Muaji")};
        for (const char *column : TimeColumns::names)
            wanted << QString::fromUtf8(column);
        if (!columnsPresent(QStringLiteral("kolvira"), wanted))
            return;

        Recordset rs;
        rs.open(QStringLiteral("SELECT * FROM kolvira"), m_connection, LockType::ReadOnly);
        QMap<int, int> rowsPerDay; // by day key
        for (; !rs.eof(); rs.moveNext()) {
            const Variant day = rs.field(QStringLiteral("Dita"));
            const Variant month = rs.field(QStringLiteral("Muaji"));
            if (day.kind() != Variant::Kind::Integer || month.kind() != Variant::Kind::Integer ||
                !QDate::isValid(2000, int(month.toInteger()), int(day.toInteger()))) {
                m_result.problems << QStringLiteral("Një rresht ka ditë a muaj të pavlefshëm "
                                                    "(Dita=%1, Muaji=%2).")
                                         .arg(day.toText(), month.toText());
                continue;
            }
            const int d = int(day.toInteger()), m = int(month.toInteger());
            ++rowsPerDay[PerpetualCalendar::dayKey(d, m)];
            times(rs, dayName(d, m));
        }
        QStringList missing, repeated;
        for (QDate date(2000, 1, 1); date.year() == 2000; date = date.addDays(1)) {
            const int count = rowsPerDay.value(PerpetualCalendar::dayKey(date.day(), date.month()));
            if (count == 0)
                missing << dayName(date.day(), date.month());
            else if (count > 1)
                repeated << QStringLiteral("%1 (%2 herë)")
                                .arg(dayName(date.day(), date.month()))
                                .arg(count);
        }
        if (!missing.isEmpty())
            m_result.problems
                << QStringLiteral("Mungojnë rreshtat e ditëve: %1.").arg(listed(missing));
        if (!repeated.isEmpty())
            m_result.problems
                << QStringLiteral("Ditë me më shumë se një rresht: %1.").arg(listed(repeated));
        m_result.days = int(rowsPerDay.size());
    }

    void cities()
    {
        if (!columnsPresent(QStringLiteral("Qytetet"),
                            {QStringLiteral("IDQyteti"), QStringLiteral("Qyteti"),
                             QStringLiteral("Minuta"), QStringLiteral("ESelektuar")}))
            return;
        Recordset rs;
        rs.open(QStringLiteral("SELECT * FROM Qytetet"), m_connection, LockType::ReadOnly);
        QHash<QString, int> names;
        for (; !rs.eof(); rs.moveNext()) {
            ++m_result.cities;
            const QString name = rs.field(QStringLiteral("Qyteti")).toText();
            if (++names[name.normalized(QString::NormalizationForm_C)] == 2)
                m_result.problems << QStringLiteral("Qyteti \"%1\" përsëritet.").arg(name);
            const Variant minutes = rs.field(QStringLiteral("Minuta"));
            if (minutes.kind() != Variant::Kind::Integer)
                m_result.problems << QStringLiteral("Minutat e qytetit \"%1\" nuk janë numër i "
                                                    "plotë: \"%2\".")
                                         .arg(name, minutes.toText());
            else if (std::abs(minutes.toInteger()) > maxOffset)
                m_result.problems << QStringLiteral("Qyteti \"%1\" ka %2 minuta, më shumë se "
                                                    "dy orë.")
                                         .arg(name)
                                         .arg(minutes.toInteger());
        }
        selection();
    }

    // The perpetual calendar, when the file has its tables: whole, each day's
    // times readable and in order, and kolvira's rows those of its year.
    void perpetual()
    {
        const QSqlDatabase db = m_connection.database();
        if (!db.tables().contains(QStringLiteral("Kalendari")))
            return;
        if (!PerpetualStore::present(db)) {
            m_result.problems << QStringLiteral("Kalendari i përhershëm nuk është i plotë: "
                                                "pritet një rresht në Kalendari dhe 366 ditë "
                                                "në KoheratStandarde.");
            return;
        }
        const PerpetualCalendar calendar = PerpetualStore::read(db);
        const int year = PerpetualStore::yearOfRows(db);
        const CityRows selected = CityRows::ofSelected(db);
        if (PerpetualStore::rowsKey(db) != selected.key())
            m_result.problems << QStringLiteral("Rreshtat e kolvira janë të \"%1\", jo të qytetit "
                                                "të zgjedhur (\"%2\").")
                                     .arg(PerpetualStore::rowsKey(db), selected.key());
        if (const QStringList unreadable = unorderedDays(calendar.rows); !unreadable.isEmpty())
            m_result.problems << QStringLiteral("Kalendari i përhershëm ka kohë që nuk lexohen "
                                                "ose nuk janë me radhë: %1.")
                                     .arg(listed(unreadable));
        // The selected town's rows cannot be checked against a table that is not whole.
        if (!bfiTable(db))
            return;
        QStringList differing;
        QHash<int, std::array<QTime, 7>> local;
        for (const PerpetualCalendar::Row &row : selected.localRows(db, year))
            local.insert(PerpetualCalendar::dayKey(row.day, row.month), row.times);
        QSqlQuery rows(db);
        rows.exec(QStringLiteral("SELECT * FROM kolvira"));
        while (rows.next()) {
            const int day = rows.value(QStringLiteral("Dita")).toInt();
            const int month = rows.value(QStringLiteral("Muaji")).toInt();
            const auto wanted = local.value(PerpetualCalendar::dayKey(day, month));
            for (std::size_t i = 0; i < wanted.size(); ++i) {
                const QTime stored = TimeColumns::fromStored(
                    rows.value(QString::fromUtf8(TimeColumns::names[i])).toString());
                if (stored != wanted[i]) {
                    differing << dayName(day, month);
                    break;
                }
            }
        }
        if (!differing.isEmpty())
            m_result.problems << QStringLiteral("Rreshtat e kolvira nuk janë ata të vitit %1 "
                                                "sipas %2: %3.")
                                     .arg(year)
                                     .arg(selected.ownTimes()
                                              ? QStringLiteral("kalendarit të qytetit")
                                              : QStringLiteral("kalendarit të përhershëm"),
                                          listed(differing));
    }

    CalendarCheck::Result result() const { return m_result; }

private:
    // North Macedonia's table, when a town keeps it: whole, each day's times
    // readable and in order.
    bool bfiTable(const QSqlDatabase &db)
    {
        QSqlQuery towns(db);
        if (!towns.exec(QStringLiteral("SELECT count(*) FROM KalendariQytetit WHERE "
                                       "Kalendari = '%1'")
                            .arg(QLatin1String(BfiCalendar::name))) ||
            !towns.next() || towns.value(0).toInt() == 0)
            return true;
        if (!BfiCalendar::present(db)) {
            m_result.problems << QStringLiteral("Tabela e BFI (%1) nuk është e plotë: pritet "
                                                "një rresht për secilën nga 366 ditët.")
                                     .arg(QLatin1String(BfiCalendar::table));
            return false;
        }
        if (const QStringList unordered = unorderedDays(BfiCalendar::read(db).rows);
            !unordered.isEmpty())
            m_result.problems << QStringLiteral("Tabela e BFI ka kohë që nuk lexohen ose nuk "
                                                "janë me radhë: %1.")
                                     .arg(listed(unordered));
        return true;
    }

    bool columnsPresent(const QString &table, const QStringList &wanted)
    {
        const QStringList missing = missingColumns(m_connection, table, wanted);
        if (!missing.isEmpty())
            m_result.problems << QStringLiteral("Tabelës %1 i mungojnë kolonat: %2.")
                                     .arg(table, missing.join(QStringLiteral(", ")));
        return missing.isEmpty();
    }

    void times(const Recordset &rs, const QString &day)
    {
        int previous = -1;
        QString previousText;
        for (std::size_t i = 0; i < TimeColumns::names.size(); ++i) {
            const QString name = QString::fromUtf8(TimeColumns::names[i]);
            const Variant value = rs.field(name);
            if (value.kind() != Variant::Kind::Time) {
                m_result.problems << QStringLiteral("Dita %1: koha e %2 \"%3\" nuk lexohet.")
                                         .arg(day, name, value.toText());
                return;
            }
            // Only hours and minutes are shown and compared with the clock.
            const QTime t = value.toTime();
            const int minute = t.hour() * 60 + t.minute();
            if (!comesAfter(minute, previous, i)) {
                m_result.problems << QStringLiteral("Dita %1: %2 (%3) nuk vjen pas %4.")
                                         .arg(day, name, t.toString(QStringLiteral("HH:mm")),
                                              previousText);
                return;
            }
            previous = minute;
            previousText = QStringLiteral("%1 (%2)").arg(name, t.toString(QStringLiteral("HH:mm")));
        }
    }

    void selection()
    {
        const QStringList selected = SelectedCity::flaggedNames(m_connection.database());
        if (selected.isEmpty())
            m_result.problems << QStringLiteral("Asnjë qytet nuk është i zgjedhur (ESelektuar).");
        else if (selected.size() > 1)
            m_result.problems << QStringLiteral("Janë zgjedhur %1 qytete në vend të një: %2.")
                                     .arg(selected.size())
                                     .arg(listed(selected));
    }

    CalendarConnection &m_connection;
    CalendarCheck::Result m_result;
};

} // namespace

CalendarCheck::Result CalendarCheck::run(const QString &path)
{
    CalendarConnection connection;
    connection.open(ConnectionText::forFile(path));
    Checker checker(connection);
    checker.days();
    checker.cities();
    checker.perpetual();
    return checker.result();
}
