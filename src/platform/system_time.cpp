#include "platform/system_time.h"

namespace platform {
namespace {

constexpr std::uint64_t kTicksPerMillisecond = 10'000;
constexpr std::uint64_t kTicksPerDay = 86'400'000ull * kTicksPerMillisecond;

// Days since 0000-03-01 of the proleptic Gregorian calendar (years from 1 on).
constexpr std::int64_t daysFromCivil(int year, int month, int day) {
    const int y = month <= 2 ? year - 1 : year;
    const int era = y / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<std::int64_t>(era) * 146097 + dayOfEra;
}

constexpr std::int64_t kDay1601 = daysFromCivil(1601, 1, 1);

bool leapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : kDays[month - 1];
}

} // namespace

std::optional<std::uint64_t> fileTimeFromCalendar(const CalendarTime& t) {
    if (t.year < 1601 || t.year > 30827 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > daysInMonth(t.year, t.month) || t.hour > 23 || t.minute > 59 || t.second > 59 ||
        t.milliseconds > 999) {
        return std::nullopt;
    }
    const auto days = static_cast<std::uint64_t>(daysFromCivil(t.year, t.month, t.day) - kDay1601);
    const std::uint64_t ms =
        ((t.hour * 60ull + t.minute) * 60ull + t.second) * 1000ull + t.milliseconds;
    return days * kTicksPerDay + ms * kTicksPerMillisecond;
}

CalendarTime calendarFromFileTime(std::uint64_t fileTime) {
    CalendarTime t;
    std::uint64_t days = fileTime / kTicksPerDay;
    std::uint64_t ms = fileTime % kTicksPerDay / kTicksPerMillisecond;
    t.dayOfWeek = static_cast<std::uint16_t>((days + 1) % 7); // 1601-01-01 was a Monday
    int year = 1601;
    while (true) {
        const std::uint64_t inYear = leapYear(year) ? 366 : 365;
        if (days < inYear) break;
        days -= inYear;
        ++year;
    }
    int month = 1;
    while (days >= static_cast<std::uint64_t>(daysInMonth(year, month))) {
        days -= static_cast<std::uint64_t>(daysInMonth(year, month));
        ++month;
    }
    t.year = static_cast<std::uint16_t>(year);
    t.month = static_cast<std::uint16_t>(month);
    t.day = static_cast<std::uint16_t>(days + 1);
    t.milliseconds = static_cast<std::uint16_t>(ms % 1000);
    t.second = static_cast<std::uint16_t>(ms / 1000 % 60);
    t.minute = static_cast<std::uint16_t>(ms / 60'000 % 60);
    t.hour = static_cast<std::uint16_t>(ms / 3'600'000);
    return t;
}

} // namespace platform
