#pragma once
// The items whose values are each user's own (under HKEY_CURRENT_USER), and
// the per-user passes: the detection and the ticks for one user's hive.
#include <array>
#include <string>
#include <vector>

#include "engine/program_context.h"

namespace brisko {

// Whether the item writes a user's settings rather than the machine's.
bool IsPerUserItem(TweakCategory category, size_t position);

// The wanted tick of every item, as a plan or the lists set it.
using WantedTicks = std::array<std::vector<bool>, kCategoryCount>;
WantedTicks CurrentTicks(const ProgramContext& ctx);
// Every setting item (true), or those of a list of positions (a plan's named items).
WantedTicks EveryItem(const ProgramContext& ctx);
WantedTicks ItemsAt(const ProgramContext& ctx, const std::vector<std::pair<TweakCategory, size_t>>& positions);

// Reads the per-user items' records from the hive the registry is routed to
// now, and sets their ticks: `wanted` for those in `chosen`, the record for
// the rest. The machine's items keep their records, and their ticks follow
// them: a pass that acts on one hive's items only.
void PrepareUserPass(ProgramContext& ctx, const WantedTicks& wanted, const WantedTicks& chosen);
// The machine's pass: every per-user item's tick follows its record.
void PrepareMachinePass(ProgramContext& ctx);

// The labels ("[デスクトップ] ②…") of the chosen, enabled per-user items whose tick is set.
std::vector<std::string> TickedUserItems(const ProgramContext& ctx, const WantedTicks& chosen);

// The question the accelerate button asks first when the program runs as
// another account than the user signed in (or as SYSTEM) and the ticks
// change per-user items: whose settings they will be. Empty otherwise.
std::string OtherAccountQuestion(ProgramContext& ctx);

// Routes the registry to the hive (HKEY_CLASSES_ROOT as the machine's
// classes where `machineClasses`).
void RouteTo(ProgramContext& ctx, const UserHive& hive);

}  // namespace brisko
