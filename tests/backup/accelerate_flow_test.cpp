// The accelerate button's flow on a simulated XP machine.
#include <gtest/gtest.h>

#include "backup/accelerate_flow.h"
#include "engine/item_passes.h"
#include "platform/registry_values.h"
#include "prefs/preferences.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

using testing::ShownMessage;

class AccelerateFlow : public ::testing::Test {
protected:
    testing::StartedContext sim{testing::SimulatedWindows::Xp};
    ProgramContext& ctx = sim.ctx;
    Preferences prefs{sim.files, "C:\\Program Files\\Brisko\\Brisko.ini"};
    size_t Backups() { return testing::IniFilesIn(sim.files, "C:\\Program Files\\Brisko\\backups"); }
    std::string Irq8() { return sim.Irq8(); }
    void Press(bool yes = true) {
        sim.prompts.AnswerNext(yes);
        BtnAccelerateClick(ctx);
    }
};

TEST_F(AccelerateFlow, NothingChangedDeletesTheAutomaticBackup) {
    Press();
    EXPECT_EQ(sim.prompts.shown.back(), (ShownMessage{PromptKind::Inform, "\r\n変更された設定はありません。"}));
    EXPECT_EQ(Backups(), 0u);
}

// Writes the registry refuses without a word: a DWORD write, and a deletion
// (without rights on the key its values read as absent, which is what
// unticking wants). Reading back what the item did tells; the item that took
// stays, and no message that the settings changed follows.
TEST_F(AccelerateFlow, SilentlyRefusedWritesAreNamedAndUnticked) {
    const std::string policies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
    RegWriteValue(sim.registry, RegRoot::CurrentUser, "\\" + policies, "ClearRecentDocsOnExit", "DWORD", "1");
    sim.registry.DenyWrites(RegRoot::LocalMachine, "SYSTEM\\CurrentControlSet\\Control\\PriorityControl");
    sim.registry.DenyWrites(RegRoot::CurrentUser, policies);
    prefs.SetAutoBackupSuppressed(true);  // a backup would refuse the keys it cannot read
    sim.Entry(TweakCategory::System, 5).ticked = true;
    sim.Entry(TweakCategory::System, 1).ticked = true;
    sim.Entry(TweakCategory::Power, 3).ticked = false;
    ctx.items.states.Set(TweakCategory::Power, 2, true);
    Press();
    EXPECT_EQ(sim.prompts.shown[1],
              (ShownMessage{PromptKind::Error, "次の項目は設定できませんでした\r\n" +
                                                   sim.Entry(TweakCategory::System, 5).label + "\r\n" +
                                                   sim.Entry(TweakCategory::Power, 3).label}));
    EXPECT_FALSE(sim.Entry(TweakCategory::System, 5).ticked);
    EXPECT_FALSE(ctx.items.states.Get(TweakCategory::System, 4));
    EXPECT_TRUE(ctx.items.states.Get(TweakCategory::System, 0));
    EXPECT_EQ(sim.prompts.shown.size(), 2u);
}

}  // namespace
}  // namespace brisko
