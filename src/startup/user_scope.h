#pragma once
// The users a command's per-user items are for: what `/user:` chose, or
// without it the program's own user on a user's own run. Under SYSTEM, a
// service's account or an administrator elevated for another user,
// HKEY_CURRENT_USER is not the settings anyone means: a plan that ticks a
// per-user item is refused there unless `/user:` says whose.
#include <optional>
#include <string>
#include <vector>

#include "engine/user_targets.h"
#include "startup/silent_run.h"

namespace brisko {

struct UserScope {
    bool refused = false;           // the refusal is logged: exit 2, nothing written
    bool userItemsLeftOut = false;  // the per-user items are not acted on at all
    std::vector<UserHive> hives;    // the hives to open, each once
};

// verb says what the command does to items ("適用", "確認"); tickedUserItems
// names the per-user items the plan ticks. Profiles that cannot be used are
// logged as errors (the run then ends with 1).
UserScope ChooseUsers(ProgramContext& ctx, const std::optional<UserChoice>& choice,
                      const std::vector<std::string>& tickedUserItems, const std::string& verb, CommandLog& log);

// " 利用者 S-1-5-21-…-1001 (PC\\taro)" for a hive whose user is known; "" otherwise.
std::string UserSuffix(const UserHive& hive);

// The line that names a per-user item left out.
inline constexpr const char* kUserItemLeftOut = "ユーザーごとの設定のため適用しません: ";

}  // namespace brisko
