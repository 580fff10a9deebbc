#pragma once
#include "engine/program_context.h"

namespace brisko {

// Copies, once per preferences file, the settings and item memories of the
// two older editions' files ("Tessaly.ini", "Marvanel.ini" in the current
// folder), then writes the marker "TransitOption" = "1".
void MigrateOlderSettings(ProgramContext& ctx);

}  // namespace brisko
