#include "prayer/TableText.h"

#include <QStringDecoder>

namespace TableText {

std::optional<QString> decode(const QByteArray &bytes)
{
    const std::optional<QStringConverter::Encoding> marked =
        QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(marked.value_or(QStringConverter::Utf8),
                           QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        text = QString::fromLatin1(bytes);
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    for (const QChar c : std::as_const(text))
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f')
            return std::nullopt;
    return text;
}

QChar separatorOf(const QString &line)
{
    QString outside;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted)
            outside += c;
    }
    for (const QChar separator : {u'\t', u';', u','})
        if (outside.contains(separator))
            return separator;
    return u',';
}

QStringList cells(const QString &line, QChar separator)
{
    QStringList cells(1);
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"' && quoted && i + 1 < line.size() && line[i + 1] == u'"') {
            cells.last() += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            cells << QString();
        } else {
            cells.last() += c;
        }
    }
    for (QString &cell : cells)
        cell = cell.trimmed();
    while (cells.size() > 1 && cells.last().isEmpty())
        cells.removeLast();
    return cells;
}

} // namespace TableText
