#pragma once
// The System category: memory, kernel and update settings.
#include <memory>
#include <vector>

#include "engine/item_rule.h"

namespace brisko {

// The ten rules, item 1 first.
std::vector<std::unique_ptr<ItemRule>> MakeSystemRules();

// What System 9 shows when sysoc.inf was not found.
inline constexpr const char* kSysocMissingMessage =
    "[システム]9 設定対象ファイルの検出に失敗しました。\r\n[オプション] から正しいファイルパスを設定することができます。";

}  // namespace brisko
