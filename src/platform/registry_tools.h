#pragma once
// Saving a key to a file and loading it back with the system's own registry
// tools: "reg" on XP, "Regedit.exe" elsewhere. The tool runs hidden and is not
// waited for.
#include <string>

#include "platform/os_edition.h"
#include "platform/processes.h"

namespace brisko {

// rootText is the root written out, "HKCU" or "HKEY_CURRENT_USER".
void RegExportKey(ProcessLauncher& launcher, const OsEdition& os, const std::string& rootText,
                  const std::string& keyPath, const std::string& fileName);
void RegImportKey(ProcessLauncher& launcher, const OsEdition& os, const std::string& rootText,
                  const std::string& keyPath, const std::string& fileName);

}  // namespace brisko
