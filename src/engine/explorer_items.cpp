#include "engine/explorer_items.h"

namespace brisko {

std::vector<std::unique_ptr<ItemRule>> MakeExplorerRules() { return {}; }  // PLACEHOLDER: being written

}  // namespace brisko
