#pragma once
// Whether a command's changes wait for Windows to restart, for the exit code
// deployment tools read: the items' own knowledge (most changes show after a
// restart or a new logon; some need only Explorer restarted).
#include <functional>

#include "engine/item_state_table.h"
#include "engine/program_context.h"

namespace brisko {

class CommandLog;

// What the items whose record differs from `before` need.
RestartNeed NeedOfChangedItems(const ProgramContext& ctx, const ItemStateTable& before);

// What the action would need, found by rehearsing it first: each registry
// and file write that would change something counts; a value that an item
// needing only Explorer restarted writes asks no more than that.
RestartNeed NeedOfAction(ProgramContext& ctx, const std::function<void()>& action);

// The line the log gets, and the exit code of work done: kExitRestartNeeded
// when Windows must restart, kExitDone otherwise.
int DoneExitCode(RestartNeed need, CommandLog& log);

}  // namespace brisko
