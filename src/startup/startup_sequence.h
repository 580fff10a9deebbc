#pragma once
#include "engine/program_context.h"

namespace brisko {

// The start-up of the program minus its windows, in its fixed order: item
// lists from the resources, edition detection, path detection, fix-ups, the
// PC information, the detection pass, item enabling, the count, the migration
// of older settings.
// The main window calls it while it is being created.
void RunStartupSequence(ProgramContext& ctx);

}  // namespace brisko
