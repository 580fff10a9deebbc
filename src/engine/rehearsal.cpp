#include "engine/rehearsal.h"

#include <algorithm>
#include <iterator>

#include "engine/item_passes.h"
#include "platform/text/case_fold.h"

namespace brisko {

namespace {
// What a rehearsed action may change in the program's own model, put back
// when the rehearsal ends, however it ends.
class ModelKept {
public:
    explicit ModelKept(ProgramContext& ctx)
        : ctx_(ctx), lists_(ctx.items.AllLists()), states_(ctx.items.states), countText_(ctx.items.countText),
          controls_(ctx.controls) {}
    ~ModelKept() {
        ctx_.items.AllLists() = lists_;
        ctx_.items.states = states_;
        ctx_.items.countText = countText_;
        ctx_.controls = controls_;
    }
    ModelKept(const ModelKept&) = delete;
    ModelKept& operator=(const ModelKept&) = delete;

private:
    ProgramContext& ctx_;
    ItemModel::Lists lists_;
    ItemStateTable states_;
    std::string countText_;
    ControlStates controls_;
};

// Ends the rehearsal even when the action left a recording of its own open:
// the last Take holds everything since the rehearsal began.
std::vector<RecordedWrite> EndRehearsal(ProgramContext& ctx, std::vector<std::string>* notes) {
    std::vector<RecordedWrite> writes;
    while (ctx.journal.Rehearsing()) writes = ctx.journal.Take(notes);
    return writes;
}

template <typename Action>
std::vector<RecordedWrite> Rehearse(ProgramContext& ctx, Action&& action, std::vector<std::string>* notes) {
    ModelKept kept(ctx);
    ctx.journal.StartRehearsal();
    try {
        action();
    } catch (...) {
        EndRehearsal(ctx, nullptr);
        throw;
    }
    return EndRehearsal(ctx, notes);
}

std::vector<RecordedWrite> MachineWrites(const ProgramContext& ctx, auto from, auto to) {
    std::vector<RecordedWrite> writes;
    std::copy_if(from, to, std::back_inserter(writes), [&](const RecordedWrite& w) { return IsMachineWrite(ctx, w); });
    return writes;
}
}  // namespace

bool IsMachineWrite(const ProgramContext& ctx, const RecordedWrite& write) {
    const bool file = write.kind == RecordedWrite::Kind::WriteFile || write.kind == RecordedWrite::Kind::RemoveFile;
    return !file || !text::AsciiNamesEqual(write.path, ctx.paths.preferencesFile);
}

std::vector<RehearsedItem> RehearseApply(ProgramContext& ctx, RehearsalScope scope, const ItemFilter& only) {
    std::vector<RehearsedItem> items;
    struct Mark {
        size_t writes, notes;
    };
    std::vector<Mark> marks;
    std::vector<std::string> notes;
    const auto writes = Rehearse(
        ctx,
        [&] {
            ItemModel& m = ctx.items;
            m.states.SetServiceCount(m.List(TweakCategory::Service).size());
            for (TweakCategory c : kAllCategories) {
                for (size_t pos = 0; pos < m.List(c).size(); ++pos) {
                    const ItemEntry entry = m.List(c)[pos];
                    if (!ItemEnabled(ctx, c, pos)) continue;
                    if (scope == RehearsalScope::ChangedTicks && entry.ticked == m.states.Get(c, pos)) continue;
                    if (scope == RehearsalScope::TickedItems && !entry.ticked) continue;
                    if (only && !only(c, pos)) continue;
                    ItemRule* rule = m.Rule(c, pos);
                    if (!rule) continue;
                    items.push_back({c, pos, entry.label, entry.ticked, {}, {}});
                    marks.push_back({ctx.journal.WritesSoFar(), ctx.journal.NotesSoFar()});
                    // As the apply pass does, so that later items see the records it would leave.
                    const ApplyOutcome outcome = entry.ticked ? rule->Optimise(ctx) : rule->ApplyDefault(ctx);
                    if (outcome != ApplyOutcome::GaveUp && outcome != ApplyOutcome::Refused)
                        m.states.Set(c, pos, entry.ticked);
                }
            }
        },
        &notes);
    for (size_t i = 0; i < items.size(); ++i) {
        const Mark end = i + 1 < marks.size() ? marks[i + 1] : Mark{writes.size(), notes.size()};
        items[i].writes = MachineWrites(ctx, writes.begin() + static_cast<std::ptrdiff_t>(marks[i].writes),
                                        writes.begin() + static_cast<std::ptrdiff_t>(end.writes));
        items[i].otherActions.assign(notes.begin() + static_cast<std::ptrdiff_t>(marks[i].notes),
                                     notes.begin() + static_cast<std::ptrdiff_t>(end.notes));
    }
    return items;
}

std::vector<RecordedWrite> RehearseWrites(ProgramContext& ctx, const std::function<void()>& action,
                                          std::vector<std::string>* otherActions) {
    const auto writes = Rehearse(ctx, action, otherActions);
    return MachineWrites(ctx, writes.begin(), writes.end());
}

}  // namespace brisko
