#include "data/DatabaseError.h"

DatabaseError::DatabaseError(int number, const QString &description, const QString &message)
    : std::runtime_error((message.isEmpty() ? description : message).toStdString()),
      m_number(number), m_description(description),
      m_message(message.isEmpty() ? description : message)
{
}
