// The services are read when first needed: every action sees the same
// entries, ticks, records and bytes as when they are read at start.
#include <gtest/gtest.h>

#include <functional>

#include "backup/accelerate_flow.h"
#include "backup/backup_file.h"
#include "backup/reg_export.h"
#include "backup/restore_command.h"
#include "backup/tweak_plan.h"
#include "engine/change_preview.h"
#include "prefs/preferences.h"
#include "startup/item_enabling.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

using testing::SimulatedContext;
using testing::SimulatedWindows;

std::string Model(ProgramContext& ctx) {
    std::string s;
    for (const auto& list : ctx.items.AllLists())
        for (const auto& e : list) s += e.label + (e.enabled ? "|on" : "|off") + (e.ticked ? "|x\n" : "|\n");
    for (TweakCategory c : kAllCategories)
        for (size_t i = 0; i < ctx.items.List(c).size(); ++i) s += ctx.items.states.Get(c, i) ? '1' : '0';
    return s;
}

std::string FileText(SimulatedContext& m, const std::string& path) { return m.files.ReadFile(path).value_or("none"); }

std::string Accelerate(SimulatedContext& m) {
    const AccelerateResult r = RunAccelerate(m.ctx);
    std::string s = std::string(r.changed ? "changed" : "unchanged") + FileText(m, r.backup.empty() ? "-" : r.backup);
    for (const auto& call : m.processes.calls) s += "\n" + call;
    for (const auto& shown : m.prompts.shown) s += "\n" + shown.text;
    return s;
}

const std::string kPlan = "[BriskoPlan]\r\nFormat=1\r\n[Service]\r\nAlerter=0\r\nAudioSrv=1\r\nDhcp=1\r\n"
                          "[BriskoPlanEnd]\r\nComplete=1\r\n";

struct Action {
    const char* name;
    std::function<std::string(SimulatedContext&)> run;
};
const Action kActions[] = {
    {"plan export", [](SimulatedContext& m) { WritePlanFile(m.ctx, "C:\\p.ini"); return FileText(m, "C:\\p.ini"); }},
    {".reg export", [](SimulatedContext& m) { return ExportTicksAsReg(m.ctx); }},
    {"backup", [](SimulatedContext& m) { return FileText(m, CreateBackup(m.ctx, true)); }},
    {"accelerate", Accelerate},
    {"plan applied",
     [](SimulatedContext& m) {
         m.files.WriteReplacing("C:\\p.ini", kPlan);
         return std::to_string(LoadPlanFile(m.ctx, "C:\\p.ini").refused.size()) + Accelerate(m);
     }},
    {"preview",
     [](SimulatedContext& m) {
         std::string s;
         for (const ChangeLine& l : PreviewChanges(m.ctx)) s += l.item + l.target + l.before + l.after + "\n";
         return s;
     }},
    {"restore",
     [](SimulatedContext& m) {
         const std::string backup = CreateBackup(m.ctx, true);
         return std::to_string(RunRestoreCommand(m.ctx, backup)) + Model(m.ctx);
     }},
};

TEST(LazyServices, EveryActionSeesWhatItSawWithTheServicesReadAtStart) {
    for (SimulatedWindows edition : {SimulatedWindows::Xp, SimulatedWindows::Win2000, SimulatedWindows::Nt4,
                                     SimulatedWindows::Win98})
        for (bool allowed : {false, true})
            for (const Action& action : kActions) {
                auto start = [&](SimulatedContext& m, bool eager) {
                    m.prompts.unscripted = false;
                    RunStartupSequence(m.ctx);
                    if (eager) m.ctx.items.NeedServices();
                    EXPECT_EQ(m.ctx.items.ServicesRead(), eager) << "nothing at start needs the services";
                    if (!allowed) return;
                    Preferences(m.files, m.ctx.paths.preferencesFile).Write("DisabledItem", "Service", "false");
                    ApplyDisabledItems(m.ctx);  // as the options window does
                };
                SimulatedContext eager(edition), lazy(edition);
                start(eager, true);
                start(lazy, false);
                const std::string what = std::string(action.name) + (allowed ? ", page allowed, " : ", ") +
                                         std::to_string(static_cast<int>(edition));
                EXPECT_EQ(action.run(lazy), action.run(eager)) << what;
                EXPECT_EQ(Model(lazy.ctx), Model(eager.ctx)) << what;
                for (const auto& e : lazy.ctx.items.List(TweakCategory::Service))
                    ASSERT_EQ(e.enabled, allowed) << what << ": the page stays as the user left it, restored or not";
            }
}

}  // namespace
}  // namespace brisko
