#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

// A table saved as text by a spreadsheet or a publisher: its encoding, and
// its lines cut into cells.
namespace TableText {

// The file's text: UTF-8 or UTF-16 by its byte-order mark, else UTF-8, else
// Latin-1 (an older spreadsheet's export). None when the bytes are no text:
// a NUL or another control character that no table holds.
std::optional<QString> decode(const QByteArray &bytes);

// The separator of a table whose first line is given: a tab, else a
// semicolon, else a comma, the first that stands outside quotes.
QChar separatorOf(const QString &line);

// The line's cells, trimmed: a quoted cell may hold the separator and ""
// for a quote. Empty cells at the end (a trailing separator) are dropped.
QStringList cells(const QString &line, QChar separator);

} // namespace TableText
