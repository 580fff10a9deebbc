#pragma once
// /backup, /restore and /export-reg, each for the users' hives chosen.
#include "startup/silent_run.h"

namespace brisko {

int BackupCommand(ProgramContext& ctx, const Command& command, CommandLog& log);
int RestoreCommand(ProgramContext& ctx, const Command& command, CommandLog& log);
// The .reg of the current ticks, of a plan, or of a backup (told apart by the
// file's opening mark).
int ExportRegCommand(ProgramContext& ctx, const Command& command, CommandLog& log);

}  // namespace brisko
