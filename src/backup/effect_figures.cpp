#include "backup/effect_figures.h"

#include <algorithm>
#include <map>

#include "backup/backup_file.h"
#include "engine/services.h"
#include "platform/text/case_fold.h"

namespace brisko {

namespace {
struct Timed {
    LocalTime time;
    int64_t ms;
};

double Median(std::vector<int64_t> values) {
    if (values.empty()) return 0;
    const size_t mid = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + mid, values.end());
    const double upper = static_cast<double>(values[mid]);
    if (values.size() % 2) return upper;
    const double lower = static_cast<double>(*std::max_element(values.begin(), values.begin() + mid));
    return (lower + upper) / 2;
}

// Up to kComparedStarts values each side of position, as a comparison.
template <typename Value>
Comparison Compare(const std::vector<Value>& all, size_t position, int64_t (*ms)(const Value&)) {
    const size_t first = position > kComparedStarts ? position - kComparedStarts : 0;
    const size_t last = std::min(all.size(), position + kComparedStarts);
    std::vector<int64_t> before, after;
    for (size_t i = first; i < position; ++i) before.push_back(ms(all[i]));
    for (size_t i = position; i < last; ++i) after.push_back(ms(all[i]));
    return {before.size(), after.size(), Median(before), Median(after)};
}

struct Change {
    LocalTime time;
    const HistoryRecord* record;
};

std::vector<Change> ChangesOf(const std::vector<HistoryRecord>& history) {
    std::vector<Change> changes;
    for (const HistoryRecord& r : history) {
        const bool wrote = std::any_of(r.items.begin(), r.items.end(), [](const HistoryItem& i) { return !i.values.empty(); });
        if (const auto time = ParseTimeStamp(r.when); time && wrote) changes.push_back({*time, &r});
    }
    std::stable_sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) { return a.time < b.time; });
    return changes;
}

template <typename Value>
size_t CountBefore(const std::vector<Value>& all, const LocalTime& t) {
    return static_cast<size_t>(std::lower_bound(all.begin(), all.end(), t, [](const Value& v, const LocalTime& x) {
                                   return v.time < x;
                               }) - all.begin());
}

void AddSlowest(EffectFigures& f, const std::vector<const DiagnosticEvent*>& slow, const ServiceEntryOf& serviceEntry) {
    std::map<std::pair<int, std::u32string>, SlowStarter> byName;  // newest event first: its names are kept
    for (const DiagnosticEvent* e : slow) {
        SlowStarter& s = byName[{e->id, text::RegistryUpper(e->name.empty() ? e->friendlyName : e->name)}];
        if (s.times++ == 0) {
            s.id = e->id;
            s.name = e->name;
            s.friendlyName = e->friendlyName;
        }
        s.degradationMs += e->degradationMs;
        s.totalMs += e->totalMs;
    }
    for (auto& [key, s] : byName) f.slowest.push_back(std::move(s));
    std::stable_sort(f.slowest.begin(), f.slowest.end(), [](const SlowStarter& a, const SlowStarter& b) {
        return a.degradationMs != b.degradationMs ? a.degradationMs > b.degradationMs : a.times > b.times;
    });
    if (f.slowest.size() > kSlowestShown) f.slowest.resize(kSlowestShown);
    for (SlowStarter& s : f.slowest)
        if (s.id == kSlowService && serviceEntry) s.serviceEntry = serviceEntry(s.name, s.friendlyName);
}
}  // namespace

std::optional<double> Comparison::Percent() const {
    if (beforeMs <= 0) return std::nullopt;
    return (afterMs - beforeMs) * 100 / beforeMs;
}

