// Every item of every category on every simulated edition, from the item
// table (tests/data/items.tsv): detect, optimise, detect, undo, detect; and
// the detection cases of the same table.
#include <gtest/gtest.h>

#include "platform/registry_values.h"
#include "startup/startup_sequence.h"
#include "support/item_probes.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

using namespace testing;

class ItemRoundTrip : public ::testing::TestWithParam<EditionRow> {};

TEST_P(ItemRoundTrip, DetectOptimiseDetectUndoDetect) {
    const EditionRow& row = GetParam();
    SimulatedContext sim(row.edition);
    if (row.edition == SimulatedWindows::Xp) sim.services.states.emplace_back("wscsvc", ServiceState::Running);
    // A media player history for Others 1 to forget.
    const std::string player = "\\Software\\Microsoft\\MediaPlayer\\Player";
    RegWriteValue(sim.registry, RegRoot::CurrentUser, player + "\\RecentFileList", "File0", "String", "C:\\曲.wma");
    RegWriteValue(sim.registry, RegRoot::CurrentUser, player + "\\RecentURLList", "URL0", "String", "http://a.jp/");
    RunStartupSequence(sim.ctx);
    RoundTrip(sim.ctx, sim.prompts, row);
    EXPECT_EQ(sim.processes.calls.size(), row.commands);
}

INSTANTIATE_TEST_SUITE_P(Items, ItemRoundTrip, ::testing::ValuesIn(ItemEditions()),
                         [](const ::testing::TestParamInfo<EditionRow>& info) {
                             return std::string(CategoryKey(info.param.category)) + EditionName(info.param.edition);
                         });

class ItemDetection : public ::testing::TestWithParam<DetectionCase> {};

TEST_P(ItemDetection, TicksAsTheTableSays) {
    const DetectionCase& c = GetParam();
    SimulatedContext sim(c.edition);
    for (const auto& w : c.writes) {
        RegDeleteValue(sim.registry, RootNamed(w[0]), w[1], w[2]);
        RegWriteValue(sim.registry, RootNamed(w[0]), w[1], w[2], w[3], w[4]);
    }
    RunStartupSequence(sim.ctx);
    for (int item : c.items) EXPECT_EQ(sim.Entry(c.category, item).ticked, c.ticked) << c.text << " item " << item;
}

INSTANTIATE_TEST_SUITE_P(Items, ItemDetection, ::testing::ValuesIn(DetectionCases()));

}  // namespace
}  // namespace brisko
