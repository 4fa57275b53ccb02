#pragma once

#include <QString>

#include <stdexcept>

// The program's own failures, each with a sentence a user can act on, in
// Albanian; what() gives the same sentence as UTF-8.
class KolviraError : public std::runtime_error
{
public:
    explicit KolviraError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }

    const QString &message() const { return m_message; }

private:
    QString m_message;
};
