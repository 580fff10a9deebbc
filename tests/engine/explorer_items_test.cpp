// The Explorer items with rules of their own, on simulated machines.
#include <gtest/gtest.h>

#include "engine/item_passes.h"
#include "platform/registry_values.h"
#include "startup/startup_sequence.h"
#include "support/item_probes.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

using testing::SimulatedContext;
using testing::StartedContext;
using testing::SimulatedWindows;

const RegRoot HKLM = RegRoot::LocalMachine;
const RegRoot HKCU = RegRoot::CurrentUser;
const RegRoot HKCR = RegRoot::ClassesRoot;
const std::string NS = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RemoteComputer\\NameSpace";
const std::string TASKS = "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}";
const std::string AVI = "\\CLSID\\{87D62D94-71B3-4b9a-9489-5FE6850DC73E}";
const std::string VIDEO = "\\CLSID\\{40C3D757-D6E4-4b49-BB41-0E5BBEA28817}";
const std::string TB = "\\Software\\Microsoft\\Internet Explorer\\Toolbar";

TEST(ExplorerKeys, RemoteTasksGoWithTheirSubkeysAndComeBackBare) {
    SimulatedContext sim(SimulatedWindows::Win2000);
    const std::string tasks = NS + "\\" + TASKS;
    RegWriteValue(sim.registry, HKLM, tasks + "\\Deep\\Deeper", "x", "String", "y");
    RegWriteValue(sim.registry, HKLM, tasks, "Extra", "DWORD", "1");
    RunStartupSequence(sim.ctx);
    const std::vector<std::string> siblings = RegSubKeyNames(sim.registry, HKLM, NS);
    ASSERT_EQ(siblings.size(), 2u);

    testing::ApplyOne(sim.ctx, TweakCategory::Explorer, 3, true);
    EXPECT_FALSE(RegExists(sim.registry, HKLM, NS, TASKS, "Key"));
    EXPECT_FALSE(sim.registry.CanOpenKey(HKLM, tasks.substr(1) + "\\Deep", RegAccess::Query));
    EXPECT_EQ(RegSubKeyNames(sim.registry, HKLM, NS).size(), 1u) << "the printers stay";

    testing::ApplyOne(sim.ctx, TweakCategory::Explorer, 3, false);
    EXPECT_EQ(sim.registry.ValueNames(HKLM, tasks.substr(1)), std::vector<std::string>{""});
    EXPECT_TRUE(RegSubKeyNames(sim.registry, HKLM, tasks).empty());
    EXPECT_EQ(RegValueKind(sim.registry, HKLM, tasks, ""), "String");
    EXPECT_EQ(RegReadValue(sim.registry, HKLM, tasks, "", "String"), "タスク");
}

std::vector<std::string> Handlers(RegistryStore& reg) {
    std::vector<std::string> out;
    for (const std::string& key : {AVI, VIDEO})
        if (reg.CanOpenKey(HKCR, key.substr(1), RegAccess::Query)) {
            auto below = testing::SubtreeDump(reg, HKCR, key.substr(1));
            out.insert(out.end(), below.begin(), below.end());
        }
    return out;
}

TEST(ExplorerKeys, VideoHandlersComeBackAsAFreshXpHasThem) {
    StartedContext sim(SimulatedWindows::Xp);
    const auto fresh = Handlers(sim.registry);
    ASSERT_EQ(fresh.size(), 8u);
    RegWriteValue(sim.registry, HKCR, VIDEO + "\\Extra", "", "String", "below");

    testing::ApplyOne(sim.ctx, TweakCategory::Explorer, 7, true);
    EXPECT_TRUE(Handlers(sim.registry).empty());
    sim.Redetect();
    EXPECT_TRUE(sim.Entry(TweakCategory::Explorer, 7).ticked);

    testing::ApplyOne(sim.ctx, TweakCategory::Explorer, 7, false);
    EXPECT_EQ(Handlers(sim.registry), fresh);
    RegDeleteKeyTree(sim.registry, HKCR, AVI);
    sim.Redetect();
    EXPECT_FALSE(sim.Entry(TweakCategory::Explorer, 7).ticked) << "one handler left";
}

TEST(ExplorerCompressedFolders, CommandsPerEdition) {
    struct Case {
        const char* name;
        OsVersion version;
        std::vector<std::string> optimise, undo;
    };
    const Case cases[] = {
        {"XP",
         {2, 5, 1},
         {"hidden|regsvr32 /u /s cabview.dll", "hidden|regsvr32 /u /s zipfldr.dll"},
         {"hidden|regsvr32 /s cabview.dll", "hidden|regsvr32 /s zipfldr.dll"}},
        {"Me", {1, 4, 90}, {"hidden|regsvr32 /u /s cabview.dll"}, {"hidden|regsvr32 /s cabview.dll"}},
        {"9x of no known edition",
         {1, 4, 50},
         {"hidden|regsvr32 /u /s cabview.dll", "hidden|regsvr32 /u /s zipfldr.dll"},
         {"hidden|regsvr32 /s cabview.dll", "hidden|regsvr32 /s zipfldr.dll"}},
    };
    for (const Case& c : cases) {
        SimulatedContext sim(SimulatedWindows::Win98);
        sim.system.version = c.version;
        RunStartupSequence(sim.ctx);
        ASSERT_TRUE(sim.Entry(TweakCategory::Explorer, 8).enabled) << c.name;
        EXPECT_FALSE(sim.Entry(TweakCategory::Explorer, 8).ticked) << c.name << ": no エクスプローラ section";

        sim.Entry(TweakCategory::Explorer, 8).ticked = true;
        ApplyItemStates(sim.ctx);
        EXPECT_EQ(sim.processes.calls, c.optimise) << c.name;
        EXPECT_EQ(sim.Prefs("エクスプローラ", "8"), "true");
        sim.Redetect();
        EXPECT_TRUE(sim.Entry(TweakCategory::Explorer, 8).ticked);

        sim.processes.calls.clear();
        sim.Entry(TweakCategory::Explorer, 8).ticked = false;
        ApplyItemStates(sim.ctx);
        EXPECT_EQ(sim.processes.calls, c.undo) << c.name;
        EXPECT_EQ(sim.Prefs("エクスプローラ", "8"), "false");
        sim.Redetect();
        EXPECT_FALSE(sim.Entry(TweakCategory::Explorer, 8).ticked);
    }
}

TEST(ExplorerLinksFolder, WritesTwoQuotesAsAPlainString) {
    StartedContext sim(SimulatedWindows::Nt4);
    testing::ApplyOne(sim.ctx, TweakCategory::Explorer, 10, true);
    const auto raw = sim.registry.QueryValue(HKCU, TB.substr(1), "LinksFolderName", RegAccess::Query);
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->type, regtype::kSz);
    EXPECT_EQ(DecodeRegData(raw->bytes), std::string("\"\"\0", 3));
}

}  // namespace
}  // namespace brisko
