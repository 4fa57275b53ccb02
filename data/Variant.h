#pragma once

#include <QString>
#include <QTime>
#include <QtGlobal>
#include <utility>
#include <variant>

// A database result as the query helpers hand it on: nothing at all (empty),
// a cell without a value (null), a Boolean, a number, a text or a time of day.
class Variant
{
public:
    enum class Kind { Empty, Null, Boolean, Integer, Real, Text, Time };

    Variant() = default; // empty
    static Variant null();
    static Variant boolean(bool value);
    static Variant integer(qint64 value);
    static Variant real(double value);
    static Variant text(const QString &value);
    // A time of day, keeping the text it was stored as.
    static Variant time(const QTime &value, const QString &storedText);

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }
    bool isNull() const { return m_kind == Kind::Null; }

    bool toBool() const;
    qint64 toInteger() const;
    QTime toTime() const;

    // The ordinary conversion to text: False/True, decimal digits, the stored
    // time text; empty and null give an empty text.
    QString toText() const;

    friend bool operator==(const Variant &a, const Variant &b);

private:
    using Value = std::variant<std::monostate, bool, qint64, double, QString, QTime>;
    Variant(Kind kind, Value value, const QString &timeText = {})
        : m_kind(kind), m_value(std::move(value)), m_timeText(timeText)
    {
    }

    Kind m_kind = Kind::Empty;
    Value m_value;
    QString m_timeText;
};

// "Kind(text)", for messages and test output.
QString describe(const Variant &value);
