// The accelerate button's flow on a simulated XP machine.
#include <gtest/gtest.h>

#include "engine/accelerate_flow.h"
#include "engine/item_passes.h"
#include "platform/error.h"
#include "platform/registry_values.h"
#include "prefs/preferences.h"
#include "prefs/startup_sequence.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

using testing::ShownMessage;

const char* const kChanged =
    "Windows の設定を変更しました。\r\n変更した設定を反映するには Windows の再起動または再ログオンが必要です。";
const char* const kNote =
    "\r\n\r\n※ 「保存と復元」から自動的に作成されたバックアップを指定することで、\r\n"
    "　コンピュータの状態を変更前の時点まで戻すことができます。";

class AccelerateFlow : public ::testing::Test {
protected:
    testing::SimulatedContext sim{testing::SimulatedWindows::Xp};
    ProgramContext& ctx = sim.ctx;
    Preferences prefs{sim.files, "C:\\Program Files\\Brisko\\Brisko.ini"};
    std::string countAtStart;
    void SetUp() override {
        RunStartupSequence(ctx);
        countAtStart = ctx.items.countText;
    }
    // The count text with one unticked item fewer than at start.
    std::string CountWithOneMoreTicked() {
        const size_t from = countAtStart.find("ック ") + std::string("ック ").size();
        const int unticked = std::stoi(countAtStart.substr(from));
        return countAtStart.substr(0, from) + std::to_string(unticked - 1) + countAtStart.substr(countAtStart.find(" /"));
    }
    size_t Backups() { return sim.files.ListFolder("C:\\Program Files\\Brisko\\backups").size(); }
    std::string Irq8() {
        return RegReadValue(sim.registry, RegRoot::LocalMachine, "\\SYSTEM\\CurrentControlSet\\Control\\PriorityControl",
                            "IRQ8Priority", "DWORD");
    }
    void Press(bool yes = true) {
        sim.prompts.AnswerNext(yes);
        BtnAccelerateClick(ctx);
    }
};

TEST_F(AccelerateFlow, NoWritesNoBackupWhenNotConfirmed) {
    sim.Entry(TweakCategory::System, 5).ticked = true;
    Press(false);
    EXPECT_EQ(Irq8(), "NULL");
    EXPECT_EQ(Backups(), 0u);
}

TEST_F(AccelerateFlow, NothingChangedDeletesTheAutomaticBackup) {
    Press();
    EXPECT_EQ(sim.prompts.shown.back(), (ShownMessage{PromptKind::Inform, "\r\n変更された設定はありません。"}));
    EXPECT_EQ(Backups(), 0u);
    prefs.SetInformSuppressed(true);
    sim.prompts.shown.clear();
    Press();
    EXPECT_EQ(sim.prompts.shown.size(), 1u) << "only the question";
}

TEST_F(AccelerateFlow, AChangeIsReportedWithTheBackupNote) {
    sim.Entry(TweakCategory::System, 5).ticked = true;
    Press();
    EXPECT_EQ(Irq8(), "2");
    EXPECT_EQ(Backups(), 1u);
    EXPECT_EQ(sim.prompts.shown.back(), (ShownMessage{PromptKind::Inform, std::string(kChanged) + kNote}));
    EXPECT_EQ(ctx.items.countText, CountWithOneMoreTicked());
}

TEST_F(AccelerateFlow, RestartQuestionWithoutNoteWhenBackupsAreOff) {
    prefs.SetRebootPromptWanted(true);
    prefs.SetAutoBackupSuppressed(true);
    sim.Entry(TweakCategory::System, 5).ticked = true;
    sim.prompts.AnswerNext(true);
    sim.prompts.AnswerNext(true);
    BtnAccelerateClick(ctx);
    EXPECT_EQ(sim.prompts.shown.back(),
              (ShownMessage{PromptKind::Confirm, std::string(kChanged) + "\r\n今すぐ再起動しますか？"}));
    EXPECT_EQ(sim.processes.calls.back(), "restart-windows");
    EXPECT_EQ(Backups(), 0u);
}

TEST_F(AccelerateFlow, InformOffAndRebootOffShowNothingButCount) {
    prefs.SetInformSuppressed(true);
    sim.Entry(TweakCategory::System, 5).ticked = true;
    Press();
    EXPECT_EQ(sim.prompts.shown.size(), 1u);
    EXPECT_EQ(ctx.items.countText, CountWithOneMoreTicked());
}

TEST_F(AccelerateFlow, AKeyThatCannotBeReadEndsTheFlowBeforeTheBackup) {
    // Without rights on the key it cannot be opened fully: the backup would
    // record its values as absent, so it refuses, and nothing is applied.
    sim.registry.DenyWrites(RegRoot::CurrentUser, "Control Panel\\Desktop");
    RegWriteValue(sim.registry, RegRoot::LocalMachine, "\\SYSTEM\\CurrentControlSet\\Control\\PriorityControl",
                  "IRQ8Priority", "DWORD", "0");
    sim.Entry(TweakCategory::Desktop, 2).ticked = true;  // MenuShowDelay, a string
    sim.Entry(TweakCategory::System, 5).ticked = true;
    sim.prompts.AnswerNext(true);
    EXPECT_THROW(BtnAccelerateClick(ctx), BriskoError);
    EXPECT_EQ(Backups(), 0u);
    EXPECT_EQ(Irq8(), "0");
}

TEST_F(AccelerateFlow, SilentlyRefusedWritesAreNamedAndUnticked) {
    // Without rights on the key, the DWORD write fails without a word.
    sim.registry.DenyWrites(RegRoot::LocalMachine, "SYSTEM\\CurrentControlSet\\Control\\PriorityControl");
    prefs.SetAutoBackupSuppressed(true);  // a backup would refuse the key it cannot read
    sim.Entry(TweakCategory::System, 5).ticked = true;
    sim.Entry(TweakCategory::System, 1).ticked = true;
    Press();
    const std::string label5 = sim.Entry(TweakCategory::System, 5).label;
    EXPECT_EQ(sim.prompts.shown[1], (ShownMessage{PromptKind::Error, "次の項目は設定できませんでした\r\n" + label5}));
    EXPECT_FALSE(sim.Entry(TweakCategory::System, 5).ticked);
    EXPECT_FALSE(ctx.items.states.Get(TweakCategory::System, 4));
    EXPECT_TRUE(ctx.items.states.Get(TweakCategory::System, 0)) << "the item that took stays";
    EXPECT_EQ(sim.prompts.shown.back().text, kChanged);
}

}  // namespace
}  // namespace brisko
