#pragma once
// The local date and time, for names of files written at a moment.
namespace brisko {

struct LocalTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

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
