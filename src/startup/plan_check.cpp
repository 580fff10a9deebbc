#include "startup/plan_check.h"

#include "backup/tweak_plan.h"
#include "engine/item_passes.h"
#include "startup/silent_run.h"
#include "startup/startup_sequence.h"

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
}  // namespace

int CheckPlan(ProgramContext& ctx, const std::string& planPath, CommandLog& log) {
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
    size_t differing = 0;
    for (TweakCategory c : kAllCategories) {
        const auto& list = ctx.items.List(c);
        for (size_t i = 0; i < list.size(); ++i) {
            const bool found = detected[CategoryIndex(c)][i].ticked;
            if (list[i].ticked == found) continue;
            ++differing;
            log.Note("違い: [" + std::string(CategoryName(c)) + "] " + list[i].label + "  プラン: " +
                     StateName(list[i].ticked) + "  検出: " + StateName(found));
        }
    }
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
