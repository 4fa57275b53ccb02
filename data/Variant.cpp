#include "data/Variant.h"

Variant Variant::null()
{
    return Variant(Kind::Null, {});
}

Variant Variant::boolean(bool value)
{
    return Variant(Kind::Boolean, value);
}

Variant Variant::integer(qint64 value)
{
    return Variant(Kind::Integer, value);
}

Variant Variant::real(double value)
{
    return Variant(Kind::Real, value);
}

Variant Variant::text(const QString &value)
{
    return Variant(Kind::Text, value);
}

Variant Variant::time(const QTime &value, const QString &storedText)
{
    return Variant(Kind::Time, value, storedText);
}

bool Variant::toBool() const
{
    switch (m_kind) {
    case Kind::Boolean:
        return std::get<bool>(m_value);
    case Kind::Integer:
        return std::get<qint64>(m_value) != 0;
    case Kind::Real:
        return std::get<double>(m_value) != 0.0;
    default:
        return false;
    }
}

qint64 Variant::toInteger() const
{
    switch (m_kind) {
    case Kind::Boolean:
        return std::get<bool>(m_value) ? -1 : 0; // the Boolean True counts as -1
    case Kind::Integer:
        return std::get<qint64>(m_value);
    case Kind::Real:
        return qRound64(std::get<double>(m_value));
    case Kind::Text:
        return std::get<QString>(m_value).trimmed().toLongLong();
    default:
        return 0;
    }
}

QTime Variant::toTime() const
{
    return m_kind == Kind::Time ? std::get<QTime>(m_value) : QTime();
}

QString Variant::toText() const
{
    switch (m_kind) {
    case Kind::Empty:
    case Kind::Null:
        return {};
    case Kind::Boolean:
        return std::get<bool>(m_value) ? QStringLiteral("True") : QStringLiteral("False");
    case Kind::Integer:
        return QString::number(std::get<qint64>(m_value));
    case Kind::Real:
        return QString::number(std::get<double>(m_value), 'g', 15);
    case Kind::Text:
        return std::get<QString>(m_value);
    case Kind::Time:
        return m_timeText;
    }
    return {};
}

bool operator==(const Variant &a, const Variant &b)
{
    return a.m_kind == b.m_kind && a.m_value == b.m_value && a.m_timeText == b.m_timeText;
}

QString describe(const Variant &value)
{
    static const char *const names[] = {"Empty", "Null", "Boolean", "Integer",
                                        "Real",  "Text", "Time"};
    return QStringLiteral("%1(%2)").arg(QLatin1String(names[int(value.kind())]), value.toText());
}
