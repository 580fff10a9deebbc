#pragma once
#include "backup/chosen_backup.h"
#include "engine/program_context.h"

namespace brisko {

// The restore button: reads the file once, refuses (with a warning that says
// why) a file that is no complete backup for this Windows, restores, shows the restored machine again and reports, offering a
// restart where the user wants that. False when nothing was restored.
bool RunRestoreCommand(ProgramContext& ctx, const std::string& path);

// The warning that refuses a chosen file; empty when it may be restored.
std::string RestoreRefusal(const ChosenBackup& backup, const MachineIdentity& here);

}  // namespace brisko
