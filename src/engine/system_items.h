#pragma once
// The System category: memory, kernel and update settings.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/item_rule.h"

namespace brisko {

// The ten rules, item 1 first.
std::vector<std::unique_ptr<ItemRule>> MakeSystemRules();

// Item 3 lives inside the Windows subsystem's command line (csrss), which
// NT does not start without. `line` with its "SharedSection=" numbers
// replaced by those of `from`, the rest of it as it is; nullopt when either
// line has no such numbers.
std::optional<std::string> WithSharedSectionOf(const std::string& line, const std::string& from);

// Item 9's change to a component line of sysoc.inf: the first "hide" taken out.
std::string WithoutHideFlag(const std::string& line);

// What System 9 shows when sysoc.inf was not found.
inline constexpr const char* kSysocMissingMessage =
    "[システム]9 設定対象ファイルの検出に失敗しました。\r\n[オプション] から正しいファイルパスを設定することができます。";

}  // namespace brisko
