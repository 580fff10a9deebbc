// The System items on simulated machines: start, tick, apply, detect again.
#include <gtest/gtest.h>

#include "engine/item_passes.h"
#include "engine/system_items.h"
#include "platform/error.h"
#include "platform/registry_values.h"
#include "platform/text/cp932.h"
#include "prefs/item_enabling.h"
#include "prefs/preferences.h"
#include "prefs/startup_sequence.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

using testing::SimulatedContext;
using testing::SimulatedWindows;

const std::string MM = "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const std::string SUB = "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\SubSystems";
const std::string USB = "\\SYSTEM\\CurrentControlSet\\Control\\Class\\{36FC9E60-C465-11CF-8056-444553540000}";
const std::string SYSOC = "C:\\WINDOWS\\inf\\sysoc.inf";

class SystemItems : public ::testing::Test {
protected:
    SimulatedContext sim{SimulatedWindows::Xp};
    ProgramContext& ctx = sim.ctx;

    void Start() {
        RunStartupSequence(ctx);
        // Enable System 2-4 as the options window would.
        Preferences prefs(sim.files, ctx.paths.preferencesFile);
        for (const char* key : {"System2", "System3", "System4"}) prefs.Delete("DisabledItem", key);
        ApplyDisabledItems(ctx);
    }
    std::string Hklm(const std::string& key, const char* name, std::string_view kindTag = "DWORD") {
        return RegReadValue(sim.registry, RegRoot::LocalMachine, key, name, kindTag);
    }
    std::string Sysoc() { return text::Cp932ToUtf8(sim.files.ReadFile(SYSOC).value_or("")); }
    void TickAll(bool ticked) {
        for (auto& e : ctx.items.List(TweakCategory::System)) e.ticked = ticked;
    }
    std::vector<int> Ticked() {
        std::vector<int> numbers;
        for (int n = 1; n <= 10; ++n)
            if (sim.Entry(TweakCategory::System, n).ticked) numbers.push_back(n);
        return numbers;
    }
};

