#pragma once
// Where the figures of a change's effect come from: Windows' own records of
// how long each start and shutdown took, and of what slowed a start down
// (diagnostic_events.h). Windows before Vista, server editions and Wine keep
// no such records: the source then says so, and nothing fails.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/diagnostic_events.h"

namespace brisko {

// How many of the newest events are read.
inline constexpr size_t kNewestEvents = 500;
inline constexpr const char* kNoRecordsHere = "この Windows では起動時間の記録がありません";

struct EffectReading {
    bool available = false;
    std::string why;  // when not available: the one sentence that says why
    std::vector<DiagnosticEvent> events;  // newest first, times local
    size_t unreadable = 0;                // events left out because they could not be read
    std::string problem;                  // what was wrong with the first of them
};

class EffectSource {
public:
    virtual ~EffectSource() = default;
    // The newest events, at most `newest` of them.
    virtual EffectReading Read(size_t newest) = 0;
};

// A Windows that keeps no such records.
class NoEffectSource final : public EffectSource {
public:
    EffectReading Read(size_t) override { return {false, kNoRecordsHere, {}, 0, ""}; }
};

// Records held in memory: typed events, and rendered ones (one event as
// Windows renders it, or an export of many) read as the Windows source reads
// them; the rendered events' UTC times are moved by utcOffsetMinutes.
class MemoryEffectSource final : public EffectSource {
public:
    EffectReading Read(size_t newest) override;

    bool available = true;
    std::string why = kNoRecordsHere;
    std::vector<DiagnosticEvent> events;
    std::vector<std::string> rendered;
    int utcOffsetMinutes = 0;
};

// Adds what a rendered text holds to the reading, each time turned from UTC
// into local time by toLocal.
template <typename ToLocal>
void AddRenderedEvents(EffectReading& reading, std::string_view text, ToLocal toLocal) {
    EventParse parsed = ParseDiagnosticEvents(text);
    if (parsed.unreadable && !reading.unreadable) reading.problem = parsed.problem;
    reading.unreadable += parsed.unreadable;
    for (DiagnosticEvent& e : parsed.events) {
        e.time = toLocal(e.time);
        reading.events.push_back(std::move(e));
    }
}

// Puts the events newest first and keeps the newest `newest`.
void KeepNewest(EffectReading& reading, size_t newest);

}  // namespace brisko
