// A backup round trip against the test prefix's real registry, as Windows
// XP: the file reads back through the system's own profile functions as the
// engine wrote it, and a restore after changing every item brings back every
// recorded value. Everything touched is put back afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>

#include "backup/backup_file.h"
#include "engine/item_passes.h"
#include "platform/profile/profile_document.h"
#include "platform/win32/wide.h"
#include "startup/startup_sequence.h"
#include "support/registry_snapshot.h"
#include "support/simulated_machine.h"
#include "support/win32/real_context.h"

namespace brisko {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

// Every entry of the file, as the engine reads it and as the system does.
void ReadBoth(FileSystem& files, const std::string& path, Entries& engine, Entries& system) {
    const auto doc = profile::ProfileDocument::Parse(files.ReadFile(path).value_or(""));
    for (const char* section : {"バックアップ", "システム", "システム9", "デスクトップ", "エクスプローラ", "起動・終了", "その他",
                                "不要サービス", "不要サービス-s", "パソコン情報", "バックアップ終了"}) {
        for (const auto& key : doc.Keys(section)) {
            engine.emplace_back(std::string(section) + "/" + key, *doc.Read(section, key));
            wchar_t buf[2048];
            GetPrivateProfileStringW(win32::Widen(section).c_str(), win32::Widen(key).c_str(), L"NULL", buf, 2048,
                                     win32::Widen(path).c_str());
            system.emplace_back(std::string(section) + "/" + key, win32::Narrow(buf));
        }
    }
}

TEST(BackupUnderWine, RoundTripOnTheRealRegistry) {
    testing::RealContext real;
    auto& [registry, files, services, processes, prompts, resources, clock, scratch, system] =
        static_cast<testing::RealBackends&>(real);
    ProgramContext& ctx = real.ctx;
    testing::RegistrySnapshot snapshot(registry);
    testing::RememberItemKeys(snapshot);

    MemorySystemInfo ignored;
    testing::FillSimulatedMachine(testing::SimulatedWindows::Xp, registry, ignored, files, "C:");
    const std::string sysoc = system.WindowsDirectory() + "\\inf\\sysoc.inf";
    struct RemoveFiles {
        std::string sysocPath;
        ~RemoveFiles() {
            SetFileAttributesW(L"C:\\boot.ini", FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(L"C:\\boot.ini");
            DeleteFileW(win32::Widen(sysocPath).c_str());
        }
    } cleanup{sysoc};

    RunStartupSequence(ctx);
    ASSERT_EQ(ctx.os.edition, "XP");
    const std::string before = scratch->Path("before.ini"), after = scratch->Path("after.ini");
    WriteBackupFile(ctx, before);
    Entries engine, sys;
    ReadBoth(files, before, engine, sys);
    EXPECT_GT(engine.size(), 40u);
    EXPECT_EQ(sys, engine) << "the system's profile functions read every entry as the engine wrote it";

    for (TweakCategory c : kSettingCategories)
        for (auto& e : ctx.items.List(c))
            if (e.enabled) e.ticked = !e.ticked;
    prompts.AnswerNext(false);
    ApplyItemStates(ctx);
    prompts.AnswerNext(false);
    RestoreFromBackup(ctx, ReadChosenBackup(files, before, ctx.os));
    WriteBackupFile(ctx, after);
    Entries restored, ignoredSys;
    ReadBoth(files, after, restored, ignoredSys);
    std::map<std::string, std::string> expected(engine.begin(), engine.end()), actual(restored.begin(), restored.end());
    // The restore cannot bring back the tray icon blobs Desktop 9 deletes (the
    // file records only that they existed), and writes the compressed folders
    // state and the media player history setting on purpose.
    for (const char* key : {"デスクトップ/9a", "デスクトップ/9b"})
        if (expected[key] == "true") expected.erase(key), actual.erase(key);
    for (const char* key : {"エクスプローラ/8", "その他/1"})
        if (!expected.count(key)) actual.erase(key);
    // A service's running state is the service manager's, not the restore's:
    // the restore only asks for net start or stop, which this context records
    // rather than runs, and a fresh prefix's own services still start and stop
    // by themselves. The same services must be listed; their start types (the
    // "-s" section) are what the restore writes and are compared in full.
    for (auto* entries : {&expected, &actual})
        for (auto& [key, value] : *entries)
            if (key.starts_with("不要サービス/")) value = "(listed)";
    std::string differences;
    for (const auto& [key, value] : expected)
        if (!actual.count(key) || actual[key] != value) differences += key + ": " + value + " -> " + (actual.count(key) ? actual[key] : "(absent)") + "\n";
    for (const auto& [key, value] : actual)
        if (!expected.count(key)) differences += key + ": (absent) -> " + value + "\n";
    EXPECT_EQ(differences, "");
}

}  // namespace
}  // namespace brisko
