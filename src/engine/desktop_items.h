#pragma once
// The Desktop category: the desktop, start menu, notification area and Security Center.
#include <memory>
#include <vector>

#include "engine/item_rule.h"

namespace brisko {

// The ten rules, item 1 first.
std::vector<std::unique_ptr<ItemRule>> MakeDesktopRules();

}  // namespace brisko
