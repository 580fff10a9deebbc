#pragma once
// The PC information page's change button. The three names are written like
// any other change: after a System Restore point, into the history.
#include "engine/pc_information.h"
#include "engine/program_context.h"

namespace brisko {

// Checks, asks, writes, then offers a restart or reports. A refused write is
// shown as an error. True when all three were written.
bool ChangePcInformation(ProgramContext& ctx, const PcNames& names);

}  // namespace brisko
