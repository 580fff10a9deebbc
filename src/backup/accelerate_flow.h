#pragma once
#include "engine/program_context.h"

namespace brisko {

// The accelerate button: confirm, back up, apply the changed ticks, check
// that they took, report, offer a restart. A refused write throws BriskoError
// out of it (the automatic backup is then kept).
void BtnAccelerateClick(ProgramContext& ctx);

}  // namespace brisko
