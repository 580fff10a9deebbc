// Rehearsals: the item rules run against the journal's overlay. What a
// rehearsal records is what applying then writes, on every simulated edition,
// and the rehearsal itself changes nothing, asks nothing and starts nothing.
#include <gtest/gtest.h>

#include "engine/rehearsal.h"
#include "platform/error.h"
#include "platform/registry_values.h"
#include "startup/startup_sequence.h"
#include "support/item_probes.h"
#include "support/simulated_context.h"

namespace brisko {
namespace {

using namespace testing;

const std::string kDesktop = "\\Control Panel\\Desktop";

TEST(Rehearsal, NotesInsteadOfAskingOrStartingAndEndsHoweverTheActionEnds) {
    StartedContext sim(SimulatedWindows::Xp);
    ProgramContext& ctx = sim.ctx;
    RegistryStore& reg = ctx.platform.registry;
    const std::string before = RegReadValue(sim.registry, RegRoot::CurrentUser, kDesktop, "MenuShowDelay", "String");
    std::vector<std::string> notes;
    const auto writes = RehearseWrites(
        ctx,
        [&] {
            RegWriteValue(reg, RegRoot::CurrentUser, kDesktop, "MenuShowDelay", "String", "0");
            ctx.journal.Start();  // an action reading its own writes back, as the restore does
            RegDeleteValue(reg, RegRoot::CurrentUser, kDesktop, "MenuShowDelay");
            EXPECT_TRUE(WritesTook(reg, ctx.platform.files, ctx.journal.Take()));
            EXPECT_FALSE(ctx.platform.prompts.Confirm("\r\n再起動しますか？"));
            ctx.platform.processes.RunHidden("net stop \"x\"");
            ctx.platform.files.WriteReplacing(ctx.paths.preferencesFile, "kept values");
        },
        &notes);
    EXPECT_EQ(writes.size(), 3u) << "key, value and its deletion; the preferences file is no machine change";
    EXPECT_EQ(notes, (std::vector<std::string>{"確認: 再起動しますか？", "実行: net stop \"x\""}));
    EXPECT_TRUE(sim.prompts.shown.empty());
    EXPECT_TRUE(sim.processes.calls.empty());
    EXPECT_EQ(RegReadValue(sim.registry, RegRoot::CurrentUser, kDesktop, "MenuShowDelay", "String"), before);

    EXPECT_THROW(RehearseWrites(ctx, [&] { throw BriskoError("x"); }), BriskoError);
    EXPECT_FALSE(ctx.journal.Rehearsing());
    RegWriteValue(reg, RegRoot::CurrentUser, kDesktop, "MenuShowDelay", "String", "7");
    EXPECT_EQ(RegReadValue(sim.registry, RegRoot::CurrentUser, kDesktop, "MenuShowDelay", "String"), "7");
}

// Every value under the three roots and every file with its attributes.
std::vector<std::string> MachineDump(MemoryBackends& b) {
    std::vector<std::string> dump;
    for (RegRoot root : {RegRoot::ClassesRoot, RegRoot::CurrentUser, RegRoot::LocalMachine})
        for (auto& line : SubtreeDump(b.registry, root, "")) dump.push_back(std::to_string(int(root)) + line);
    std::function<void(const std::string&)> walk = [&](const std::string& folder) {
        for (const auto& e : b.files.ListFolder(folder)) {
            const std::string path = folder + "\\" + e.name;
            if (e.isFolder) walk(path);
            else dump.push_back(path + "|" + *b.files.ReadFile(path) + "|" + std::to_string(*b.files.GetAttributes(path)));
        }
    };
    walk("C:");
    return dump;
}

// A context with a journal of the test's own below the program's, to see
// everything applying writes.
struct WatchedMachine : MemoryBackends {
    explicit WatchedMachine(SimulatedWindows edition) {
        FillSimulated(edition, *this);
        services.UseRegistry(watch.Registry());  // the start types the manager writes are seen too
    }
    WriteJournal watch{registry, files};
    ProgramContext ctx{Platform{watch.Registry(), watch.Files(), processes, prompts, resources, system, services, clock}};
};

class RehearsedApply : public ::testing::TestWithParam<SimulatedWindows> {};

TEST_P(RehearsedApply, RecordsWhatApplyingEveryFlippedItemThenWrites) {
    WatchedMachine m(GetParam());
    if (GetParam() == SimulatedWindows::Xp) m.services.states.emplace_back("wscsvc", ServiceState::Running);
    m.prompts.unscripted = false;
    RunStartupSequence(m.ctx);
    for (const EditionRow& row : ItemEditions())
        if (row.edition == GetParam()) EnableItems(m.ctx, row.category, row.userEnables);
    size_t flipped = 0;
    for (TweakCategory c : kAllCategories)
        for (size_t pos = 0; pos < m.ctx.items.List(c).size(); ++pos)
            if (ItemEnabled(m.ctx, c, pos)) {
                m.ctx.items.List(c)[pos].ticked = !m.ctx.items.List(c)[pos].ticked;
                ++flipped;
            }
    const auto machine = MachineDump(m);
    const auto states = m.ctx.items.states;

    const auto rehearsed = RehearseApply(m.ctx, RehearsalScope::ChangedTicks);
    EXPECT_EQ(MachineDump(m), machine);
    EXPECT_TRUE(m.ctx.items.states == states);
    EXPECT_TRUE(m.prompts.shown.empty());
    EXPECT_TRUE(m.processes.calls.empty());

    std::vector<RecordedWrite> expected;
    size_t commands = 0;
    for (const auto& item : rehearsed) {
        expected.insert(expected.end(), item.writes.begin(), item.writes.end());
        for (const auto& action : item.otherActions) commands += action.starts_with("実行: ");
    }
    m.watch.Start();
    const auto applied = ApplyItemStates(m.ctx);
    std::vector<RecordedWrite> written;
    for (auto& w : m.watch.Take())
        if (IsMachineWrite(m.ctx, w)) written.push_back(w);
    ASSERT_EQ(applied.size(), rehearsed.size());
    EXPECT_EQ(applied.size(), flipped);
    for (size_t i = 0; i < applied.size(); ++i)
        EXPECT_EQ(std::pair(applied[i].category, applied[i].position),
                  std::pair(rehearsed[i].category, rehearsed[i].position));
    EXPECT_FALSE(written.empty());
    EXPECT_TRUE(written == expected) << written.size() << " written, " << expected.size() << " rehearsed";
    EXPECT_EQ(m.processes.calls.size(), commands);
}

INSTANTIATE_TEST_SUITE_P(Editions, RehearsedApply,
                         ::testing::Values(SimulatedWindows::Xp, SimulatedWindows::Win2000, SimulatedWindows::Nt4,
                                           SimulatedWindows::Win98),
                         [](const auto& info) { return EditionName(info.param); });

}  // namespace
}  // namespace brisko
