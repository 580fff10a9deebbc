#include "platform/clock.h"

#include <cstdio>

namespace brisko {

namespace {
bool IsLeap(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int DaysIn(int64_t year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 and back (the civil calendar algorithms of H. Hinnant).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}
void CivilFromDays(int64_t z, LocalTime& t) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2));
}
}  // namespace

std::string TimeStamp(const LocalTime& t) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

std::optional<LocalTime> ParseTimeStamp(const std::string& stamp) {
    if (stamp.size() != 19) return std::nullopt;
    auto number = [&](size_t at, size_t count) {
        int n = 0;
        for (size_t i = at; i < at + count; ++i) n = stamp[i] >= '0' && stamp[i] <= '9' ? n * 10 + (stamp[i] - '0') : -1000000;
        return n;
    };
    const LocalTime t{number(0, 4), number(5, 2), number(8, 2), number(11, 2), number(14, 2), number(17, 2)};
    if (!IsValidTime(t) || TimeStamp(t) != stamp) return std::nullopt;
    return t;
}

bool IsValidTime(const LocalTime& t) {
    return t.year >= 1601 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= DaysIn(t.year, t.month) && t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 &&
           t.second >= 0 && t.second < 60;
}

LocalTime ShiftedTime(const LocalTime& t, int64_t minutes) {
    const int64_t total = (DaysFromCivil(t.year, t.month, t.day) * 24 + t.hour) * 60 + t.minute + minutes;
    const int64_t days = total >= 0 ? total / 1440 : -((-total + 1439) / 1440);
    const int64_t inDay = total - days * 1440;
    LocalTime shifted = t;
    CivilFromDays(days, shifted);
    shifted.hour = static_cast<int>(inDay / 60);
    shifted.minute = static_cast<int>(inDay % 60);
    return shifted;
}

LocalTime SteppingClock::Now() {
    const LocalTime now = time;
    if (++time.second == 60) {
        time.second = 0;
        if (++time.minute == 60) {
            time.minute = 0;
            ++time.hour;
        }
    }
    return now;
}

}  // namespace brisko
