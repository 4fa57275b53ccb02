#include "calendar/SelectorGuard.h"

#include "calendar/CalendarService.h"

SelectorGuard::SelectorGuard(std::optional<int> select) : m_saved(CalendarService::selector())
{
    if (select)
        CalendarService::setSelector(*select);
}

SelectorGuard::~SelectorGuard()
{
    CalendarService::setSelector(m_saved);
}
