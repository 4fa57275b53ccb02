#pragma once

#include <QString>

#include <stdexcept>

// A calculation that cannot be done (an unknown time zone, a sun that never
// reaches the angle asked for), with a message in Albanian that tells the user
// what to change.
class CalculationError : public std::runtime_error
{
public:
    explicit CalculationError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};
