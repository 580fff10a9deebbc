#pragma once
// The files the program rewrites whole (the preferences file, boot.ini or
// Msdos.sys, sysoc.inf) are replaced in steps (file_replacement.h). Stopped
// between two of them, a file can be missing at its name with its copies
// beside it; the start-up puts it back before anything reads it, and the
// history log says so.
#include <string>
#include <vector>

#include "engine/program_context.h"

namespace brisko {

// One file put back, or left missing, as the history log tells it.
struct FileRecovery {
    std::string path, how;
    bool failed = false;
};

// Puts the file back from a copy when a write was cut short; adds what it did.
void RecoverFile(ProgramContext& ctx, const std::string& path, std::vector<FileRecovery>& done);

// A record of its own in the history log, when anything was put back.
void LogRecoveredFiles(ProgramContext& ctx, const std::vector<FileRecovery>& done);

}  // namespace brisko
