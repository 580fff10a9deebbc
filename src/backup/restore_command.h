#pragma once
#include "engine/program_context.h"

namespace brisko {

// The restore button: refuses (with a warning) a file that is no complete
// backup, restores, shows the restored machine again and reports, offering a
// restart where the user wants that. False when nothing was restored.
bool RunRestoreCommand(ProgramContext& ctx, const std::string& path);

}  // namespace brisko
