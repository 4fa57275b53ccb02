#include "calendar/CalendarError.h"

// The error guard reads what() in the local 8-bit encoding.
CalendarError::CalendarError(const QString &message)
    : std::runtime_error(message.toLocal8Bit().toStdString()), m_message(message)
{
}
