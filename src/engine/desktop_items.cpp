#include "engine/desktop_items.h"

namespace brisko {

std::vector<std::unique_ptr<ItemRule>> MakeDesktopRules() { return {}; }  // PLACEHOLDER: being written

}  // namespace brisko
