#pragma once
// The events Windows (Vista and later) records in its log
// Microsoft-Windows-Diagnostics-Performance/Operational about each start and
// shutdown, as typed records, and the reader of their rendered XML, which
// comes from outside the program and is read defensively: in one pass,
// bounded, every value checked.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"

namespace brisko {

inline constexpr const char* kDiagnosticsChannel = "Microsoft-Windows-Diagnostics-Performance/Operational";

// The event ids read: one start, one shutdown, and what slowed a start down.
enum DiagnosticId : int {
    kStartEvent = 100,
    kShutdownEvent = 200,
    kSlowApplication = 101,
    kSlowDriver = 102,
    kSlowService = 103,
    kSlowDevice = 109,
};
bool IsDiagnosticId(int id);

struct DiagnosticEvent {
    int id = 0;
    // When it began: BootStartTime, ShutdownStartTime or StartTime (the
    // event's own time when that is missing). UTC as read; the effect source
    // turns it into local time.
    LocalTime time;
    // A start (100): BootTime, MainPathBootTime (to the desktop),
    // BootPostBootTime (after it), in ms; BootIsRebootAfterInstall.
    int64_t bootMs = 0, mainPathMs = 0, postBootMs = 0;
    bool afterInstall = false;
    // A shutdown (200): ShutdownTime in ms.
    int64_t shutdownMs = 0;
    // A slow application, driver, service or device (101, 102, 103, 109):
    // Name (a file or, for a service, its key name), FriendlyName,
    // TotalTime and DegradationTime in ms.
    std::string name, friendlyName;
    int64_t totalMs = 0, degradationMs = 0;
    bool operator==(const DiagnosticEvent&) const = default;
};

// What a text of one or more rendered events held.
struct EventParse {
    std::vector<DiagnosticEvent> events;  // in the text's order
    size_t unreadable = 0;                // events of ours that could not be read
    std::string problem;                  // the first such event's fault, in Japanese
};

// The most a text may hold; a longer one is refused whole.
inline constexpr size_t kLargestEventText = 64u * 1024 * 1024;

// Reads every <Event> element of the text: one as EvtRender gives it, or
// many as a saved export has them (with or without an <Events> around
// them). Events of other ids are passed over; an event of ours that is not
// whole, lacks a needed value or holds one that is no number, time or
// truth value counts as unreadable and is left out. Linear in the text.
EventParse ParseDiagnosticEvents(std::string_view text);

}  // namespace brisko
