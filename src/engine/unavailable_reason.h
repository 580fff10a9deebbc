#pragma once
// Why a greyed item cannot be used on this Windows, for its description.
#include <string>

#include "engine/program_context.h"

namespace brisko {

// The line a greyed item's description begins with, naming this Windows and
// the reason; empty when the item is available or the program made it
// unavailable for no reason it can name.
std::string UnavailableNote(ProgramContext& ctx, TweakCategory category, size_t position);

}  // namespace brisko
