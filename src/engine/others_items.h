#pragma once
// The Others category: the media player, error reporting, Internet Explorer, updates, shortcuts, animations, AutoPlay and Messenger.
#include <memory>
#include <vector>

#include "engine/item_rule.h"

namespace brisko {

// The ten rules, item 1 first.
std::vector<std::unique_ptr<ItemRule>> MakeOthersRules();

}  // namespace brisko
