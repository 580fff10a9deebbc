#pragma once
// Saving a key to a file and loading it back with the system's own registry
// tools: "reg" on XP, "Regedit.exe" elsewhere. The tool runs hidden and is
// waited for, at most kRegToolTimeLimitMs; the result is its exit code (or
// ProcessLauncher::kNotStarted, kTimedOut).
#include <functional>
#include <string>

#include "platform/os_edition.h"
#include "platform/processes.h"

namespace brisko {

inline constexpr int kRegToolTimeLimitMs = 60000;

// The tool's name as a message names it: "reg" or "Regedit.exe".
std::string RegToolName(const OsEdition& os);
// rootText is the root written out, "HKCU" or "HKEY_CURRENT_USER".
std::string RegExportCommand(const OsEdition& os, const std::string& rootText, const std::string& keyPath,
                             const std::string& fileName);
// Regedit takes the key from the file itself; reg restores into the key.
std::string RegImportCommand(const OsEdition& os, const std::string& rootText, const std::string& keyPath,
                             const std::string& fileName);

int RegExportKey(ProcessLauncher& launcher, const OsEdition& os, const std::string& rootText,
                 const std::string& keyPath, const std::string& fileName, const std::function<void()>& keepAlive);
int RegImportKey(ProcessLauncher& launcher, const OsEdition& os, const std::string& rootText,
                 const std::string& keyPath, const std::string& fileName, const std::function<void()>& keepAlive);

}  // namespace brisko
