// Tweak plans on a simulated XP machine: saved ticks come back, disabled and
// unknown items are never set by a plan, and a damaged file changes nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "backup/tweak_plan.h"
#include "startup/startup_sequence.h"
#include "support/simulated_context.h"

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
        for (const auto& list : ctx.items.lists)
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
    for (auto& list : ctx.items.lists)
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
    for (auto& list : ctx.items.lists)  // what unavailable entries show may differ from run to run
        for (auto& e : list) e.ticked = e.enabled ? e.ticked : !e.ticked;
    const PlanLoad load = LoadPlanFile(ctx, kPlan);
    EXPECT_TRUE(load.recognised);
    EXPECT_TRUE(load.refused.empty()) << PlanRefusalMessage(load);
}

TEST_F(TweakPlan, ServiceKeysMatchWithoutRegardToCase) {
    for (auto& e : ctx.items.List(TweakCategory::Service)) e.enabled = true;
    Service("DHCP Client").ticked = false;
    Put("[BriskoPlan]\r\nFormat=1\r\n[service]\r\ndhcp=1\r\n[BriskoPlanEnd]\r\nComplete=1\r\n");
    const PlanLoad load = LoadPlanFile(ctx, kPlan);
    EXPECT_TRUE(load.recognised && load.refused.empty());
    EXPECT_TRUE(Service("DHCP Client").ticked);
}

TEST_F(TweakPlan, DisabledAndUnknownItemsAreNamedNeverSet) {
    ItemEntry& disabled = sim.Entry(TweakCategory::Explorer, 2);
    disabled.enabled = false;
    disabled.ticked = false;
    const bool othersTick = sim.Entry(TweakCategory::Others, 1).ticked;
    Put("[BriskoPlan]\r\nFormat=1\r\n[Explorer]\r\n2=1\r\n[Others]\r\n1=" + std::string(othersTick ? "0" : "1") +
        "\r\n[Service]\r\nNoSuchService=1\r\nAlsoMissing=0\r\n[BriskoPlanEnd]\r\nComplete=1\r\n");
    const PlanLoad load = LoadPlanFile(ctx, kPlan);
    EXPECT_TRUE(load.recognised);
    EXPECT_FALSE(disabled.ticked);
    EXPECT_NE(sim.Entry(TweakCategory::Others, 1).ticked, othersTick);  // the rest of the plan still counts
    ASSERT_EQ(load.refused.size(), 2u);                                 // an absent service left unticked is no refusal
    EXPECT_EQ(load.refused[0], "[エクスプローラ] " + disabled.label);
    EXPECT_EQ(load.refused[1], "[サービス] NoSuchService");
}

TEST_F(TweakPlan, FileThatIsNoCompletePlanChangesNothing) {
    const std::string head = "[BriskoPlan]\r\nFormat=1\r\n", tail = "[BriskoPlanEnd]\r\nComplete=1\r\n";
    const std::string cases[] = {
        "[System]\r\n1=1\r\n" + tail,                              // no opening mark
        head + "[System]\r\n1=1\r\n",                              // cut short
        "[BriskoPlan]\r\nFormat=9\r\n[System]\r\n1=1\r\n" + tail,  // a later format
        head + "[System]\r\n1=yes\r\n" + tail,
        head + "[Desktop]\r\n11=1\r\n" + tail,
        head + "[Desktop]\r\n0=1\r\n" + tail,
        head + "[Service]\r\nDhcp=2\r\n" + tail,
        head + "[System]\r\n1=1\r\n" + std::string("\0\0", 2) + tail,
        "[バックアップ]\r\n形式=2\r\n[システム]\r\n1=1\r\n[バックアップ終了]\r\n完了=1\r\n",
        head + "[System]\r\n1=1\r\n[Desktop]\r\n1=1\r\n[system]\r\n2=1\r\n" + tail,  // a section twice
        head + "[System]\r\n3=1\r\n3=zz\r\n" + tail,                               // a key twice
        head + "[Services]\r\nDhcp=1\r\n" + tail,                                   // a section no plan has
        head + "[Service]\r\nDhcp=1\r\nDHCP=0\r\n" + tail,
    };
    for (auto& list : ctx.items.lists)
        for (auto& e : list) e.ticked = false;
    for (const std::string& text : cases) {
        Put(text);
        EXPECT_FALSE(LoadPlanFile(ctx, kPlan).recognised) << text;
        EXPECT_EQ(Ticks(), std::vector<bool>(Ticks().size(), false)) << text;
    }
    EXPECT_FALSE(LoadPlanFile(ctx, "C:\\missing.ini").recognised);
    Put(head + "[System]\r\n3=1\r\n3=zz\r\n" + tail);
    EXPECT_TRUE(LoadPlanFile(ctx, kPlan).problem.starts_with("プラン ファイルの 5 行目"));
}

}  // namespace
}  // namespace brisko
