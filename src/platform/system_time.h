// Conversion between the calendar time of the Windows SYSTEMTIME record and the file-time
// count of 100-nanosecond intervals since 1 January 1601 (UTC).
#pragma once

#include <cstdint>
#include <optional>

namespace platform {

struct CalendarTime {
    std::uint16_t year = 1601, month = 1, dayOfWeek = 0, day = 1;
    std::uint16_t hour = 0, minute = 0, second = 0, milliseconds = 0;
};

// Nothing for a field out of its range (month 13, hour 24, year before 1601 or after 30827).
std::optional<std::uint64_t> fileTimeFromCalendar(const CalendarTime& t);
// Whole milliseconds; the day of the week is filled in.
CalendarTime calendarFromFileTime(std::uint64_t fileTime);

} // namespace platform
