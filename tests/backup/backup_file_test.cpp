// Writing and recognising backup files on simulated machines.
#include <gtest/gtest.h>

#include "backup/backup_file.h"
#include "platform/error.h"
#include "platform/profile/profile_file.h"
#include "platform/registry_values.h"
#include "platform/text/cp932.h"
#include "support/simulated_context.h"
#include "support/test_data.h"

namespace brisko {
namespace {

using testing::SimulatedContext;
using testing::SimulatedWindows;
using testing::StartedContext;

const std::string kPath = "C:\\Program Files\\Brisko\\backups\\b.ini";

std::string Text(SimulatedContext& sim, const std::string& path = kPath) {
    return text::Cp932ToUtf8(sim.files.ReadFile(path).value_or("<none>"));
}
std::string Entry(SimulatedContext& sim, const std::string& section, const std::string& key) {
    return IniReadValue(sim.files, kPath, section, key);
}
// The entries tests/data/backup_entries.tsv lists for the edition.
void ExpectEntries(SimulatedContext& sim, const std::string& edition) {
    int rows = 0;
    for (const auto& r : testing::TestDataRows("backup_entries.tsv")) {
        if (r.at(0) != edition) continue;
        ++rows;
        EXPECT_EQ(Entry(sim, r.at(1), r.at(2)), r.at(3))
            << "[" << r[1] << "] " << r[2] << " " << (r.size() > 4 ? r[4] : "");
    }
    EXPECT_GT(rows, 0) << edition;
}

TEST(BackupFile, NamedByTheTimeAndNeverOverwritten) {
    StartedContext sim(SimulatedWindows::Xp);
    sim.clock.time = {2026, 12, 6, 23, 59, 58};
    const std::string first = CreateBackup(sim.ctx, false);
    EXPECT_EQ(first, "C:\\Program Files\\Brisko\\backups\\backup_2026-12-06_23h59m58s.ini");
    EXPECT_EQ(ReadChosenBackup(sim.files, first, IdentityOf(sim.ctx)).check, BackupCheck::Backup);

    const std::string firstBytes = *sim.files.ReadFile(first);
    RegWriteValue(sim.registry, RegRoot::CurrentUser, "\\Control Panel\\Desktop", "MenuShowDelay", "String", "0");
    sim.clock.time = {2026, 12, 6, 23, 59, 58};
    const std::string second = CreateBackup(sim.ctx, true);
    EXPECT_EQ(second, "C:\\Program Files\\Brisko\\backups\\backup_2026-12-06_23h59m58s_2.ini");
    EXPECT_EQ(*sim.files.ReadFile(first), firstBytes) << "the first backup stays as it was";
    EXPECT_EQ(IniReadValue(sim.files, second, "デスクトップ", "2"), "0");
}

TEST(BackupFile, AKeyThatCannotBeReadRefusesTheBackup) {
    StartedContext sim(SimulatedWindows::Xp);
    const std::string memory = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
    sim.services.refusingChange.insert("Alerter");
    WriteBackupFile(sim.ctx, kPath);
    EXPECT_EQ(Entry(sim, "不要サービス", "Alerter"), "NULL") << "a service the program may not change is left out whole";
    EXPECT_EQ(Entry(sim, "不要サービス-s", "Alerter"), "NULL");
    sim.files.Remove(kPath);

    sim.registry.DenyWrites(RegRoot::LocalMachine, memory);
    EXPECT_THROW(WriteBackupFile(sim.ctx, kPath), BriskoError) << "it would record DisablePagingExecutive as absent";
    EXPECT_FALSE(sim.files.ReadFile(kPath));
}

TEST(BackupFile, XpBackupRecordsEveryEntryInItsPlace) {
    StartedContext sim(SimulatedWindows::Xp);
    const RegRoot HKLM = RegRoot::LocalMachine, HKCU = RegRoot::CurrentUser;
    RegWriteValue(sim.registry, HKLM, "\\SYSTEM\\CurrentControlSet\\Control\\PriorityControl", "IRQ8Priority", "DWORD",
                  "-1");
    RegWriteValue(sim.registry, HKCU, "\\Software\\Microsoft\\Internet Explorer\\Toolbar", "LinksFolderName", "String",
                  "\"\"");
    RegWriteValue(sim.registry, HKLM, "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "RegisteredOwner", "String",
                  "山田 太郎");
    RegWriteValue(sim.registry, HKLM, "\\SOFTWARE\\Policies\\Microsoft\\Windows\\WindowsUpdate", "DoNotAllowSP",
                  "DWORD", "1");
    for (auto [name, limit] : {std::pair{"MaxConnectionsPer1_0Server", "11"}, {"MaxConnectionsPerServer", "12"}})
        RegWriteValue(sim.registry, HKCU, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings", name,
                      "DWORD", limit);
    IniWriteValue(sim.files, sim.ctx.paths.preferencesFile, "システム9", "msmsgs",
                  "msgrocm.dll,OcEntry,msmsgs.inf,hide,7");
    WriteBackupFile(sim.ctx, kPath);
    const std::string t = Text(sim);
    EXPECT_NE(t.find("\r\n10=1\r\n[システム9]\r\nmsmsgs=msgrocm.dll,OcEntry,"
                     "msmsgs.inf,hide,7\r\n[デスクトップ]"),
              std::string::npos)
        << "10 comes after the kept component lines but stands in システム";
    ExpectEntries(sim, "XP");
    EXPECT_NE(t.find("%SystemRoot%\\system32\\csrss.exe"), std::string::npos);
    EXPECT_NE(t.find("\r\n10=\"\"\"\"\r\n"), std::string::npos);
    EXPECT_NE(Entry(sim, "起動・終了", "5").find("/fastdetect"), std::string::npos);
}

TEST(BackupFile, NineXBackupsWithoutKeyOneAreStillRecognised) {
    StartedContext sim(SimulatedWindows::Win98);
    WriteBackupFile(sim.ctx, kPath);
    ExpectEntries(sim, "98");
    EXPECT_EQ(ReadChosenBackup(sim.files, kPath, IdentityOf(sim.ctx)).check, BackupCheck::Backup);
}

TEST(BackupFile, RecognitionRefusesWhatIsNoCompleteBackup) {
    StartedContext sim(SimulatedWindows::Xp);
    WriteBackupFile(sim.ctx, kPath);
    const std::string whole = *sim.files.ReadFile(kPath);
    auto check = [&](const std::string& bytes) { return RecogniseBackup(bytes, IdentityOf(sim.ctx)).check; };
    EXPECT_EQ(check(text::Utf8ToCp932("[システム]\r\n1=0\r\n")), BackupCheck::EntriesMissing) << "an older fragment";
    EXPECT_EQ(check(whole.substr(0, whole.size() / 2)), BackupCheck::Incomplete) << "cut short";
    EXPECT_EQ(check(text::Utf8ToCp932("[システム]\r\n2=0\r\n")), BackupCheck::NotABackup);
    EXPECT_EQ(check(std::string("MZ\x90\0\x03\0[\x83V\x83X\x83"
                                "e\x83\x80]\r\n1=0",
                                22)),
              BackupCheck::NotABackup)
        << "binary";
    EXPECT_EQ(check(text::Utf8ToCp932("[システム]\r\n1=0\r\n") + std::string(5 * 1024 * 1024, ' ')),
              BackupCheck::NotABackup)
        << "far too large";
    EXPECT_EQ(check(""), BackupCheck::NotABackup);
    EXPECT_EQ(ReadChosenBackup(sim.files, "C:\\missing.ini", IdentityOf(sim.ctx)).check, BackupCheck::NotABackup);
}

TEST(BackupFile, RecordedTextsReadBackExactlyAndLineBreaksRefuseTheBackup) {
    StartedContext sim(SimulatedWindows::Xp);
    const RegRoot HKCU = RegRoot::CurrentUser;
    const std::string desk = "\\Control Panel\\Desktop";
    RegWriteValue(sim.registry, HKCU, desk, "Wallpaper", "String", "\"C:\\壁紙 1.bmp\"");
    RegWriteValue(sim.registry, HKCU, desk, "MenuShowDelay", "String", " 400 ");
    sim.files.AddFile(sim.ctx.paths.bootFilePath,
                      "[boot loader]\r\ndefault=C:\\\r\n[operating "
                      "systems]\r\nC:\\=\"Microsoft Windows\"\r\n");
    WriteBackupFile(sim.ctx, kPath);
    EXPECT_EQ(Entry(sim, "デスクトップ", "7"), "\"C:\\壁紙 1.bmp\"");
    EXPECT_EQ(Entry(sim, "デスクトップ", "2"), " 400 ");
    EXPECT_EQ(Entry(sim, "起動・終了", "5"), "\"Microsoft Windows\"") << "the boot entry with its quotes";

    RegWriteValue(sim.registry, HKCU, desk, "Wallpaper", "String", "C:\\a.bmp\r\n[システム]\r\n3=x");
    const std::string other = "C:\\Program Files\\Brisko\\backups\\c.ini";
    EXPECT_THROW(WriteBackupFile(sim.ctx, other), BriskoError) << "a value with line breaks";
    EXPECT_FALSE(sim.files.ReadFile(other)) << "no backup rather than one that reads back otherwise";
}

}  // namespace
}  // namespace brisko
