#pragma once
// The Explorer category: the file explorer, NTFS and the shell's folder handlers.
#include <memory>
#include <vector>

#include "engine/item_rule.h"

namespace brisko {

// The ten rules, item 1 first.
std::vector<std::unique_ptr<ItemRule>> MakeExplorerRules();

// Item 8's commands: regsvr32 (un)registering the cabinet and zip folder
// handlers, each DLL by its full path in the system folder, so nothing of
// that name is taken from elsewhere (Windows 2000 has no zipfldr.dll).
void RegisterCompressedFolders(ProgramContext& ctx, bool registered);

}  // namespace brisko
