// The Explorer item with commands of its own, on simulated machines.
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
using testing::SimulatedWindows;

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

}  // namespace
}  // namespace brisko
