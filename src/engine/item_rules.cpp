#include "engine/item_rules.h"

#include "engine/desktop_items.h"
#include "engine/explorer_items.h"
#include "engine/others_items.h"
#include "engine/power_items.h"
#include "engine/system_items.h"

namespace brisko {

void InstallItemRules(ItemModel& items) {
    items.rules[CategoryIndex(TweakCategory::System)] = MakeSystemRules();
    items.rules[CategoryIndex(TweakCategory::Desktop)] = MakeDesktopRules();
    items.rules[CategoryIndex(TweakCategory::Explorer)] = MakeExplorerRules();
    items.rules[CategoryIndex(TweakCategory::Power)] = MakePowerRules();
    items.rules[CategoryIndex(TweakCategory::Others)] = MakeOthersRules();
}

}  // namespace brisko
