// Tweak plans on a simulated XP machine: saved ticks come back, disabled and
// unknown items are never set by a plan, and a damaged file changes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "backup/tweak_plan.h"
#include "engine/item_passes.h"
#include "startup/startup_sequence.h"
#include "support/simulated_context.h"
#include "support/test_data.h"

namespace brisko {
namespace {

const std::string kPlan = "C:\\plan.ini";

class TweakPlan : public ::testing::Test {
protected:
    testing::SimulatedContext sim{testing::SimulatedWindows::Xp};
    ProgramContext& ctx = sim.ctx;
    void SetUp() override { RunStartupSequence(ctx); }
    std::vector<bool> Ticks() {
        std::vector<bool> ticks;
        for (const auto& list : ctx.items.AllLists())
            for (const auto& e : list) ticks.push_back(e.ticked);
        return ticks;
    }
    void Put(const std::string& text) { sim.files.WriteReplacing(kPlan, text); }
    ItemEntry& Service(const std::string& displayName) {
        auto& list = ctx.items.List(TweakCategory::Service);
        return *std::find_if(list.begin(), list.end(), [&](const ItemEntry& e) { return e.label == displayName; });
    }
};

TEST_F(TweakPlan, SavedTicksComeBackIncludingServices) {
    for (auto [c, n] : {std::pair{TweakCategory::System, 5}, {TweakCategory::Others, 9}, {TweakCategory::Desktop, 1}})
        sim.Entry(c, n).ticked = !sim.Entry(c, n).ticked;
    for (auto& e : ctx.items.List(TweakCategory::Service)) e.enabled = true;  // the services page allowed
    Service("DHCP Client").ticked = true;
    Service("Alerter").ticked = false;
    const auto wanted = Ticks();
    WritePlanFile(ctx, kPlan);
    for (auto& list : ctx.items.AllLists())
        for (auto& e : list) e.ticked = e.enabled ? !e.ticked : e.ticked;
    const PlanLoad load = LoadPlanFile(ctx, kPlan);
    EXPECT_TRUE(load.recognised);
    EXPECT_EQ(Ticks(), wanted);
    EXPECT_TRUE(load.refused.empty());
    EXPECT_NE(sim.files.ReadFile(kPlan)->find("Dhcp=1"), std::string::npos);  // services by key name
}

TEST_F(TweakPlan, APlanWrittenHereLoadsBackHereWithNothingRefused) {
    WritePlanFile(ctx, kPlan);
    const std::string text = *sim.files.ReadFile(kPlan);
    EXPECT_EQ(text.find("[Service]"), std::string::npos) << "the services page is unavailable";
    for (auto& list : ctx.items.AllLists())  // what unavailable entries show may differ from run to run
        for (auto& e : list) e.ticked = e.enabled ? e.ticked : !e.ticked;
    const PlanLoad load = LoadPlanFile(ctx, kPlan);
    EXPECT_TRUE(load.recognised);
    EXPECT_TRUE(load.refused.empty()) << PlanRefusalMessage(load);
}

TEST_F(TweakPlan, AnEditorsPlanMatchesServiceKeysWithoutRegardToCase) {
    for (auto& e : ctx.items.List(TweakCategory::Service)) e.enabled = true;
    Service("DHCP Client").ticked = false;
    Put("\xEF\xBB\xBF[BriskoPlan]\r\nFormat=1\r\n[service]\r\ndhcp=1\r\n[BriskoPlanEnd]\r\nComplete=1\r\n");
    const PlanLoad load = LoadPlanFile(ctx, kPlan);
    EXPECT_TRUE(load.recognised && load.refused.empty());
    EXPECT_TRUE(Service("DHCP Client").ticked);
}

// Two services of one display name stay apart: each has its own plan key,
// and a plan naming one acts on that one alone.
TEST(TweakPlanTwins, EachServiceIsActedOnByItsKey) {
    testing::SimulatedContext sim(testing::SimulatedWindows::Xp);
    const std::string twin = "\\SYSTEM\\CurrentControlSet\\Services\\ZAudio";
    for (auto [name, kind, value] : {std::tuple{"DisplayName", "String", "Windows Audio"}, {"Type", "DWORD", "32"},
                                     {"Start", "DWORD", "2"}, {"ObjectName", "String", "LocalSystem"}})
        RegWriteValue(sim.registry, RegRoot::LocalMachine, twin, name, kind, value);
    sim.services.states.emplace_back("ZAudio", ServiceState::Running);
    RunStartupSequence(sim.ctx);
    for (auto& e : sim.ctx.items.List(TweakCategory::Service)) e.enabled = true;
    WritePlanFile(sim.ctx, kPlan);
    const std::string own = *sim.files.ReadFile(kPlan);
    EXPECT_NE(own.find("AudioSrv=0"), std::string::npos);
    EXPECT_NE(own.find("ZAudio=0"), std::string::npos);
    sim.files.WriteReplacing(kPlan, "[BriskoPlan]\r\nFormat=1\r\n[Service]\r\nZAudio=1\r\n[BriskoPlanEnd]\r\nComplete=1\r\n");
    ASSERT_TRUE(LoadPlanFile(sim.ctx, kPlan).recognised);
    ApplyItemStates(sim.ctx);
    EXPECT_EQ(sim.services.changes, (std::vector<std::string>{"stop|ZAudio", "start-type|ZAudio|3"}));
}

TEST_F(TweakPlan, FileThatIsNoCompletePlanChangesNothing) {
    for (auto& list : ctx.items.AllLists())
        for (auto& e : list) e.ticked = false;
    int files = 0;
    for (const auto& row : testing::TestDataRows("plan_files.tsv")) {
        const std::string text = testing::Unescaped(row.at(0));
        Put(text);
        const PlanLoad load = LoadPlanFile(ctx, kPlan);
        EXPECT_FALSE(load.recognised) << text;
        EXPECT_EQ(Ticks(), std::vector<bool>(Ticks().size(), false)) << text;
        if (row.size() > 1) { EXPECT_TRUE(load.problem.starts_with(row[1])) << load.problem; }
        ++files;
    }
    EXPECT_GT(files, 0);
    EXPECT_FALSE(LoadPlanFile(ctx, "C:\\missing.ini").recognised);
}

}  // namespace
}  // namespace brisko
