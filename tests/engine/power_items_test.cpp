// The boot file edits of the start-up and shutdown items, on simulated
// machines (the item table checks the switch itself and Msdos.sys).
#include <gtest/gtest.h>

#include "engine/item_passes.h"
#include "startup/startup_sequence.h"
#include "support/simulated_context.h"
#include "support/test_data.h"

namespace brisko {
namespace {

using testing::ShownMessage;
using testing::SimulatedContext;
using testing::SimulatedWindows;

const TweakCategory kPower = TweakCategory::Power;
const std::string BOOT_INI = "C:\\boot.ini";
const std::string ENTRY = "multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS";
// A boot file whose default entry is ENTRY, up to its description.
const std::string HEAD = "[boot loader]\r\ndefault=" + ENTRY + "\r\n[operating systems]\r\n" + ENTRY + "=";

// The entries of tests/data/boot_switches.tsv.
TEST(PowerBootFile, UndoRemovesTheFirstSwitchAsWrittenOnly) {
    for (const auto& c : testing::TestDataRows("boot_switches.tsv")) {
        SimulatedContext sim(SimulatedWindows::Xp);
        sim.files.AddFile(BOOT_INI, HEAD + c.at(0) + "\r\n");
        RunStartupSequence(sim.ctx);
        EXPECT_TRUE(sim.Entry(kPower, 5).ticked) << c[0];
        sim.Entry(kPower, 5).ticked = false;
        ApplyItemStates(sim.ctx);
        EXPECT_EQ(sim.files.ReadFile(BOOT_INI), HEAD + c.at(1) + "\r\n");
        EXPECT_FALSE(sim.ctx.items.states.Get(kPower, 4)) << "counted as done";
    }
}

TEST(PowerBootFile, NoDefaultEntryRefusesItem5) {
    const std::string noDefault = "[boot loader]\r\ntimeout=30\r\n[operating systems]\r\n" + ENTRY + "=\"W\"\r\n";
    const std::string noEntry = "[boot loader]\r\ndefault=" + ENTRY + "\r\n[operating systems]\r\nC:\\=\"DOS\"\r\n";
    for (const std::string& file : {noDefault, noEntry}) {
        SimulatedContext s(SimulatedWindows::Xp);
        s.files.AddFile(BOOT_INI, file);
        RunStartupSequence(s.ctx);
        s.Entry(kPower, 5).ticked = true;
        ApplyItemStates(s.ctx);
        EXPECT_EQ(s.files.ReadFile(BOOT_INI), file) << "no entry named NULL";
        ASSERT_EQ(s.prompts.shown.size(), 1u);
        EXPECT_EQ(s.prompts.shown[0].kind, PromptKind::Error);
        EXPECT_FALSE(s.ctx.items.states.Get(kPower, 4));
    }
}

TEST(PowerBootFile, WithoutBootFileItem5CountsAsDoneAndItem10TriesAgain) {
    SimulatedContext sim(SimulatedWindows::Xp);
    sim.files.Remove(BOOT_INI);
    RunStartupSequence(sim.ctx);
    ASSERT_EQ(sim.ctx.paths.bootFilePath, "NULL");
    sim.Entry(kPower, 5).ticked = sim.Entry(kPower, 10).ticked = true;
    ApplyItemStates(sim.ctx);
    const std::string tail = " 設定対象ファイルの検出に失敗しました。\r\n[オプション] から正しいファイルパスを設定することができます。";
    EXPECT_EQ(sim.prompts.shown, (std::vector<ShownMessage>{{PromptKind::Error, "[起動・終了]5" + tail},
                                                            {PromptKind::Error, "[起動・終了]10" + tail}}));
    EXPECT_TRUE(sim.ctx.items.states.Get(kPower, 4));
    EXPECT_FALSE(sim.ctx.items.states.Get(kPower, 9));
    ApplyItemStates(sim.ctx);
    EXPECT_EQ(sim.prompts.shown.size(), 3u) << "only item 10 tries again";
    EXPECT_FALSE(sim.files.ReadFile(BOOT_INI)) << "no boot file is made";
}

}  // namespace
}  // namespace brisko
