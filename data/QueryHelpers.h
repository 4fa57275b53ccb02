#pragma once

#include "data/Variant.h"

#include <QString>

class CalendarConnection;
class ListControl;

// The shared query routines. Each opens its own record set on the connection
// and closes it before returning; failures travel up as DatabaseError.
namespace Module1 {

// First column of the first row, or the Boolean False when there is no row.
Variant QueryFirstValue(const QString &sql);
Variant QueryFirstValue(const QString &sql, CalendarConnection &connection);

// The SQL text LookupFieldValue runs; empty for a key type other than
// "String" or "Integer". Quotes inside a "String" key are doubled.
QString LookupSql(const QString &table, const QString &keyColumn, const Variant &keyValue,
                  const QString &keyType, bool useAnd);

// One column of the row with the given key: the value, the Boolean False when
// there is no such row, or the empty value for an unknown key type.
Variant LookupFieldValue(const QString &table, const QString &keyColumn, const Variant &keyValue,
                         const QString &keyType, const QString &resultColumn, bool useAnd);
Variant LookupFieldValue(const QString &table, const QString &keyColumn, const Variant &keyValue,
                         const QString &keyType, const QString &resultColumn, bool useAnd,
                         CalendarConnection &connection);

// Fills the list with one entry per row of the table (display column as text,
// identifier column as item datum) and selects the first entry.
void FillList(const QString &table, const QString &idColumn, const QString &displayColumn,
              ListControl &list);
void FillList(const QString &table, const QString &idColumn, const QString &displayColumn,
              ListControl &list, CalendarConnection &connection);

// The entry a combo box finds for a text: the first whose text begins with it,
// ignoring case, searching from the second entry to the last, then the first.
// -1 when none does.
int FindStringIndex(const ListControl &list, const QString &text);

// Selects the entry FindStringIndex finds, or none.
void ComboSelectText(ListControl &combo, const QString &text);

} // namespace Module1
