#include "engine/per_user_items.h"

#include <set>

#include "engine/item_passes.h"
#include "engine/user_targets.h"

namespace brisko {

namespace {
// By category, the numbers of the items that write under HKEY_CURRENT_USER.
const std::array<std::set<size_t>, 5> kPerUser = {{
    {8},                        // System: low disk space checks
    {1, 2, 3, 5, 6, 7, 8, 9},   // Desktop
    {1, 4, 9, 10},              // Explorer
    {3, 6, 7},                  // Startup and shutdown
    {1, 3, 5, 6, 7, 8},         // Others
}};

std::string Label(const ProgramContext& ctx, TweakCategory c, size_t position) {
    return "[" + std::string(CategoryName(c)) + "] " + ctx.items.List(c)[position].label;
}
}  // namespace

bool IsPerUserItem(TweakCategory category, size_t position) {
    const size_t c = CategoryIndex(category);
    return c < kPerUser.size() && kPerUser[c].contains(position + 1);
}

WantedTicks CurrentTicks(const ProgramContext& ctx) {
    WantedTicks ticks;
    for (TweakCategory c : kSettingCategories)
        for (const ItemEntry& e : ctx.items.List(c)) ticks[CategoryIndex(c)].push_back(e.ticked);
    return ticks;
}

WantedTicks EveryItem(const ProgramContext& ctx) {
    WantedTicks all;
    for (TweakCategory c : kSettingCategories) all[CategoryIndex(c)].assign(ctx.items.List(c).size(), true);
    return all;
}

WantedTicks ItemsAt(const ProgramContext& ctx, const std::vector<std::pair<TweakCategory, size_t>>& positions) {
    WantedTicks at;
    for (TweakCategory c : kSettingCategories) at[CategoryIndex(c)].assign(ctx.items.List(c).size(), false);
    for (const auto& [c, pos] : positions)
        if (c != TweakCategory::Service && pos < at[CategoryIndex(c)].size()) at[CategoryIndex(c)][pos] = true;
    return at;
}

void PrepareUserPass(ProgramContext& ctx, const WantedTicks& wanted, const WantedTicks& chosen) {
    ItemModel& m = ctx.items;
    for (TweakCategory c : kSettingCategories) {
        auto& list = m.List(c);
        for (size_t pos = 0; pos < list.size(); ++pos) {
            if (!IsPerUserItem(c, pos)) {
                list[pos].ticked = m.states.Get(c, pos);
                continue;
            }
            const ItemRule* rule = m.Rule(c, pos);
            m.states.Set(c, pos, rule && rule->IsOptimised(ctx));
            const size_t i = CategoryIndex(c);
            const bool isChosen = pos < chosen[i].size() && chosen[i][pos];
            list[pos].ticked = isChosen && pos < wanted[i].size() ? wanted[i][pos] : m.states.Get(c, pos);
        }
    }
    // The services are the machine's: their ticks follow their records.
    if (m.ServicesRead()) {
        auto& services = m.List(TweakCategory::Service);
        for (size_t pos = 0; pos < services.size(); ++pos) services[pos].ticked = m.states.Get(TweakCategory::Service, pos);
    }
}

void PrepareMachinePass(ProgramContext& ctx) {
    for (TweakCategory c : kSettingCategories) {
        auto& list = ctx.items.List(c);
        for (size_t pos = 0; pos < list.size(); ++pos)
            if (IsPerUserItem(c, pos)) list[pos].ticked = ctx.items.states.Get(c, pos);
    }
}

std::vector<std::string> TickedUserItems(const ProgramContext& ctx, const WantedTicks& chosen) {
    std::vector<std::string> labels;
    for (TweakCategory c : kSettingCategories) {
        const auto& list = ctx.items.List(c);
        const auto& isChosen = chosen[CategoryIndex(c)];
        for (size_t pos = 0; pos < list.size(); ++pos)
            if (IsPerUserItem(c, pos) && list[pos].ticked && list[pos].enabled && pos < isChosen.size() && isChosen[pos])
                labels.push_back(Label(ctx, c, pos));
    }
    return labels;
}

std::string OtherAccountQuestion(ProgramContext& ctx) {
    const RunIdentity who = IdentityOfRun(ctx);
    if (who.kind == RunKind::OwnUser) return "";
    size_t changing = 0;
    for (TweakCategory c : kSettingCategories)
        for (size_t pos = 0; pos < ctx.items.List(c).size(); ++pos)
            changing += IsPerUserItem(c, pos) && ItemEnabled(ctx, c, pos) &&
                        ctx.items.List(c)[pos].ticked != ctx.items.states.Get(c, pos);
    if (changing == 0) return "";
    const std::string runner = AccountText(who.account, who.sid);
    const std::string whose = who.kind == RunKind::OtherUser
                                  ? "サインインしているユーザー " + AccountText(who.shellAccount, who.shellSid) + " ではなく、" + runner
                                  : "どのユーザーでもない " + runner;
    return "Brisko は " + runner + " として実行されています。\r\nユーザーごとの設定 (" + std::to_string(changing) +
           " 項目) は、" + whose + " の設定に書き込まれます。\r\n続けますか？";
}

void RouteTo(ProgramContext& ctx, const UserHive& hive) {
    HiveRoute route = ctx.userHive.Route();
    route.hive = hive;
    ctx.userHive.Route(route);
}

}  // namespace brisko
