#pragma once
// /check: whether the machine still matches a plan, for deployment tools that
// look again after Windows updates. It changes nothing: the start-up sequence
// runs as a rehearsal (what it would write to the preferences or the registry
// goes to an overlay that is dropped), then each item and service the plan
// names is compared with what was detected.
#include <string>

#include "engine/program_context.h"

namespace brisko {

class CommandLog;

// Logs one line per item that differs (label, wanted, detected), the items
// the plan wants that this machine cannot have (not counted as differing),
// and a summary. Returns kExitDone when the machine matches, kExitDiffers
// when it does not, kExitRefused for a file that is no plan.
int CheckPlan(ProgramContext& ctx, const std::string& planPath, CommandLog& log);

}  // namespace brisko
