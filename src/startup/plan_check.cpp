#include "startup/plan_check.h"

#include <functional>
#include <optional>

#include "backup/tweak_plan.h"
#include "engine/item_passes.h"
#include "engine/per_user_items.h"
#include "startup/silent_run.h"
#include "startup/startup_sequence.h"
#include "startup/user_scope.h"

namespace brisko {

namespace {
// Rehearses everything from here to the end of the check, however it ends;
// what the start-up would have said or started goes to the log.
class Untouched {
public:
    Untouched(ProgramContext& ctx, CommandLog& log) : ctx_(ctx), log_(log) { ctx_.journal.StartRehearsal(); }
    ~Untouched() {
        std::vector<std::string> notes;
        while (ctx_.journal.Rehearsing()) ctx_.journal.Take(&notes);
        for (const std::string& note : notes) log_.Note("(調べる間の記録) " + note);
    }
    Untouched(const Untouched&) = delete;
    Untouched& operator=(const Untouched&) = delete;

private:
    ProgramContext& ctx_;
    CommandLog& log_;
};

const char* StateName(bool optimised) { return optimised ? "最適化" : "既定"; }

// What the plan wants of an item and what was found, for the items compared.
struct Compared {
    bool plan, found;
};
using Comparison = std::function<std::optional<Compared>(TweakCategory, size_t)>;

// Names each compared item that differs, with `whose`; returns how many.
size_t Differences(ProgramContext& ctx, const Comparison& compare, const std::string& whose, CommandLog& log) {
    size_t differing = 0;
    for (TweakCategory c : kAllCategories) {
        const auto& list = ctx.items.List(c);
        for (size_t i = 0; i < list.size(); ++i) {
            const auto both = compare(c, i);
            if (!both || both->plan == both->found) continue;
            ++differing;
            log.Note("違い: [" + std::string(CategoryName(c)) + "] " + list[i].label + whose + "  プラン: " +
                     StateName(both->plan) + "  検出: " + StateName(both->found));
        }
    }
    return differing;
}
}  // namespace

int CheckPlan(ProgramContext& ctx, const std::string& planPath, CommandLog& log,
              const std::optional<UserChoice>& users) {
    Untouched untouched(ctx, log);
    RunStartupSequence(ctx);
    // Every available item's tick is what detection found; the plan moves
    // the ticks it wants otherwise.
    const auto detected = ctx.items.AllLists();
    const PlanLoad plan = LoadPlanFile(ctx, planPath);
    if (!plan.recognised) {
        if (!plan.problem.empty()) log.Note(plan.problem);
        log.Note("プラン ファイルではないか、壊れています: " + planPath);
        return kExitRefused;
    }
    const WantedTicks wanted = CurrentTicks(ctx), chosen = ItemsAt(ctx, plan.named);
    const std::vector<std::string> userItems = TickedUserItems(ctx, chosen);
    const UserScope scope = ChooseUsers(ctx, users, userItems, "確認", log);
    if (scope.refused) return kExitRefused;
    size_t differing = Differences(ctx, [&](TweakCategory c, size_t i) -> std::optional<Compared> {
        if (IsPerUserItem(c, i)) return std::nullopt;
        return Compared{ctx.items.List(c)[i].ticked, detected[CategoryIndex(c)][i].ticked};
    }, "", log);
    if (scope.userItemsLeftOut)
        for (const std::string& label : userItems) log.Note(kUserItemLeftOut + label + " (違いに数えません)");
    OpenedHives hives(ctx, scope.hives);
    for (const std::string& skipped : hives.Skipped()) log.Error("このユーザーは調べていません: " + skipped);
    for (const UserHive& hive : hives.Hives()) {
        RouteTo(ctx, hive);
        PrepareUserPass(ctx, wanted, chosen);
        // Each hive's records, read by the user pass; the plan's named items compared.
        const size_t differs = Differences(ctx, [&](TweakCategory c, size_t i) -> std::optional<Compared> {
            if (!IsPerUserItem(c, i) || !chosen[CategoryIndex(c)][i]) return std::nullopt;
            return Compared{wanted[CategoryIndex(c)][i], ctx.items.states.Get(c, i)};
        }, UserSuffix(hive), log);
        differing += differs;
        if (!hive.sid.empty())
            log.Note("利用者 " + HiveName(hive) + ": " +
                     (differs == 0 ? std::string("プランの通りです。") : "プランと違う項目 " + std::to_string(differs)));
    }
    for (const std::string& stuck : hives.Close()) log.Error("読み込んだユーザーのハイブをアンロードできませんでした: " + stuck);
    for (const std::string& name : plan.refused)
        log.Note("無効またはこのコンピュータでは使えない項目 (違いに数えません): " + name);
    if (differing == 0) {
        log.Note("このコンピュータはプランの通りです。");
        return kExitDone;
    }
    log.Note("プランと違う項目: " + std::to_string(differing));
    return kExitDiffers;
}

}  // namespace brisko
