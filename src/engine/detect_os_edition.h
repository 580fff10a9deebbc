#pragma once
#include "engine/program_context.h"

namespace brisko {

// Classifies the running Windows into ctx.os and disables the items and
// main-window controls that do not apply to it. Never enables anything. Runs
// after the lists are filled and before the detection pass.
void DetectOsEdition(ProgramContext& ctx);

}  // namespace brisko
