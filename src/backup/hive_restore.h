#pragma once
// Where a backup's user blocks go back: each to the SID it was made for, or,
// with a `/user:` choice, to the users chosen.
#include <optional>
#include <string>
#include <vector>

#include "backup/chosen_backup.h"
#include "backup/hive_backup.h"
#include "engine/user_targets.h"

namespace brisko {

struct RestoreTargets {
    std::vector<BlockTarget> targets;  // each block with its hive (opened by the restore)
    std::vector<std::string> notes;    // blocks left out, chosen users the backup has nothing for
    std::string refusal;               // when set, nothing may be restored
};

// Without a choice each block goes back to its own SID, loading its hive
// when needed; a SID without a profile here refuses the restore, and an
// older backup's rows go to the program's own user only on that user's own
// run. With a choice: none restores the machine's rows alone; a backup of
// one user goes to the one user chosen, whoever it was made for; otherwise
// each chosen user gets the block made for that SID.
RestoreTargets TargetsOf(ProgramContext& ctx, const ChosenBackup& backup, const std::optional<UserChoice>& choice);

}  // namespace brisko