TEST_F(SystemItems, XpTickApplyDetectUntickRestoresTheDefaults) {
    Start();
    TickAll(true);
    ApplyItemStates(ctx);
    EXPECT_EQ(Hklm(MM, "DisablePagingExecutive"), "1");
    EXPECT_EQ(Hklm(MM, "LargeSystemCache"), "1");
    EXPECT_NE(Hklm(SUB, "Windows", "String").find("SharedSection=1024,2048,512 "), std::string::npos);
    EXPECT_EQ(RegValueKind(sim.registry, RegRoot::LocalMachine, SUB, "Windows"), "ExString");
    EXPECT_EQ(Hklm(MM, "IoPageLockLimit"), "2097152");
    EXPECT_EQ(Hklm("\\SYSTEM\\CurrentControlSet\\Control\\PriorityControl", "IRQ8Priority"), "2");
    EXPECT_EQ(Hklm("\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "AlwaysUnloadDLL"), "NULL")
        << "System 6 is disabled on XP and never written";
    EXPECT_EQ(Hklm(USB + "\\0000", "IdleEnable"), "1");
    EXPECT_EQ(Hklm(USB + "\\0001", "IdleEnable"), "1");
    EXPECT_EQ(RegReadValue(sim.registry, RegRoot::CurrentUser,
                           "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
                           "NoLowDiskSpaceChecks", "DWORD"),
              "1");
    EXPECT_EQ(Hklm("\\SOFTWARE\\Policies\\Microsoft\\Windows\\WindowsUpdate", "DoNotAllowSP"), "1");
    EXPECT_EQ(Sysoc().find("hide"), std::string::npos);
    EXPECT_EQ(Sysoc().find("HIDE"), std::string::npos);
    EXPECT_NE(Sysoc().find("\r\nWBEM=ocgen.dll,OcEntry,wbemoc.inf,,7\r\n"), std::string::npos) << "both commas stay";
    EXPECT_NE(Sysoc().find("\r\nIndexSrv_System = setupqry.dll"), std::string::npos) << "untouched lines stay";
    Preferences prefs(sim.files, ctx.paths.preferencesFile);
    EXPECT_EQ(prefs.Keys("システム9"),
              (std::vector<std::string>{"WBEM", "com", "dtc", "TerminalServer", "AutoUpdate", "msmsgs"}));
    EXPECT_EQ(prefs.Read("システム9", "TerminalServer"), "TsOc.dll, HydraOc, TsOc.inf,HIDE,2");

    sim.Redetect();
    EXPECT_EQ(Ticked(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10})) << "6 reads optimised as before";

    TickAll(false);
    sim.Entry(TweakCategory::System, 6).ticked = true;  // disabled: as it was
    ctx.items.states = {};
    for (int n = 1; n <= 10; ++n) ctx.items.states.Set(TweakCategory::System, n - 1, true);
    ApplyItemStates(ctx);
    EXPECT_EQ(Hklm(MM, "DisablePagingExecutive"), "0");
    EXPECT_EQ(Hklm(MM, "LargeSystemCache"), "0");
    EXPECT_NE(Hklm(SUB, "Windows", "String").find("SharedSection=1024,3072,512 "), std::string::npos);
    EXPECT_EQ(Hklm(MM, "IoPageLockLimit"), "NULL");
    EXPECT_EQ(Hklm(USB + "\\0000", "IdleEnable"), "NULL");
    EXPECT_EQ(Hklm("\\SOFTWARE\\Policies\\Microsoft\\Windows\\WindowsUpdate", "DoNotAllowSP"), "NULL");
    EXPECT_EQ(Sysoc(), testing::kSimulatedSysoc) << "sysoc.inf comes back byte for byte";
    EXPECT_TRUE(prefs.Keys("システム9").empty());
    sim.Redetect();
    EXPECT_EQ(Ticked(), std::vector<int>{6});
}

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

TEST_F(SystemItems, Item9WithoutSysocShowsTheErrorAndStaysUnflipped) {
    sim.files.Remove(SYSOC);
    Start();
    ASSERT_EQ(ctx.paths.sysocFilePath, "NULL");
    EXPECT_TRUE(ctx.items.states.Get(TweakCategory::System, 8)) << "no file lists no hidden component";
    sim.Entry(TweakCategory::System, 9).ticked = false;
    ApplyItemStates(ctx);
    EXPECT_EQ(sim.prompts.shown, (std::vector<testing::ShownMessage>{{PromptKind::Error, kSysocMissingMessage}}));
    EXPECT_TRUE(ctx.items.states.Get(TweakCategory::System, 8));
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
    // Duplicate sections: the first is the one Windows reads and edits.
    sim.files.AddFile(SYSOC, "[Components]\r\na=x,hide,1\r\n[Components]\r\nb=y,hide,2\r\n");
    sim.Redetect();
    EXPECT_FALSE(e9.ticked);
    e9.ticked = true;
    ctx.items.states.Set(TweakCategory::System, 8, false);
    ApplyItemStates(ctx);
    EXPECT_EQ(sim.files.ReadFile(SYSOC), "[Components]\r\na=x,,1\r\n[Components]\r\nb=y,hide,2\r\n");
    // A read-only file is cleared and written; a folder that refuses writes
    // gives the file's error and leaves it whole.
    sim.files.AddFile(SYSOC, "[Components]\r\nc=z,hide,3\r\n", fileattr::kReadOnly);
    e9.ticked = false;
    ApplyItemStates(ctx);  // puts "a" back
    e9.ticked = true;
    ApplyItemStates(ctx);
    EXPECT_EQ(sim.files.ReadFile(SYSOC), "[Components]\r\nc=z,,3\r\na=x,,1\r\n")
        << "undoing put the kept line back (appended), optimising cleaned both";
    EXPECT_EQ(*sim.files.GetAttributes(SYSOC) & fileattr::kReadOnly, 0u);
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
    EXPECT_EQ(Hklm(SUB, "Windows", "String"), "SharedSection=2048,3072,512");
    RegDeleteValue(sim.registry, RegRoot::LocalMachine, SUB, "Windows");
    sim.Entry(TweakCategory::System, 3).ticked = false;
    ApplyItemStates(ctx);
    EXPECT_EQ(Hklm(SUB, "Windows", "String"), "NULL") << "an absent value is not created";
}

TEST_F(SystemItems, UsbNeedsEveryControllerAndStopsAtTheFirstGap) {
    RegWriteValue(sim.registry, RegRoot::LocalMachine, USB + "\\0000", "IdleEnable", "DWORD", "1");
    RegWriteValue(sim.registry, RegRoot::LocalMachine, USB + "\\0003", "DriverDesc", "String", "after a gap");
    Start();
    EXPECT_FALSE(ctx.items.states.Get(TweakCategory::System, 6)) << "0001 lacks IdleEnable";
    sim.Entry(TweakCategory::System, 7).ticked = true;
    ApplyItemStates(ctx);
    EXPECT_EQ(Hklm(USB + "\\0001", "IdleEnable"), "1");
    EXPECT_EQ(Hklm(USB + "\\0003", "IdleEnable"), "NULL") << "0002 is missing, so 0003 is not visited";
}

TEST(SystemItemsOtherEditions, Windows2000AndNt4AndWin98) {
    SimulatedContext w2k(SimulatedWindows::Win2000);
    RunStartupSequence(w2k.ctx);
    EXPECT_EQ(w2k.ctx.paths.sysocFilePath, "C:\\WINNT\\inf\\sysoc.inf");
    for (auto& e : w2k.ctx.items.List(TweakCategory::System)) e.ticked = true;
    ApplyItemStates(w2k.ctx);
    // 2000 disables 6, 8 and 10 (and 2-4 by default).
    EXPECT_EQ(RegReadValue(w2k.registry, RegRoot::LocalMachine, MM, "DisablePagingExecutive", "DWORD"), "1");
    EXPECT_EQ(RegReadValue(w2k.registry, RegRoot::LocalMachine, MM, "LargeSystemCache", "DWORD"), "0");
    EXPECT_EQ(RegReadValue(w2k.registry, RegRoot::LocalMachine,
                           "\\SOFTWARE\\Policies\\Microsoft\\Windows\\WindowsUpdate", "DoNotAllowSP", "DWORD"),
              "NULL");

    SimulatedContext nt4(SimulatedWindows::Nt4);
    RunStartupSequence(nt4.ctx);
    RegWriteValue(nt4.registry, RegRoot::LocalMachine, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer",
                  "AlwaysUnloadDLL", "DWORD", "1");
    nt4.Redetect();
    EXPECT_FALSE(nt4.Entry(TweakCategory::System, 6).ticked);
    nt4.Entry(TweakCategory::System, 6).ticked = true;
    ApplyItemStates(nt4.ctx);
    EXPECT_EQ(RegReadValue(nt4.registry, RegRoot::LocalMachine,
                           "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", "AlwaysUnloadDLL", "DWORD"),
              "NULL") << "NT 4 keeps System 6: optimising deletes the value";

    SimulatedContext w98(SimulatedWindows::Win98);
    RunStartupSequence(w98.ctx);
    w98.Entry(TweakCategory::System, 7).ticked = true;
    w98.Entry(TweakCategory::System, 5).ticked = true;
    ApplyItemStates(w98.ctx);
    EXPECT_EQ(RegReadValue(w98.registry, RegRoot::LocalMachine,
                           "\\System\\CurrentControlSet\\Services\\Class\\Usb\\0000", "IdleEnable", "DWORD"),
              "1");
    EXPECT_EQ(RegReadValue(w98.registry, RegRoot::LocalMachine, "\\SYSTEM\\CurrentControlSet\\Control\\PriorityControl",
                           "IRQ8Priority", "DWORD"),
              "2");
}

}  // namespace
}  // namespace brisko
