// /check and /restore as deployment tools see them; policy items' values.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/item_passes.h"
#include "engine/policy_note.h"
#include "platform/registry_values.h"
#include "startup/silent_run.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

using testing::SimulatedWindows;

const std::string kHead = "[BriskoPlan]\r\nFormat=1\r\n", kTail = "[BriskoPlanEnd]\r\nComplete=1\r\n";

struct Machine : testing::MemoryBackends {
    Machine() { testing::FillSimulated(SimulatedWindows::Xp, *this); }
    std::vector<std::string> lines;
    // One run of brisko.exe, with a context of its own as each process has.
    int Run(const std::string& plan, const std::vector<std::string>& args) {
        if (!plan.empty()) files.WriteReplacing("C:\\plan.ini", kHead + plan + kTail);
        CommandLog log;
        ProgramContext ctx{Platform{registry, files, processes, log, resources, system, services, clock}};
        const int code = RunSilentCommand(ctx, ParseCommandLine(args), log, "");
        lines = log.Lines();
        return code;
    }
    bool Logged(const std::string& start) const {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(start); });
    }
};

TEST(FleetCommands, CheckFindsWhatApplySetAndWhatChangedSince) {
    Machine m;
    const std::string irq8 =
        "[システム] " + testing::StartedContext(SimulatedWindows::Xp).Entry(TweakCategory::System, 5).label;
    // Read only, even where Brisko never ran: no preferences file, no backup, only the log.
    EXPECT_EQ(m.Run("[System]\r\n5=1\r\n[Desktop]\r\n3=1\r\n", {"/check", "C:\\plan.ini"}), 1);
    EXPECT_TRUE(m.Logged("違い: " + irq8 + "  プラン: 最適化  検出: 既定"));
    EXPECT_EQ(m.files.ListFolder("C:\\Program Files\\Brisko\\backups").size(), 1u);  // the log
    EXPECT_FALSE(m.files.ReadFile("C:\\Program Files\\Brisko\\Brisko.ini"));
    EXPECT_EQ(m.Run("", {"/apply", "C:\\plan.ini"}), 3010);
    EXPECT_EQ(m.Run("", {"/check", "C:\\plan.ini"}), 0);
    RegWriteValue(m.registry, RegRoot::LocalMachine, "\\SYSTEM\\CurrentControlSet\\Control\\PriorityControl",
                  "IRQ8Priority", "DWORD", "1");
    EXPECT_EQ(m.Run("", {"/check", "C:\\plan.ini", "/quiet"}), 1);
    EXPECT_TRUE(m.Logged("違い: " + irq8));
    // System 6 is unavailable on XP; the service is not listed here.
    EXPECT_EQ(m.Run("[System]\r\n6=1\r\n[Service]\r\nGone=1\r\n", {"/check", "C:\\plan.ini"}), 0);
    EXPECT_TRUE(m.Logged("無効またはこのコンピュータでは使えない項目 (違いに数えません): [サービス] Gone"));
}

TEST(FleetCommands, RestoreEndsWith3010OnlyWhenItChangedSomething) {
    Machine m;
    EXPECT_EQ(m.Run("", {"/backup", "C:\\saved"}), 0);
    const std::string backup = "C:\\saved\\" + m.files.ListFolder("C:\\saved").at(0).name;
    EXPECT_EQ(m.Run("[System]\r\n5=1\r\n", {"/apply", "C:\\plan.ini"}), 3010);
    EXPECT_EQ(m.Run("", {"/restore", backup}), 3010);
    EXPECT_EQ(m.Run("", {"/restore", backup}), 0);  // nothing left to change
}

// Every item whose rule writes under Policies, on each edition, on a machine
// as installed and on one without those values: ticked, applied, unticked and
// applied again, it leaves no value there that was not there before. On
// Windows 8 (6.2) each one's description tells of it.
TEST(FleetCommands, UntickingPolicyItemsLeavesNoValueOfTheirs) {
    size_t checked = 0;
    for (SimulatedWindows edition : {SimulatedWindows::Xp, SimulatedWindows::Win2000, SimulatedWindows::Win98})
        for (bool emptied : {false, true}) {
            testing::StartedContext m(edition);
            m.system.version = {2, 6, 2};
            auto present = [&](const RegistryValue& v) { return RegExists(m.registry, v.root, v.keyPath, v.name, "Value"); };
            for (TweakCategory c : kSettingCategories)
                for (size_t i = 0; i < m.ctx.items.List(c).size(); ++i) {
                    if (!ItemEnabled(m.ctx, c, i) || !WritesUnderPolicies(m.ctx, c, i)) continue;
                    std::vector<RegistryValue> absent;
                    for (const RegistryValue& v : m.ctx.items.Rule(c, i)->OptimisedValues(m.ctx)) {
                        if (emptied) RegDeleteValue(m.registry, v.root, v.keyPath, v.name);
                        if (!present(v)) absent.push_back(v);
                    }
                    m.Redetect();
                    for (bool tick : {true, false}) {
                        m.ctx.items.List(c)[i].ticked = tick;
                        ApplyItemStates(m.ctx);
                    }
                    for (const RegistryValue& v : absent) EXPECT_FALSE(present(v)) << CategoryName(c) << i + 1 << v.name;
                    EXPECT_NE(PolicyNote(m.ctx, c, i).find("組織によって管理"), std::string::npos);
                    ++checked;
                }
        }
    EXPECT_GT(checked, 30u);
}

}  // namespace
}  // namespace brisko
