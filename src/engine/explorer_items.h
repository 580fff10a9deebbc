#pragma once
// The Explorer category: the file explorer, NTFS and the shell's folder handlers.
#include <memory>
#include <vector>

#include "engine/item_rule.h"

namespace brisko {

// The ten rules, item 1 first.
std::vector<std::unique_ptr<ItemRule>> MakeExplorerRules();

}  // namespace brisko
