#pragma once

#include <QString>

#include <stdexcept>

// A failure of the calendar tool, with a message in Albanian that tells the
// user what to change.
class ToolError : public std::runtime_error
{
public:
    explicit ToolError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    QString message() const { return m_message; }

private:
    QString m_message;
};
