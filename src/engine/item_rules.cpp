#include "engine/item_rules.h"

#include "engine/system_items.h"

namespace brisko {

void InstallItemRules(ItemModel& items) { items.rules[CategoryIndex(TweakCategory::System)] = MakeSystemRules(); }

}  // namespace brisko
