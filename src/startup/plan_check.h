#pragma once
// /check: whether the machine still matches a plan, for deployment tools that
// look again after Windows updates. It changes nothing: the start-up sequence
// runs as a rehearsal (what it would write to the preferences or the registry
// goes to an overlay that is dropped), then each item and service the plan
// names is compared with what was detected.
#include <optional>
#include <string>

#include "engine/program_context.h"
#include "engine/user_targets.h"

namespace brisko {

class CommandLog;

// Logs one line per item that differs (label, wanted, detected), the items
// the plan wants that this machine cannot have (not counted as differing),
// and a summary. The per-user items are compared in each user's hive the
// check is for (`users`, as /apply takes it), each line naming the user,
// with a summary per hive. Returns kExitDone when the machine matches,
// kExitDiffers when it (or any hive) does not, kExitRefused for a file that
// is no plan or a check refused for want of a user.
int CheckPlan(ProgramContext& ctx, const std::string& planPath, CommandLog& log,
              const std::optional<UserChoice>& users = std::nullopt);

}  // namespace brisko
