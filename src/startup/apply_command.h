#pragma once
// /apply: a plan's ticks written, the machine's items once and the per-user
// items once into each user's hive the command is for, after one backup of
// them all and inside one recorded change.
#include <string>

#include "backup/tweak_plan.h"
#include "startup/silent_run.h"

namespace brisko {

// Loads the plan into the ticks and names what it could not set: kExitDone,
// kExitItemsNotSet, or kExitRefused for a file that is no plan.
int LoadPlanForCommand(ProgramContext& ctx, const std::string& path, CommandLog& log, PlanLoad* loaded = nullptr);

int ApplyPlanCommand(ProgramContext& ctx, const Command& command, CommandLog& log);

}  // namespace brisko
