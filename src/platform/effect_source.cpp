#include "platform/effect_source.h"

#include <algorithm>

namespace brisko {

EffectReading MemoryEffectSource::Read(size_t newest) {
    if (!available) return {false, why, {}, 0, ""};
    EffectReading reading{true, "", events, 0, ""};
    for (const std::string& text : rendered)
        AddRenderedEvents(reading, text, [&](const LocalTime& t) { return ShiftedTime(t, utcOffsetMinutes); });
    KeepNewest(reading, newest);
    return reading;
}

void KeepNewest(EffectReading& reading, size_t newest) {
    std::stable_sort(reading.events.begin(), reading.events.end(),
                     [](const DiagnosticEvent& a, const DiagnosticEvent& b) { return a.time > b.time; });
    if (reading.events.size() > newest) reading.events.resize(newest);
}

}  // namespace brisko
