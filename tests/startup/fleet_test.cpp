// The commands on a machine of many users (tests/data/fleet_users.tsv), run
// as SYSTEM as fleet tools run them: whose hives /apply, /backup, /restore
// and /check reach, and that each is reached once and left as found.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "backup/hive_backup.h"
#include "platform/profile/profile_document.h"
#include "support/fleet_machine.h"
#include "support/registry_dump.h"
#include "support/simulated_machine.h"

namespace brisko {
namespace {

using testing::FleetMachine;
using testing::FleetUser;

// System 5 (the machine's) and Desktop 2 and 7 (each user's).
const std::string kMix = "[System]\r\n5=1\r\n[Desktop]\r\n2=1\r\n7=1\r\n";
const std::string kDesktop = "Control Panel\\Desktop";

// The backup the last run named.
std::string BackupOf(const FleetMachine& m) {
    for (const auto& line : m.echoed)
        if (const size_t at = line.find("バックアップ: "); at != std::string::npos)
            return line.substr(at + std::string("バックアップ: ").size());
    return "";
}

TEST(Fleet, UnderSystemAPlanOfPerUserItemsNeedsUserAndWritesNothing) {
    for (const char* verb : {"/apply", "/check"}) {
        FleetMachine m;
        const auto before = testing::DumpRegistry(m.registry);
        EXPECT_EQ(m.Run({verb, "C:\\plan.ini"}, kMix), 2) << verb;
        EXPECT_TRUE(m.Logged("NT AUTHORITY\\SYSTEM (S-1-5-18)") && m.Logged("/user:all,default")) << verb;
        EXPECT_TRUE(testing::DumpRegistry(m.registry) == before) << verb;
        EXPECT_TRUE(m.accounts.Loaded().empty()) << verb;
    }
}

// Every hive once, nothing left loaded; the backup's blocks are the hives
// written, and the restore puts each one's values back into its own hive.
TEST(Fleet, ApplyToAllAndDefaultThenRestoreEachUser) {
    FleetMachine m;
    std::map<std::string, std::string> wallpaper;  // each user's own before
    std::map<std::string, int> loads;              // the making of the machine's files
    for (const FleetUser& u : m.users) {
        wallpaper[u.sid] = m.HiveValue(u, kDesktop, "Wallpaper");
        loads[u.sid] = m.accounts.Loads(u.File());
    }
    EXPECT_EQ(m.Run({"/apply", "C:\\plan.ini", "/user:all,default"}, kMix), 1);  // ken, yui and roam are skipped
    EXPECT_TRUE(m.accounts.Loaded().empty());
    std::set<std::string> written;
    for (const FleetUser& u : m.users) {
        EXPECT_EQ(m.HiveValue(u, kDesktop, "MenuShowDelay"), u.after) << u.sid;
        EXPECT_LE(m.accounts.Loads(u.File()) - loads[u.sid], 1) << u.sid;
        if (u.after == "50") written.insert(u.sid);
        if (u.hive == "missing" || u.hive == "locked" || u.hive == "roaming")
            EXPECT_TRUE(m.Logged(u.sid + " (" + u.account + ")")) << u.sid << ": not named as skipped";
    }
    const std::string backup = BackupOf(m);
    std::set<std::string> blocks;
    for (const auto& block : BlocksOf(profile::ProfileDocument::Parse(m.files.ReadFile(backup).value_or(""))))
        EXPECT_TRUE(blocks.insert(block.hive.sid).second) << block.hive.sid << " twice";
    EXPECT_EQ(blocks, written) << backup;

    EXPECT_EQ(m.Run({"/restore", backup}), 3010);  // System 5 waits for a restart
    EXPECT_TRUE(m.accounts.Loaded().empty());
    for (const FleetUser& u : m.users) {
        if (!written.contains(u.sid)) continue;
        EXPECT_EQ(m.HiveValue(u, kDesktop, "MenuShowDelay"), "400") << u.sid;
        EXPECT_EQ(m.HiveValue(u, kDesktop, "Wallpaper"), wallpaper[u.sid]) << u.sid;
    }
}

TEST(Fleet, CheckOfAllNamesTheOneUserWhoseHiveDiffers) {
    FleetMachine m;
    m.Run({"/apply", "C:\\plan.ini", "/user:all,default"}, kMix);
    EXPECT_EQ(m.Run({"/check", "C:\\plan.ini", "/user:loaded,S-1-12-1-11-22-33-44"}), 0);
    const FleetUser& hana = m.User("S-1-12-1-11-22-33-44");
    m.accounts.LoadHive("edit", hana.File());
    m.registry.SetValue(RegRoot::Users, "edit\\" + kDesktop, "MenuShowDelay", testing::StoredValue("Sz", "400"));
    m.accounts.UnloadHive("edit");
    EXPECT_EQ(m.Run({"/check", "C:\\plan.ini", "/user:all"}), 1);
    size_t differing = 0;
    for (const auto& line : m.echoed)
        if (line.find("違い: ") != std::string::npos) {
            ++differing;
            EXPECT_NE(line.find("利用者 " + hana.sid + " (AzureAD\\hana)"), std::string::npos) << line;
        }
    EXPECT_EQ(differing, 1u);
    EXPECT_TRUE(m.Logged("利用者 S-1-5-21-1-2-3-1001 (PC\\taro): プランの通りです。"));
    EXPECT_TRUE(m.accounts.Loaded().empty());
}

}  // namespace
}  // namespace brisko