EffectFigures ComputeEffect(const EffectReading& reading, const std::vector<HistoryRecord>& history,
                            const ServiceEntryOf& serviceEntry) {
    EffectFigures f;
    f.available = reading.available;
    f.why = reading.why;
    f.unreadable = reading.unreadable;
    f.problem = reading.problem;
    if (!reading.available) return f;

    // Oldest first.
    std::vector<const DiagnosticEvent*> events;
    for (auto it = reading.events.rbegin(); it != reading.events.rend(); ++it) events.push_back(&*it);
    std::stable_sort(events.begin(), events.end(),
                     [](const DiagnosticEvent* a, const DiagnosticEvent* b) { return a->time < b->time; });
    std::vector<Timed> shutdowns, installs;
    std::vector<const DiagnosticEvent*> slow;
    std::optional<int64_t> lastShutdown;
    for (const DiagnosticEvent* e : events) {
        if (e->id == kShutdownEvent) {
            shutdowns.push_back({e->time, e->shutdownMs});
            lastShutdown = e->shutdownMs;
        } else if (e->id == kStartEvent && e->afterInstall) {
            installs.push_back({e->time, 0});
            lastShutdown.reset();
        } else if (e->id == kStartEvent) {
            f.starts.push_back({e->time, e->mainPathMs, e->postBootMs, lastShutdown});
            lastShutdown.reset();
        } else {
            slow.push_back(e);
        }
    }
    f.afterInstall = installs.size();
    f.shutdowns = shutdowns.size();
    if (f.starts.empty()) f.why = kNoStartsYet;

    const std::vector<Change> changes = ChangesOf(history);
    for (size_t c = 0; c < changes.size(); ++c) {
        ChangeEffect e;
        e.when = changes[c].record->when;
        e.action = changes[c].record->action;
        for (const HistoryItem& item : changes[c].record->items)
            if (!item.values.empty()) e.items.push_back(item.label);
        e.position = CountBefore(f.starts, changes[c].time);
        e.mainPath = Compare<StartFigure>(f.starts, e.position, [](const StartFigure& s) { return s.mainPathMs; });
        e.postBoot = Compare<StartFigure>(f.starts, e.position, [](const StartFigure& s) { return s.postBootMs; });
        e.shutdown = Compare<Timed>(shutdowns, CountBefore(shutdowns, changes[c].time), [](const Timed& s) { return s.ms; });
        // The starts compared after it end at the last of them; fewer than
        // ten so far, and the span is still open.
        const bool full = e.mainPath.after == kComparedStarts;
        const LocalTime end = full ? f.starts[e.position + kComparedStarts - 1].time : LocalTime{9999, 12, 31, 23, 59, 59};
        auto within = [&](const LocalTime& t) { return changes[c].time < t && t <= end; };
        e.updateAfter = std::any_of(installs.begin(), installs.end(), [&](const Timed& i) { return within(i.time); });
        if (c + 1 < changes.size() && !(end < changes[c + 1].time)) e.laterChange = changes[c + 1].record->when;
        f.changes.push_back(std::move(e));
    }
    AddSlowest(f, std::vector<const DiagnosticEvent*>(slow.rbegin(), slow.rend()), serviceEntry);
    return f;
}

EffectFigures ReadEffectFigures(ProgramContext& ctx) {
    const EffectReading reading = ctx.effects().Read(kNewestEvents);
    if (!reading.available) return ComputeEffect(reading, {}, {});
    const auto history = ReadHistory(ctx.platform.files, HistoryLogPath(BackupsFolder(ctx)));
    std::optional<std::map<std::u32string, std::string>> displayNames;  // by upper-cased key name
    const ServiceEntryOf entry = [&](const std::string& name, const std::string& friendlyName) -> std::string {
        if (!displayNames) {
            displayNames.emplace();
            for (const ListedService& s : ListServices(ctx)) displayNames->emplace(text::RegistryUpper(s.keyName), s.displayName);
        }
        const auto& page = ctx.items.List(TweakCategory::Service);
        auto listed = [&](const std::string& label) {
            return std::any_of(page.begin(), page.end(), [&](const ItemEntry& e) { return e.label == label; });
        };
        const auto it = displayNames->find(text::RegistryUpper(name));
        if (it != displayNames->end() && listed(it->second)) return it->second;
        return !friendlyName.empty() && listed(friendlyName) ? friendlyName : "";
    };
    return ComputeEffect(reading, history, entry);
}

}  // namespace brisko
