#pragma once
// Whether a change helped: Windows' own start and shutdown times before and
// after each change of the history log, and what slowed the starts down. The
// figures are Windows' (the user can find each in the Event Viewer); they
// show what changed around a change, not that the change caused it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "backup/change_history.h"
#include "engine/program_context.h"
#include "platform/effect_source.h"

namespace brisko {

inline constexpr size_t kComparedStarts = 10;  // on each side of a change, at most
inline constexpr size_t kLeastCompared = 3;    // fewer on a side: still measuring (計測中)
inline constexpr size_t kSlowestShown = 10;
inline constexpr const char* kNoStartsYet = "起動時間の記録はまだありません";

// One start on the chart (starts right after an installation are left out):
// its two parts, and the shutdown recorded since the start before it.
struct StartFigure {
    LocalTime time;
    int64_t mainPathMs = 0, postBootMs = 0;
    std::optional<int64_t> shutdownMs;
};

// One figure before and after a change: the medians of up to ten on each side.
struct Comparison {
    size_t before = 0, after = 0;      // how many on each side
    double beforeMs = 0, afterMs = 0;  // their medians (0 with none)
    bool Measured() const { return before >= kLeastCompared && after >= kLeastCompared; }
    double DifferenceSeconds() const { return (afterMs - beforeMs) / 1000; }
    // Of the figure before; none when that is 0.
    std::optional<double> Percent() const;
};

struct ChangeEffect {
    std::string when, action;
    std::vector<std::string> items;  // the labels of the items it wrote
    size_t position = 0;             // how many starts of the chart came before it
    Comparison mainPath, postBoot, shutdown;
    // Within the starts compared after it: Windows installed something, or
    // another change was made (its time). Either way the difference is not
    // this change's alone.
    bool updateAfter = false;
    std::string laterChange;
};

struct SlowStarter {
    int id = 0;  // kSlowApplication, kSlowDriver, kSlowService or kSlowDevice
    std::string name, friendlyName;
    std::string serviceEntry;  // a service's entry on the services page; empty when it lists none
    int64_t degradationMs = 0, totalMs = 0;  // summed over its events
    size_t times = 0;
};

struct EffectFigures {
    bool available = false;
    std::string why;                  // the sentence shown when there is nothing to show
    std::vector<StartFigure> starts;  // oldest first
    size_t afterInstall = 0;          // starts left out, right after an installation
    size_t shutdowns = 0;
    std::vector<ChangeEffect> changes;  // oldest first
    std::vector<SlowStarter> slowest;   // most DegradationTime first
    size_t unreadable = 0;
    std::string problem;
    bool HasRecords() const { return available && !starts.empty(); }
};

// A service's entry on the services page, for event 103's Name (the
// service's key name) and FriendlyName; empty when the page lists none.
using ServiceEntryOf = std::function<std::string(const std::string& name, const std::string& friendlyName)>;

// The figures of a reading and the history's records (in any order); a
// record that wrote nothing is no change. serviceEntry is asked only for
// services that slowed a start.
EffectFigures ComputeEffect(const EffectReading& reading, const std::vector<HistoryRecord>& history,
                            const ServiceEntryOf& serviceEntry);

// The context's source and history log; the services page's list is read
// (through the item model, once) only when a service slowed a start.
EffectFigures ReadEffectFigures(ProgramContext& ctx);

}  // namespace brisko
