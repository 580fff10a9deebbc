#pragma once
// The Power category: start-up, logon and shutdown.
#include <memory>
#include <vector>

#include "engine/item_rule.h"

namespace brisko {

// The ten rules, item 1 first.
std::vector<std::unique_ptr<ItemRule>> MakePowerRules();

}  // namespace brisko
