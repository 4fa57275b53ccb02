#include "prayer/TableTime.h"

#include <QRegularExpression>

namespace TableTime {

QTime read(const QString &cell)
{
    static const QRegularExpression clock(
        QStringLiteral("^(\\d{1,2})[:.](\\d{2})(?:[:.]\\d{2})?(?:\\s*([AaPp])\\.?\\s*[Mm]\\.?)?$"));
    const QRegularExpressionMatch match = clock.match(cell);
    if (!match.hasMatch())
        return {};
    int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    if (const QString half = match.captured(3).toLower(); !half.isEmpty()) {
        if (hour < 1 || hour > 12)
            return {};
        hour = hour % 12 + (half == u"p" ? 12 : 0);
    }
    return QTime(hour, minute);
}

} // namespace TableTime
