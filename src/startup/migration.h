#pragma once
#include "engine/program_context.h"

namespace brisko {

// Copies, once per preferences file, the settings and item memories of the
// two older editions' files ("Tessaly.ini", "Marvanel.ini" in the program's
// own folder, never the current one), then writes the marker
// "TransitOption" = "1".
void MigrateOlderSettings(ProgramContext& ctx);

}  // namespace brisko
