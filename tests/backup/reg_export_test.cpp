// .reg files: the text for each kind of write, and round trips through a
// fresh simulated machine that imports the file as regedit would.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>

#include "backup/reg_export.h"
#include "engine/rehearsal.h"
#include "platform/error.h"
#include "platform/registry_values.h"
#include "startup/startup_sequence.h"
#include "support/item_probes.h"
#include "support/reg_file_reader.h"
#include "support/simulated_context.h"
#include "support/test_data.h"

namespace brisko {
namespace {

using namespace testing;
using Kind = RecordedWrite::Kind;

// The writes of tests/data/reg_writes.tsv with the given first cell.
std::vector<RecordedWrite> Writes(const std::string& use) {
    const std::map<std::string, Kind> kinds = {{"SetValue", Kind::SetValue},   {"DeleteValue", Kind::DeleteValue},
                                               {"CreateKey", Kind::CreateKey}, {"DeleteKey", Kind::DeleteKey},
                                               {"WriteFile", Kind::WriteFile}};
    std::vector<RecordedWrite> writes;
    for (auto r : TestDataRows("reg_writes.tsv")) {
        for (auto& cell : r) cell = Unescaped(cell);
        if (r.at(0) != use) continue;
        const RegValueData data = r.at(5) == "-" ? RegValueData{} : StoredValue(r[5], r.at(6));
        writes.push_back({kinds.at(r.at(1)), RootNamed(r.at(2)), r.at(3), r.at(4) == "-" ? "" : r[4], data, {}});
    }
    return writes;
}

TEST(RegExport, EveryKindOfWrite) {
    EXPECT_EQ(RegFileText(Writes("write"), {"一行目\r\n二行目"}), TestData("reg_export.reg"));
}

const std::string kRegPath = "C:\\plan.reg";

// Imports the .reg text, written as a file, into the machine.
void ImportInto(SimulatedContext& from, const std::string& text, SimulatedContext& to) {
    WriteRegFile(from.files, kRegPath, text);
    ImportRegFile(to.registry, *from.files.ReadFile(kRegPath));
}

// Every key and value under the three roots.
std::vector<std::string> Dump(RegistryStore& store) {
    std::vector<std::string> out;
    for (RegRoot root : {RegRoot::ClassesRoot, RegRoot::CurrentUser, RegRoot::LocalMachine})
        for (auto& line : SubtreeDump(store, root, "")) out.push_back(std::to_string(int(root)) + line);
    return out;
}

// The machine's part and the users' part, both imported.
std::string ImportBothParts(SimulatedContext& from, SimulatedContext& to) {
    const std::string machine = ExportTicksAsReg(from.ctx), user = ExportTicksAsReg(from.ctx, RegPart::User);
    EXPECT_EQ(machine.find("[HKEY_CURRENT_USER"), std::string::npos);
    EXPECT_EQ(user.find("[HKEY_LOCAL_MACHINE"), std::string::npos);
    ImportInto(from, machine, to);
    ImportInto(from, user, to);
    return machine + user;
}

class RegExportRoundTrip : public ::testing::TestWithParam<SimulatedWindows> {};

TEST_P(RegExportRoundTrip, TheTicksAsTheyStandChangeNothingOnAnIdenticalMachine) {
    SimulatedContext a(GetParam()), b(GetParam());
    RunStartupSequence(a.ctx);
    const auto before = Dump(b.registry);
    const std::string text = ImportBothParts(a, b);
    EXPECT_TRUE(Dump(b.registry) == before) << text;
}

TEST_P(RegExportRoundTrip, OnlyTickedItemsAreSetUntickedOnesKeepTheirState) {
    SimulatedContext a(GetParam()), b(GetParam());
    RunStartupSequence(a.ctx);
    const auto detected = a.ctx.items.AllLists();
    size_t n = 0;
    for (auto& list : a.ctx.items.AllLists())
        for (auto& e : list) e.ticked = ++n % 2 == 0;
    const std::string text = ImportBothParts(a, b);
    for (const char* service : {"\\Services\\RpcSs]", "\\Services\\Alerter]"})  // running and stopped
        EXPECT_EQ(text.find(service), std::string::npos) << "no service while the services page is unavailable";
    RunStartupSequence(b.ctx);
    size_t set = 0;
    for (const auto& item : RehearseApply(a.ctx, RehearsalScope::TickedItems)) {
        const bool registryOnly = std::none_of(item.writes.begin(), item.writes.end(), [](const RecordedWrite& w) {
            return w.kind == Kind::WriteFile || w.kind == Kind::RemoveFile;
        }) && std::none_of(item.otherActions.begin(), item.otherActions.end(), [](const std::string& x) {
            return x.starts_with("実行: ") || x.starts_with("サービスの");  // a command, or a service stopped or started
        });
        if (!registryOnly) continue;
        ++set;
        EXPECT_TRUE(b.ctx.items.List(item.category)[item.position].ticked) << item.label;
    }
    EXPECT_GT(set, 5u);
    for (TweakCategory c : kSettingCategories)
        for (size_t i = 0; i < detected[CategoryIndex(c)].size(); ++i)
            if (!a.ctx.items.List(c)[i].ticked && !detected[CategoryIndex(c)][i].ticked) {
                EXPECT_FALSE(b.ctx.items.List(c)[i].ticked) << CategoryKey(c) << " " << i + 1;
            }
}

INSTANTIATE_TEST_SUITE_P(Editions, RegExportRoundTrip, ::testing::Values(SimulatedWindows::Xp, SimulatedWindows::Win98),
                         [](const auto& info) { return EditionName(info.param); });

TEST(RegExport, NamesThatWouldBreakTheFileAreRefused) {
    for (const auto& w : Writes("refuse")) EXPECT_THROW(RegFileText({w}, {}), BriskoError) << w.path << "|" << w.name;
}

}  // namespace
}  // namespace brisko
