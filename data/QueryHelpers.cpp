#include "data/QueryHelpers.h"

#include "data/CalendarConnection.h"
#include "data/ListControl.h"
#include "data/Recordset.h"

namespace Module1 {

Variant QueryFirstValue(const QString &sql)
{
    return QueryFirstValue(sql, CalendarConnection::shared());
}

Variant QueryFirstValue(const QString &sql, CalendarConnection &connection)
{
    Recordset rs;
    rs.open(sql, connection, LockType::ReadOnly);
    const Variant result = rs.eof() ? Variant::boolean(false) : rs.field(0);
    rs.close();
    return result;
}

QString LookupSql(const QString &table, const QString &keyColumn, const Variant &keyValue,
                  const QString &keyType, bool useAnd)
{
    const QString join = useAnd ? QStringLiteral(" And ") : QStringLiteral(" Where ");
    const QString head = QStringLiteral("SELECT * from ") + table + join + keyColumn;
    if (keyType == QLatin1String("String")) {
        QString key = keyValue.toText();
        key.replace(QLatin1Char('\''), QLatin1String("''"));
        return head + QStringLiteral(" = '") + key + QLatin1Char('\'');
    }
    if (keyType == QLatin1String("Integer"))
        return head + QStringLiteral(" = ") + QString::number(keyValue.toInteger());
    return {};
}

Variant LookupFieldValue(const QString &table, const QString &keyColumn, const Variant &keyValue,
                         const QString &keyType, const QString &resultColumn, bool useAnd)
{
    return LookupFieldValue(table, keyColumn, keyValue, keyType, resultColumn, useAnd,
                            CalendarConnection::shared());
}

Variant LookupFieldValue(const QString &table, const QString &keyColumn, const Variant &keyValue,
                         const QString &keyType, const QString &resultColumn, bool useAnd,
                         CalendarConnection &connection)
{
    const QString sql = LookupSql(table, keyColumn, keyValue, keyType, useAnd);
    if (sql.isEmpty())
        return Variant();
    Recordset rs;
    rs.open(sql, connection, LockType::ReadOnly);
    const Variant result = rs.eof() ? Variant::boolean(false) : rs.field(resultColumn);
    rs.close();
    return result;
}

void FillList(const QString &table, const QString &idColumn, const QString &displayColumn,
              ListControl &list)
{
    FillList(table, idColumn, displayColumn, list, CalendarConnection::shared());
}

void FillList(const QString &table, const QString &idColumn, const QString &displayColumn,
              ListControl &list, CalendarConnection &connection)
{
    Recordset rs;
    rs.open(QStringLiteral("SELECT * from ") + table, connection);
    int counter = 0;
    list.clear();
    while (!rs.eof()) {
        list.addItem(rs.field(displayColumn).toText());
        list.setItemData(counter, qint32(rs.field(idColumn).toInteger()));
        rs.moveNext();
        ++counter;
    }
    if (list.listCount() > 0)
        list.setListIndex(0);
    rs.close();
}

int FindStringIndex(const ListControl &list, const QString &text)
{
    const int count = list.listCount();
    for (int step = 1; step <= count; ++step) {
        const int index = step % count; // 1, 2, ..., count - 1, then 0
        if (list.itemText(index).startsWith(text, Qt::CaseInsensitive))
            return index;
    }
    return -1;
}

void ComboSelectText(ListControl &combo, const QString &text)
{
    combo.setListIndex(qint16(FindStringIndex(combo, text)));
}

} // namespace Module1
