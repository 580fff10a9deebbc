#include "platform/clock.h"

namespace brisko {

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
