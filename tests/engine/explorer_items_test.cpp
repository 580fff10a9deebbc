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
const std::string NS = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RemoteComputer\\NameSpace";
const std::string TASKS = "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}";
const std::string TB = "\\Software\\Microsoft\\Internet Explorer\\Toolbar";

// The item table checks the keys and values themselves; these add what lies below them.
TEST(ExplorerKeys, RemoteTasksGoWithTheirSubkeysAndComeBackBare) {
    SimulatedContext sim(SimulatedWindows::Win2000);
    const std::string tasks = NS + "\\" + TASKS;
    RegWriteValue(sim.registry, HKLM, tasks + "\\Deep\\Deeper", "x", "String", "y");
    RegWriteValue(sim.registry, HKLM, tasks, "Extra", "DWORD", "1");
    RunStartupSequence(sim.ctx);
    testing::ApplyOne(sim.ctx, TweakCategory::Explorer, 3, true);
    EXPECT_FALSE(sim.registry.CanOpenKey(HKLM, tasks.substr(1) + "\\Deep", RegAccess::Query));
    EXPECT_EQ(RegSubKeyNames(sim.registry, HKLM, NS).size(), 1u) << "the printers stay";
    testing::ApplyOne(sim.ctx, TweakCategory::Explorer, 3, false);
    EXPECT_EQ(sim.registry.ValueNames(HKLM, tasks.substr(1)), std::vector<std::string>{""});
    EXPECT_TRUE(RegSubKeyNames(sim.registry, HKLM, tasks).empty());
}

TEST(ExplorerCompressedFolders, CommandsPerEdition) {
    const struct {
        const char* name;
        OsVersion version;
        bool zipFolders;
    } cases[] = {{"XP", {2, 5, 1}, true}, {"Me", {1, 4, 90}, false}, {"9x of no known edition", {1, 4, 50}, true}};
    for (const auto& c : cases) {
        SimulatedContext sim(SimulatedWindows::Win98);
        sim.system.version = c.version;
        RunStartupSequence(sim.ctx);
        ASSERT_TRUE(sim.Entry(TweakCategory::Explorer, 8).enabled) << c.name;
        EXPECT_FALSE(sim.Entry(TweakCategory::Explorer, 8).ticked) << c.name << ": no エクスプローラ section";
        for (const std::string how : {"/u /s ", "/s "}) {
            sim.processes.calls.clear();
            testing::ApplyOne(sim.ctx, TweakCategory::Explorer, 8, how == "/u /s ");
            std::vector<std::string> expected = {"hidden|regsvr32 " + how + "cabview.dll"};
            if (c.zipFolders) expected.push_back("hidden|regsvr32 " + how + "zipfldr.dll");
            EXPECT_EQ(sim.processes.calls, expected) << c.name;
        }
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
