// The backup table's rows as a restore reads them: values of another type come
// back exactly, missing entries take their defaults, kept component lines are
// shown again. (Back up, change every item, restore: the fault-injection test
// checks the machine is as it was, before and after every refused write.)
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
