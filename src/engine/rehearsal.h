#pragma once
// Rehearsing the apply pass, or any other action: the item rules run for
// real, but against the journal's overlay, so what they would write is known
// before anything is written. Nothing starts, no question is shown (each gets
// No), and afterwards the ticks, the records, the registry and the files are
// exactly as before.
#include <functional>
#include <string>
#include <vector>

#include "engine/program_context.h"

namespace brisko {

enum class RehearsalScope {
    ChangedTicks,      // exactly the items the apply pass would act on now
    TickedItems,       // every enabled, ticked item and listed service, optimised (the rest left out)
};

struct RehearsedItem {
    TweakCategory category;
    size_t position;
    std::string label;
    bool ticked;  // optimised when ticked, set back to the default when not (ChangedTicks only)
    std::vector<RecordedWrite> writes;      // registry and file writes, in order
    std::vector<std::string> otherActions;  // commands, restarts, questions and messages, as texts
};

// `only`, when given, narrows the scope to the items it accepts.
using ItemFilter = std::function<bool(TweakCategory category, size_t position)>;
std::vector<RehearsedItem> RehearseApply(ProgramContext& ctx, RehearsalScope scope, const ItemFilter& only = {});

// Any action (say, a restore from a backup) rehearsed the same way: its
// registry and file writes, in order; otherActions gets the rest.
std::vector<RecordedWrite> RehearseWrites(ProgramContext& ctx, const std::function<void()>& action,
                                          std::vector<std::string>* otherActions = nullptr);

// Whether a write changes the machine. The program's own preferences file
// (where items keep values to put back later) is not part of the machine: its
// writes are left out of every rehearsal.
bool IsMachineWrite(const ProgramContext& ctx, const RecordedWrite& write);

}  // namespace brisko
