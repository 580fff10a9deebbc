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
#include "support/item_probes.h"
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
    testing::SimulatedPrefix real(testing::SimulatedWindows::Xp);
    auto& [registry, files, services, processes, prompts, resources, clock, scratch, system] =
        static_cast<testing::RealBackends&>(real);
    ProgramContext& ctx = real.ctx;

    RunStartupSequence(ctx);
    ASSERT_EQ(ctx.os.edition, "XP");
    const std::string before = scratch->Path("before.ini"), after = scratch->Path("after.ini");
    WriteBackupFile(ctx, before);
    Entries engine, sys;
    ReadBoth(files, before, engine, sys);
    EXPECT_GT(engine.size(), 40u);
    EXPECT_EQ(sys, engine) << "the system's profile functions read every entry as the engine wrote it";

    testing::FlipEveryItem(ctx);
    prompts.AnswerNext(false);
    ApplyItemStates(ctx);
    prompts.AnswerNext(false);
    RestoreFromBackup(ctx, ReadChosenBackup(files, before, ctx.os));
    WriteBackupFile(ctx, after);
    Entries restored, ignoredSys;
    ReadBoth(files, after, restored, ignoredSys);
    testing::BackupEntries expected(engine.begin(), engine.end()), actual(restored.begin(), restored.end());
    testing::LeaveOutWhatARestoreSetsOtherwise(expected, actual);
    // A service's running state is the service manager's, not the restore's:
    // the restore only asks for net start or stop, which this context records
    // rather than runs, and a fresh prefix's own services still start and stop
    // by themselves. The same services must be listed; their start types (the
    // "-s" section) are what the restore writes and are compared in full.
    for (auto* entries : {&expected, &actual})
        for (auto& [key, value] : *entries)
            if (key.starts_with("不要サービス/")) value = "(listed)";
    EXPECT_EQ(testing::Differences(expected, actual), "");
}

}  // namespace
}  // namespace brisko
