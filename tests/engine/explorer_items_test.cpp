// The Explorer items with rules of their own, on simulated machines.
#include <gtest/gtest.h>

#include "engine/item_passes.h"
#include "platform/registry_values.h"
#include "startup/startup_sequence.h"
#include "support/item_probes.h"
#include "support/simulated_context.h"
#include "support/test_data.h"

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

// The versions of tests/data/compressed_folders.tsv.
TEST(ExplorerCompressedFolders, CommandsPerEdition) {
    for (const auto& c : testing::TestDataRows("compressed_folders.tsv")) {
        const std::string& name = c.at(0);
        SimulatedContext sim(SimulatedWindows::Win98);
        sim.system.version = {unsigned(std::stoul(c.at(1))), unsigned(std::stoul(c.at(2))),
                              unsigned(std::stoul(c.at(3)))};
        RunStartupSequence(sim.ctx);
        ASSERT_TRUE(sim.Entry(TweakCategory::Explorer, 8).enabled) << name;
        EXPECT_FALSE(sim.Entry(TweakCategory::Explorer, 8).ticked) << name << ": no エクスプローラ section";
        for (const std::string how : {"/u /s ", "/s "}) {
            sim.processes.calls.clear();
            testing::ApplyOne(sim.ctx, TweakCategory::Explorer, 8, how == "/u /s ");
            const std::string folder = c.at(1) == "1" ? "SYSTEM" : "system32";  // 9x, NT
            const std::string dll = "hidden|regsvr32 " + how + "\"C:\\WINDOWS\\" + folder + "\\";
            std::vector<std::string> expected = {dll + "cabview.dll\""};
            if (c.at(4) == "yes") expected.push_back(dll + "zipfldr.dll\"");
            EXPECT_EQ(sim.processes.calls, expected) << name;
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
