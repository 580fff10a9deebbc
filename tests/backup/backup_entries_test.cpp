// Back up, change every item, restore: the machine is as it was.
#include <gtest/gtest.h>


#include "backup/backup_file.h"
#include "backup/restore_command.h"
#include "engine/item_passes.h"
#include "platform/registry_values.h"
#include "platform/text/cp932.h"
#include "support/item_probes.h"
#include "support/simulated_context.h"
#include "support/test_data.h"

namespace brisko {
namespace {

using testing::SimulatedContext;
using testing::SimulatedWindows;
using testing::StartedContext;

using testing::Differences;
using Entries = testing::BackupEntries;
Entries ReadBackup(SimulatedContext& sim, const std::string& path) {
    return testing::ReadBackupEntries(sim.files, path);
}

std::vector<bool> Ticks(ProgramContext& ctx) {
    std::vector<bool> ticks;
    for (TweakCategory c : kSettingCategories)
        for (const auto& e : ctx.items.List(c)) ticks.push_back(e.ticked);
    return ticks;
}

class RestoreRoundTrip : public ::testing::TestWithParam<SimulatedWindows> {};

TEST_P(RestoreRoundTrip, EveryTouchedValueComesBack) {
    StartedContext sim(GetParam());
    // The user enables System 2-4 where the program offers them.
    if (GetParam() != SimulatedWindows::Win98) testing::EnableItems(sim.ctx, TweakCategory::System, {2, 3, 4});
    ResetItemLists(sim.ctx);
    DetectItemStates(sim.ctx);
    UpdateItemCount(sim.ctx);
    const auto ticksAtBackup = Ticks(sim.ctx);
    // Every value of the item table as well, which catches an entry the backup
    // forgot (it would be missing from both files compared below).
    std::vector<testing::Probe> probes;
    for (TweakCategory c : kSettingCategories)
        for (const auto& p : testing::ProbesOn(c, GetParam(), true))
            if (p.how != "Pref" && p.how != "File") probes.push_back(p);
    std::vector<std::string> probedAtBackup;
    for (const auto& p : probes) probedAtBackup.push_back(testing::ReadProbe(sim.ctx, p));
    const std::string before = "C:\\b1.ini", after = "C:\\b2.ini";
    WriteBackupFile(sim.ctx, before);

    // Change every item that can be changed: flip each enabled tick.
    testing::FlipEveryItem(sim.ctx);
    sim.prompts.AnswerNext(false);  // Desktop 9's restart question, where it applies
    sim.prompts.AnswerNext(false);
    ApplyItemStates(sim.ctx);
    WriteBackupFile(sim.ctx, "C:\\changed.ini");
    EXPECT_NE(ReadBackup(sim, before), ReadBackup(sim, "C:\\changed.ini")) << "the apply changed the machine";

    sim.prompts.AnswerNext(false);
    ASSERT_TRUE(RunRestoreCommand(sim.ctx, before));
    WriteBackupFile(sim.ctx, after);
    Entries expected = ReadBackup(sim, before), actual = ReadBackup(sim, after);
    testing::LeaveOutWhatARestoreSetsOtherwise(expected, actual);
    EXPECT_EQ(Differences(expected, actual), "");
    std::string notBack;
    for (size_t i = 0; i < probes.size(); ++i) {
        const testing::Probe& p = probes[i];
        const std::string now = testing::ReadProbe(sim.ctx, p);
        // As above: the tray blobs, a value of another type, and the defaults
        // written where there was nothing.
        const std::string item = std::string(CategoryKey(p.category)) + std::to_string(p.item);
        const bool nothing = probedAtBackup[i] == "NULL" || probedAtBackup[i] == "UnfitType";
        const bool asAbove =
            item == "Desktop9" || (nothing && (item == "Explorer2" || item == "Others1" || item.starts_with("Power")));
        if (now != probedAtBackup[i] && !asAbove)
            notBack += p.key + "|" + p.name + ": " + probedAtBackup[i] + " -> " + now + "\n";
    }
    EXPECT_EQ(notBack, "");
    auto ticks = Ticks(sim.ctx), wanted = ticksAtBackup;
    ticks[18] = wanted[18] = false;  // Desktop 9, as above
    ticks[21] = wanted[21] = false;  // Explorer 2, as above
    EXPECT_EQ(ticks, wanted) << "detection shows the ticks of the time of the backup";
}

INSTANTIATE_TEST_SUITE_P(Editions, RestoreRoundTrip,
                         ::testing::Values(SimulatedWindows::Xp, SimulatedWindows::Win2000, SimulatedWindows::Win98));

// A value the kind of its row cannot hold comes back with its type and bytes.
TEST(RestoreTyped, AnotherTypeAnEmptyStringAndAnExpandableOneComeBackExactly) {
    StartedContext sim(SimulatedWindows::Xp);
    const auto HKCU = RegRoot::CurrentUser, HKLM = RegRoot::LocalMachine;
    const std::string desk = "Control Panel\\Desktop", explorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
    const struct { RegRoot root; std::string key, name; RegValueData value; } cases[] = {
        {HKCU, desk, "AutoEndTasks", {regtype::kDword, std::string("\1\0\0\0", 4)}},
        {HKCU, desk, "MenuShowDelay", {regtype::kSz, std::string(2, '\0')}},
        {HKLM, explorer, "Max Cached Icons", {regtype::kExpandSz, EncodeRegString("%Icons%")}},
        {HKCU, explorer, "link", {regtype::kBinary, std::string("\1\2\3\4\5", 5)}},
    };
    for (const auto& c : cases) ASSERT_TRUE(sim.registry.SetValue(c.root, c.key, c.name, c.value));
    WriteBackupFile(sim.ctx, "C:\\b.ini");
    for (const auto& c : cases) sim.registry.SetValue(c.root, c.key, c.name, {regtype::kSz, EncodeRegString("1")});
    sim.prompts.AnswerNext(false);
    ASSERT_TRUE(RunRestoreCommand(sim.ctx, "C:\\b.ini"));
    for (const auto& c : cases) EXPECT_EQ(sim.registry.QueryValue(c.root, c.key, c.name, RegAccess::Query), c.value) << c.name;
}

class RestoreRules : public ::testing::Test {
protected:
    StartedContext sim{SimulatedWindows::Xp};
    void Restore(const std::string& body) {
        sim.files.AddFile("C:\\r.ini", text::Utf8ToCp932("[バックアップ]\r\n形式=2\r\nOS=XP\r\n[システム]\r\n1=0\r\n" +
                                                         body + "[バックアップ終了]\r\n完了=1\r\n"));
        ASSERT_TRUE(RunRestoreCommand(sim.ctx, "C:\\r.ini"));
    }
};

// The values of tests/data/restore_defaults.tsv.
TEST_F(RestoreRules, MissingEntriesHaveTheirOwnDefaults) {
    Restore("[エクスプローラ]\r\n4=0\r\n");
    for (const auto& r : testing::TestDataRows("restore_defaults.tsv"))
        EXPECT_EQ(RegReadValue(sim.registry, testing::RootNamed(r.at(0)), r.at(1), r.at(2), r.at(3)), r.at(4)) << r[2];
}

// A component line the backup kept hidden is shown again: its first "hide"
// goes, nothing else.
TEST_F(RestoreRules, KeptComponentLinesLoseTheirFirstHide) {
    Restore("[システム9]\r\nWBEM=ocgen.dll,OcEntry,wbemoc.inf,HIDE,7\r\n");
    EXPECT_EQ(IniReadValue(sim.files, sim.ctx.paths.sysocFilePath, "Components", "WBEM"),
              "ocgen.dll,OcEntry,wbemoc.inf,,7");
}

}  // namespace
}  // namespace brisko
