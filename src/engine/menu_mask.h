#pragma once
// The user preference mask that holds the menu animation bits, as item text.
// The four-byte "Binary" kind reads the 8-byte mask of 2000 and XP as
// "UnfitType", so keeping that text would lose the mask for good: a mask
// longer than four bytes is kept as upper-case hex of every byte in stored
// order (more than 8 digits, never mistaken for the 8-digit four-byte text)
// and written back byte for byte.
#include <string>

#include "engine/program_context.h"

namespace brisko {

// "UserPreferencesMask" on the NT family, "UserPreferenceMask" on 9x.
std::string MenuMaskName(const ProgramContext& ctx);
// The mask as "Binary" text, or all its bytes in hex when it is longer.
std::string ReadMenuMask(ProgramContext& ctx);
// Writes either form back ("NULL" deletes, "UnfitType" writes nothing).
void WriteMenuMask(ProgramContext& ctx, const std::string& maskText);

}  // namespace brisko
