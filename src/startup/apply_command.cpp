#include "startup/apply_command.h"

#include <algorithm>

#include "backup/accelerate_flow.h"
#include "engine/per_user_items.h"
#include "engine/program_preferences.h"
#include "platform/error.h"
#include "startup/restart_need.h"
#include "startup/user_scope.h"

namespace brisko {

namespace {
std::string ItemName(ProgramContext& ctx, TweakCategory c, size_t position) {
    return "[" + std::string(CategoryName(c)) + "] " + ctx.items.List(c)[position].label;
}

void NoteChangedItems(ProgramContext& ctx, const ItemStateTable& before, CommandLog& log, const std::string& whose) {
    for (TweakCategory c : kAllCategories)
        for (size_t i = 0; i < ctx.items.List(c).size(); ++i)
            if (ctx.items.states.Get(c, i) != before.Get(c, i))
                log.Note((ctx.items.states.Get(c, i) ? "最適化: " : "既定に戻す: ") + ItemName(ctx, c, i) + whose);
}

// The rounds of one apply: the machine's items, then each hive's per-user
// items. Each names the items whose record it changed; `need` gathers what
// they wait for, `start` and `whose` say where the round in progress began.
struct Rounds {
    std::vector<ApplyRound> rounds;
    RestartNeed need = RestartNeed::None;
    ItemStateTable start;
    std::string whose;
};

void AddRound(Rounds& r, ProgramContext& ctx, CommandLog& log, std::function<void()> prepare, const std::string& whose) {
    r.rounds.push_back({[&r, &ctx, prepare = std::move(prepare), whose] {
                            prepare();
                            r.start = ctx.items.states;
                            r.whose = whose;
                        },
                        [&r, &ctx, &log, whose](const ItemStateTable& before) {
                            NoteChangedItems(ctx, before, log, whose);
                            r.need = std::max(r.need, NeedOfChangedItems(ctx, before));
                        },
                        whose});
}

// The accelerate button's work without its questions; the log names every
// item whose record changed and every item that did not take. A run that
// fails part-way names the backup and the items the round in progress had
// already changed (earlier rounds named theirs).
int ApplyTicks(ProgramContext& ctx, CommandLog& log, Rounds& r) {
    ctx.items.NeedServices();
    r.start = ctx.items.states;
    std::string backup;
    AccelerateResult result;
    try {
        result = RunAccelerate(ctx, "高速化 (/apply)", [&](const std::string& path) {
            backup = path;
            log.Begin(path);
        }, r.rounds);
    } catch (const BriskoError&) {
        if (!backup.empty()) log.Note("バックアップ: " + backup);
        NoteChangedItems(ctx, r.start, log, r.whose);
        throw;
    }
    if (!result.backup.empty()) log.Note("バックアップ: " + result.backup);
    if (!result.note.empty()) log.Warn(result.note);
    else if (PreferencesOf(ctx).AutoBackupSuppressed()) log.Note("自動バックアップは設定で無効です。");
    for (const std::string& label : result.notSet) log.Note("設定できませんでした: " + label);
    if (!result.changed && result.notSet.empty()) log.Note("変更された設定はありません。");
    if (!result.notSet.empty()) return kExitItemsNotSet;
    return DoneExitCode(r.need, log);
}
}  // namespace

int LoadPlanForCommand(ProgramContext& ctx, const std::string& path, CommandLog& log, PlanLoad* loaded) {
    const PlanLoad plan = LoadPlanFile(ctx, path);
    if (loaded) *loaded = plan;
    if (!plan.recognised) {
        if (!plan.problem.empty()) log.Note(plan.problem);
        log.Note("プラン ファイルではないか、壊れています。何も変更しません: " + path);
        return kExitRefused;
    }
    for (const std::string& name : plan.refused) log.Note("無効または利用できない項目のため設定しません: " + name);
    return plan.refused.empty() ? kExitDone : kExitItemsNotSet;
}

int ApplyPlanCommand(ProgramContext& ctx, const Command& command, CommandLog& log) {
    PlanLoad plan;
    const int loaded = LoadPlanForCommand(ctx, command.file, log, &plan);
    if (loaded == kExitRefused) return loaded;
    const WantedTicks wanted = CurrentTicks(ctx), chosen = ItemsAt(ctx, plan.named);
    const std::vector<std::string> userItems = TickedUserItems(ctx, chosen);
    const UserScope scope = ChooseUsers(ctx, command.users, userItems, "適用", log);
    if (scope.refused) return kExitRefused;
    if (scope.userItemsLeftOut)
        for (const std::string& label : userItems) log.Note(kUserItemLeftOut + label);
    OpenedHives hives(ctx, scope.hives);
    for (const std::string& skipped : hives.Skipped()) log.Error("このユーザーの設定は変更していません: " + skipped);
    ctx.userHives = hives.Hives();
    Rounds r;
    AddRound(r, ctx, log, [&ctx] { PrepareMachinePass(ctx); }, "");
    for (const UserHive& hive : hives.Hives())
        AddRound(r, ctx, log, [&ctx, &wanted, &chosen, hive] {
            RouteTo(ctx, hive);
            PrepareUserPass(ctx, wanted, chosen);
        }, UserSuffix(hive));
    const int applied = ApplyTicks(ctx, log, r);
    for (const std::string& stuck : hives.Close()) log.Error("読み込んだユーザーのハイブをアンロードできませんでした: " + stuck);
    return loaded == kExitDone ? applied : loaded;  // items left as they were: no success, restart or not
}

}  // namespace brisko
