#pragma once
// Items that write under a Policies key. On Windows 8 and later, Settings
// reads any value there as the work of an organisation and says so; the
// description of such an item tells the user, and how to be rid of it.
#include <string>

#include "engine/program_context.h"

namespace brisko {

// Whether any value the item's optimising writes lies under a "Policies" key.
bool WritesUnderPolicies(const ProgramContext& ctx, TweakCategory category, size_t position);

// The line added to such an item's description on Windows 8 and later
// (which report version 6.2 or more); empty for other items and editions.
std::string PolicyNote(const ProgramContext& ctx, TweakCategory category, size_t position);

}  // namespace brisko
