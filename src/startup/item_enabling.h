#pragma once
// Per-element availability kept in the preferences' "DisabledItem" section.
#include "engine/program_context.h"

namespace brisko {

// Records as "pre_true" every item, the services page, every utilities button
// and PC information box that the program made unavailable this run. Never
// clears anything.
void MarkPreDisabledItems(ProgramContext& ctx);

// Applies the section: "true" makes an element unavailable, "pre_true" leaves
// it as it is, anything else makes it available. The services page is
// available only with a value other than "true" (an absent key disables it).
void ApplyDisabledItems(ProgramContext& ctx);

}  // namespace brisko
