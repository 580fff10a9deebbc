#pragma once
// The passes over every item, in category order and item order.
#include "engine/program_context.h"

namespace brisko {

// Fills the five setting lists with their ten labels from the text resources
// ("SystemText" ... "OthersText"); every entry enabled and unticked.
void LoadItemLists(ProgramContext& ctx);

// Ticks every item of the five setting lists whose rule finds it optimised
// and records it; disabled items are evaluated too. Never unticks, never
// records 0, never writes. The services are detected as they are read.
void DetectItemStates(ProgramContext& ctx);

// Whether the apply pass may act on the item at all: its entry is enabled
// (the services: the service list is).
bool ItemEnabled(const ProgramContext& ctx, TweakCategory category, size_t position);

struct AppliedItem {
    TweakCategory category;
    size_t position;
    bool ticked;
    ApplyOutcome outcome;
    // Whether every value and file its action wrote or deleted read back, right
    // after it, as written or as gone.
    bool writesTook = true;
};

// Acts on every enabled item whose tick differs from its recorded state:
// optimise when ticked, default when not, then flip the record (unless the
// item gave up). A refused write throws BriskoError out of the pass: the items
// before it are written and recorded, the items after it untouched. Returns
// the items acted on, in order.
std::vector<AppliedItem> ApplyItemStates(ProgramContext& ctx);

// Unticks every item, forgets the services (read again on next need) and
// clears the state table.
void ResetItemLists(ProgramContext& ctx);

// Unticks disabled items of the five setting lists and sets the count text
// "※ 未チェック <unticked> / 全項目 <total>"; returns it.
const std::string& UpdateItemCount(ProgramContext& ctx);

}  // namespace brisko
