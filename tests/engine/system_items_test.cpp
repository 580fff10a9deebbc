// The System items with rules of their own, on simulated machines.
#include <gtest/gtest.h>

#include "engine/item_passes.h"
#include "engine/system_items.h"
#include "platform/error.h"
#include "platform/registry_values.h"
#include "platform/text/cp932.h"
#include "prefs/preferences.h"
#include "startup/startup_sequence.h"
#include "support/item_probes.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

using testing::SimulatedContext;
using testing::SimulatedWindows;

const std::string SUB = "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\SubSystems";
const std::string USB = "\\SYSTEM\\CurrentControlSet\\Control\\Class\\{36FC9E60-C465-11CF-8056-444553540000}";
const std::string SYSOC = "C:\\WINDOWS\\inf\\sysoc.inf";

class SystemItems : public ::testing::Test {
protected:
    SimulatedContext sim{SimulatedWindows::Xp};
    ProgramContext& ctx = sim.ctx;

    void Start() {
        RunStartupSequence(ctx);
        testing::EnableItems(ctx, TweakCategory::System, {2, 3, 4});
    }
    std::string Sysoc() { return text::Cp932ToUtf8(sim.files.ReadFile(SYSOC).value_or("")); }
};

TEST_F(SystemItems, Item9TwiceKeepsTheFirstResult) {
    Start();
    auto apply9 = [&](bool ticked) {
        sim.Entry(TweakCategory::System, 9).ticked = ticked;
        ApplyItemStates(ctx);
    };
    apply9(true);
    const std::string afterFirst = Sysoc();
    apply9(false);
    apply9(true);
    EXPECT_EQ(Sysoc(), afterFirst);
    EXPECT_EQ(Preferences(sim.files, ctx.paths.preferencesFile).Keys("システム9").size(), 6u);
}

TEST_F(SystemItems, BadSysocFilesNeverCrashOrHalfWrite) {
    Start();
    auto& e9 = sim.Entry(TweakCategory::System, 9);
    // Binary garbage and an empty file list no components: nothing to do.
    for (const std::string& bytes : {std::string("\x00\xFF\x81\x00[Comp\x1A\r\x80", 11), std::string()}) {
        sim.files.AddFile(SYSOC, bytes);
        sim.Redetect();
        EXPECT_TRUE(e9.ticked);
        e9.ticked = true;
        ApplyItemStates(ctx);
        EXPECT_EQ(sim.files.ReadFile(SYSOC), bytes);
    }
    // A folder that refuses writes gives the file's error and leaves it whole.
    sim.files.AddFile(SYSOC, "[Components]\r\nd=w,hide,4\r\n");
    sim.files.DenyWrites("C:\\WINDOWS\\inf");
    ctx.items.states.Set(TweakCategory::System, 8, false);
    e9.ticked = true;
    try {
        ApplyItemStates(ctx);
        FAIL() << "no error";
    } catch (const BriskoError& e) {
        EXPECT_EQ(std::string(e.what()), SYSOC + " に書き込めません");
    }
    EXPECT_EQ(sim.files.ReadFile(SYSOC), "[Components]\r\nd=w,hide,4\r\n");
}

TEST_F(SystemItems, DesktopHeapReplacesOnlyTheFirstOccurrence) {
    Start();
    RegWriteValue(sim.registry, RegRoot::LocalMachine, SUB, "Windows", "ExString", "SharedSection=3072,3072,512");
    sim.Entry(TweakCategory::System, 3).ticked = true;
    ApplyItemStates(ctx);
    EXPECT_EQ(sim.Hklm(SUB, "Windows", "String"), "SharedSection=2048,3072,512");
    RegDeleteValue(sim.registry, RegRoot::LocalMachine, SUB, "Windows");
    sim.Entry(TweakCategory::System, 3).ticked = false;
    ApplyItemStates(ctx);
    EXPECT_EQ(sim.Hklm(SUB, "Windows", "String"), "NULL") << "an absent value is not created";
    RegWriteValue(sim.registry, RegRoot::LocalMachine, SUB, "Windows", "ExString", "SharedSection=1024,20480,768");
    EXPECT_FALSE(ctx.items.Rule(TweakCategory::System, 2)->IsOptimised(ctx));
    sim.Entry(TweakCategory::System, 3).ticked = true;
    ApplyItemStates(ctx);
    sim.Entry(TweakCategory::System, 3).ticked = false;
    ApplyItemStates(ctx);
    EXPECT_EQ(sim.Hklm(SUB, "Windows", "String"), "SharedSection=1024,20480,768");
}

}  // namespace
}  // namespace brisko
