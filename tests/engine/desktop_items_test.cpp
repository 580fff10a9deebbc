// The Desktop items with rules of their own, on simulated machines.
#include <gtest/gtest.h>

#include "engine/item_passes.h"
#include "platform/registry_values.h"
#include "startup/startup_sequence.h"
#include "support/item_probes.h"
#include "support/simulated_context.h"
#include "support/test_data.h"

namespace brisko {
namespace {

using testing::ApplyOne;
using testing::ShownMessage;
using testing::SimulatedContext;
using testing::SimulatedWindows;

const RegRoot HKLM = RegRoot::LocalMachine;
const RegRoot HKCU = RegRoot::CurrentUser;
const std::string DESK = "\\Control Panel\\Desktop";
const std::string POL = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::string TRAY = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\TrayNotify";
const std::string WSC = "\\SYSTEM\\CurrentControlSet\\Services\\wscsvc";
const std::string kRestartQuestion = "\r\n[デスクトップ]⑨を有効にするために、Explorer.exeを再起動しますか？";

SimulatedContext& Started(SimulatedContext& sim, SimulatedWindows edition) {
    if (edition == SimulatedWindows::Xp) sim.services.states.emplace_back("wscsvc", ServiceState::Running);
    RunStartupSequence(sim.ctx);
    return sim;
}

std::string Wallpaper(SimulatedContext& sim) { return sim.Hkcu(DESK, "Wallpaper", "String"); }

TEST(DesktopWallpaper, KeptPathComesBackOnceAndSurvivesASecondOptimise) {
    SimulatedContext sim(SimulatedWindows::Win2000);
    Started(sim, SimulatedWindows::Win2000);
    RegWriteValue(sim.registry, HKCU, DESK, "Wallpaper", "String", "D:\\Data\\写真.bmp");
    ApplyOne(sim.ctx, TweakCategory::Desktop, 7, true);
    EXPECT_EQ(sim.Prefs("デスクトップ", "7"), "D:\\Data\\写真.bmp");
    ApplyOne(sim.ctx, TweakCategory::Desktop, 7, true);  // no wallpaper now: the older entry stays
    EXPECT_EQ(sim.Prefs("デスクトップ", "7"), "D:\\Data\\写真.bmp");
    ApplyOne(sim.ctx, TweakCategory::Desktop, 7, false);
    EXPECT_EQ(Wallpaper(sim), "D:\\Data\\写真.bmp");
    EXPECT_EQ(sim.Prefs("デスクトップ", "7"), "");
    ApplyOne(sim.ctx, TweakCategory::Desktop, 7, false);  // the emptied entry counts as nothing kept
    EXPECT_EQ(Wallpaper(sim), "C:\\WINNT\\シャボン.bmp");
}

TEST(DesktopTrayIcons, RestartOfferedAfterDeletingAndAnsweredBeforeItem10) {
    for (bool yes : {true, false}) {
        SimulatedContext sim(SimulatedWindows::Xp);
        Started(sim, SimulatedWindows::Xp);
        sim.Entry(TweakCategory::Desktop, 9).ticked = true;
        sim.Entry(TweakCategory::Desktop, 10).ticked = true;
        sim.prompts.AnswerNext(yes);
        ApplyItemStates(sim.ctx);
        EXPECT_FALSE(RegExists(sim.registry, HKCU, TRAY, "IconStreams", "Value"));
        EXPECT_EQ(sim.prompts.shown, (std::vector<ShownMessage>{{PromptKind::Confirm, kRestartQuestion}}));
        EXPECT_EQ(sim.processes.calls, yes ? std::vector<std::string>{"restart-explorer"} : std::vector<std::string>{});
        EXPECT_EQ(sim.services.changes, (std::vector<std::string>{"stop|wscsvc", "start-type|wscsvc|3"}));
    }
}

// The names of tests/data/security_center_names.tsv.
TEST(DesktopSecurityCenter, UnusableDisplayNameGivesUpWithAnError) {
    for (const auto& c : testing::TestDataRows("security_center_names.tsv")) {
        for (bool ticked : {true, false}) {
            SimulatedContext sim(SimulatedWindows::Xp);
            Started(sim, SimulatedWindows::Xp);
            RegDeleteValue(sim.registry, HKLM, WSC, "DisplayName");
            RegWriteValue(sim.registry, HKLM, WSC, "DisplayName", c.at(0), c.at(1));
            ApplyOne(sim.ctx, TweakCategory::Desktop, 10, ticked);
            // A name that cannot be read leaves the record; one that cannot be
            // used is refused, and the record follows the running service.
            const bool unusable = c.at(0) == "String" && c.at(1) != "NULL";
            EXPECT_EQ(sim.ctx.items.states.Get(TweakCategory::Desktop, 9), !ticked && !unusable);
            EXPECT_TRUE(sim.services.requests.empty());
            EXPECT_EQ(sim.Hklm(WSC, "Start"), "2");
            ASSERT_EQ(sim.prompts.shown.size(), 1u);
            EXPECT_EQ(sim.prompts.shown[0].kind, PromptKind::Error);
        }
    }
}

}  // namespace
}  // namespace brisko
