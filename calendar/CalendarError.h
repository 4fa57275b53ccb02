#pragma once

#include <QString>
#include <stdexcept>

// A date the calendar service cannot read or reckon with, with a sentence a
// user can act on.
class CalendarError : public std::runtime_error
{
public:
    explicit CalendarError(const QString &message);

    const QString &message() const { return m_message; }

private:
    QString m_message;
};
