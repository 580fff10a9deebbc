#pragma once
#include "engine/program_context.h"

namespace brisko {

// Finds the Windows folder, the preferences file, the setup answer file,
// sysoc.inf and the boot file (boot.ini, or Msdos.sys on the 9x family) and
// the fixed drives, and stores the two file paths it found in the
// preferences. Runs after the edition is known.
void DetectPaths(ProgramContext& ctx);

// Whether a file (not a folder) exists at the path.
bool FileExists(FileSystem& files, const std::string& path);

// Whether the path names an existing file in one of the places detection
// looks for sysoc.inf, or for the boot file of this edition (after
// DetectPaths, which finds the Windows folder and the fixed drives).
bool IsDetectableSysocPath(ProgramContext& ctx, const std::string& path);
bool IsDetectableBootPath(ProgramContext& ctx, const std::string& path);

}  // namespace brisko
