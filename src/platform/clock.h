#pragma once
// The local date and time, for names of files written at a moment.
#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace brisko {

struct LocalTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    auto operator<=>(const LocalTime&) const = default;
};

// "2026-12-07 03:01:02", as the history log writes its times.
std::string TimeStamp(const LocalTime& t);
// The time of such a stamp; none when it is not one.
std::optional<LocalTime> ParseTimeStamp(const std::string& stamp);
// The time so many minutes later (earlier when negative), across days,
// months and years of the Gregorian calendar.
LocalTime ShiftedTime(const LocalTime& t, int64_t minutes);
// Whether the date exists (1601 to 9999) and the time of day is one.
bool IsValidTime(const LocalTime& t);

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() = 0;
};

// A clock that shows what it is told, one second later at each look.
class SteppingClock final : public Clock {
public:
    LocalTime time;
    LocalTime Now() override;
};

}  // namespace brisko
