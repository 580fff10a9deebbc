#include "engine/others_items.h"

namespace brisko {

std::vector<std::unique_ptr<ItemRule>> MakeOthersRules() { return {}; }  // PLACEHOLDER: being written

}  // namespace brisko
