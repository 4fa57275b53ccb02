#pragma once

#include <array>

// The seven time columns of table kolvira, in the order of the day.
namespace CalendarColumns {

inline constexpr std::array<const char *, 7> times{
    "Imsaku", "Fexhri", "Lindja e diellit", "Dhuhri", "Asri", "Magribi", "Isha"};

} // namespace CalendarColumns
