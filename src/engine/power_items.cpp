#include "engine/power_items.h"

namespace brisko {

std::vector<std::unique_ptr<ItemRule>> MakePowerRules() { return {}; }  // PLACEHOLDER: being written

}  // namespace brisko
