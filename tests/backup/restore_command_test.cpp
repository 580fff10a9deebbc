// A restore never leaves Windows worse off: files that are no complete backup
// for this machine are refused before anything is written, and what Windows
// needs to start is rewritten, never deleted.
#include <gtest/gtest.h>

#include <algorithm>

#include "backup/backup_file.h"
#include "backup/restore_command.h"
#include "platform/error.h"
#include "platform/profile/profile_document.h"
#include "platform/registry_values.h"
#include "platform/text/cp932.h"
#include "startup/startup_sequence.h"
#include "support/simulated_context.h"
#include "support/test_data.h"
#include "support/write_faults.h"

namespace brisko {
namespace {

using testing::ShownMessage;
using testing::SimulatedWindows;

const RegRoot HKLM = RegRoot::LocalMachine;
const std::string kSubSystems = "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\SubSystems";
const std::string kMemory = "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";

struct Machine : testing::StartedContext {
    using StartedContext::StartedContext;
    // Every value a backup records, as one text.
    std::string State() {
        WriteBackupFile(ctx, "C:\\state.ini");
        return *files.ReadFile("C:\\state.ini");
    }
    // A backup of this machine, edited before it is put in place.
    std::string Backup(const std::function<void(profile::ProfileDocument&)>& edit = {}) {
        WriteBackupFile(ctx, "C:\\b.ini");
        auto doc = profile::ProfileDocument::Parse(*files.ReadFile("C:\\b.ini"));
        if (edit) edit(doc);
        files.AddFile("C:\\b.ini", doc.Serialize());
        return "C:\\b.ini";
    }
    const ShownMessage& Last() { return prompts.shown.back(); }
};

TEST(RestoreSafety, FilesThatAreNoBackupForThisMachineAreRefusedBeforeAnyWrite) {
    Machine nine(SimulatedWindows::Win98);
    WriteBackupFile(nine.ctx, "C:\\98.ini");
    const std::string from98 = *nine.files.ReadFile("C:\\98.ini");

    Machine xp(SimulatedWindows::Xp);
    WriteBackupFile(xp.ctx, "C:\\xp.ini");
    std::string older = text::Cp932ToUtf8(*xp.files.ReadFile("C:\\xp.ini"));
    older = older.substr(older.find("[システム]"));  // the older format: no marks
    older = older.substr(0, older.find("[バックアップ終了]"));
    auto without = [&](const std::string& line) {
        std::string s = older;
        const size_t at = s.find(line);
        EXPECT_NE(at, std::string::npos) << line;
        return text::Utf8ToCp932(s.erase(at, line.size()));
    };
    const std::string incomplete = "\r\n選択されたバックアップ ファイルには必要な項目がそろっていないため、復元できません。";
    const struct {
        const char* what;
        std::string bytes;
        std::string warning;
    } cases[] = {
        {"an older fragment", text::Utf8ToCp932("[システム]\r\n1=1\r\n"), incomplete},
        {"an older file without the Windows subsystem", without("\r\n3=%SystemRoot%"), incomplete},
        {"an older file without a flag", without("\r\n7a=true"), incomplete},
        {"a backup of Windows 98", from98,
         "\r\n選択されたバックアップ ファイルは Windows 98 で作成されたもので、この Windows XP には復元できません。"},
    };
    for (const auto& c : cases) {
        xp.files.AddFile("C:\\r.ini", c.bytes);
        const std::string before = xp.State();
        EXPECT_FALSE(RunRestoreCommand(xp.ctx, "C:\\r.ini")) << c.what;
        EXPECT_EQ(xp.Last(), (ShownMessage{PromptKind::Warn, c.warning})) << c.what;
        EXPECT_EQ(xp.State(), before) << c.what << ": nothing written";
    }
    xp.files.AddFile("C:\\r.ini", text::Utf8ToCp932(older));
    xp.prompts.AnswerNext(false);  // Desktop 9, whose flags say the blobs were absent
    EXPECT_TRUE(RunRestoreCommand(xp.ctx, "C:\\r.ini")) << "a whole older backup is restored";
}

// The edits of a row of tests/data/backups_elsewhere.tsv.
void EditBackup(profile::ProfileDocument& doc, const std::string& edits) {
    for (size_t at = 0, end; at < edits.size(); at = end + 3) {
        end = edits.find(" ; ", at);
        if (end == std::string::npos) end = edits.size();
        const std::string edit = edits.substr(at, end - at);
        if (edit == "-") continue;
        if (edit == "older") {
            for (const char* key : {"形式", "OS", "コンピュータ", "Windows"}) doc.Remove("バックアップ", key);
            doc.Remove("バックアップ終了", "完了");
            continue;
        }
        const size_t close = edit.find("] "), eq = edit.find('=', close);
        const std::string section = edit.substr(1, close - 1), key = edit.substr(close + 2, eq - close - 2);
        const std::string value = edit.substr(eq + 1);
        if (value == "-") doc.Remove(section, key);
        else doc.Write(section, key, value);
    }
}

// Refused with nothing written, or restored with only the heap sizes put
// back into the csrss line as it is.
TEST(RestoreSafety, BackupsMadeElsewhere) {
    for (auto row : testing::TestDataRows("backups_elsewhere.tsv")) {
        for (auto& cell : row) cell = testing::Unescaped(cell);
        const std::string &what = row.at(0), &csrssNow = row.at(2), &shown = row.at(3), &csrssAfter = row.at(4);
        Machine m(SimulatedWindows::Xp);
        const std::string path = m.Backup([&](profile::ProfileDocument& doc) { EditBackup(doc, row.at(1)); });
        if (csrssNow != "-") RegWriteValue(m.registry, HKLM, kSubSystems, "Windows", "ExString", csrssNow);
        const std::string before = m.State(), line = m.Hklm(kSubSystems, "Windows", "String");
        m.prompts.unscripted = false;
        if (shown != "restored") {
            EXPECT_FALSE(RunRestoreCommand(m.ctx, path)) << what;
            EXPECT_TRUE(m.Last().kind == PromptKind::Warn && m.Last().text.starts_with("\r\n" + shown))
                << what << ": " << m.Last().text;
            EXPECT_EQ(m.State(), before) << what << ": nothing written";
            continue;
        }
        EXPECT_TRUE(RunRestoreCommand(m.ctx, path)) << what << ": " << m.Last().text;
        EXPECT_EQ(m.Hklm(kSubSystems, "Windows", "String"), csrssAfter == "as it was" ? line : csrssAfter) << what;
    }
}

TEST(RestoreSafety, WhatWindowsNeedsToStartIsNeverDeletedOrEmptied) {
    for (auto edition : {SimulatedWindows::Xp, SimulatedWindows::Win98}) {
        Machine m(edition);
        m.prompts.AnswerNext(false);
        const std::string bootPath = m.ctx.paths.bootFilePath;
        const std::string boot = *m.files.ReadFile(bootPath);
        const std::string subsystem = m.Hklm(kSubSystems, "Windows", "String");
        const std::string path = m.Backup([](profile::ProfileDocument& doc) {
            doc.Remove("システム", "3");
            doc.Write("起動・終了", "5", "");
            doc.Remove("起動・終了", "10");
        });
        ASSERT_TRUE(RunRestoreCommand(m.ctx, path));
        EXPECT_EQ(m.Hklm(kSubSystems, "Windows", "String"), subsystem);
        EXPECT_EQ(*m.files.ReadFile(bootPath), boot);
    }
}

TEST(RestoreSafety, TheFileIsReadOnceAndAnUnreadableOneIsRefused) {
    Machine m(SimulatedWindows::Xp);
    RegWriteValue(m.registry, HKLM, kMemory, "DisablePagingExecutive", "DWORD", "1");
    const std::string path = m.Backup();
    RegWriteValue(m.registry, HKLM, kMemory, "DisablePagingExecutive", "DWORD", "0");
    testing::WriteFaults faults;
    testing::FaultyFileSystem once(m.files, faults);
    faults.FailReadsOf(path, 1);
    ProgramContext ctx(Platform{m.registry, once, m.processes, m.prompts, m.resources, m.system, m.services, m.clock});
    RunStartupSequence(ctx);
    m.prompts.AnswerNext(false);
    ASSERT_TRUE(RunRestoreCommand(ctx, path));
    EXPECT_EQ(m.Hklm(kMemory, "DisablePagingExecutive"), "1") << "restored from the bytes that were recognised";
    EXPECT_NE(m.Hklm(kSubSystems, "Windows", "String"), "NULL");

    const std::string before = m.State();
    EXPECT_FALSE(RunRestoreCommand(ctx, path)) << "the same file, now unreadable";
    EXPECT_EQ(m.Last(), (ShownMessage{PromptKind::Warn, "\r\n選択されたファイルを読み込めないため、復元できません。"}));
    EXPECT_EQ(m.State(), before);
}

TEST(RestoreSafety, ABootFileThatCannotBeReadIsNeverReplaced) {
    Machine m(SimulatedWindows::Xp);
    const std::string path = m.Backup(), bootPath = m.ctx.paths.bootFilePath;
    const std::string boot = *m.files.ReadFile(bootPath);
    const uint32_t attributes = *m.files.GetAttributes(bootPath);
    testing::WriteFaults faults;
    testing::FaultyFileSystem locked(m.files, faults);
    faults.FailReadsOf(bootPath, 0);
    ProgramContext ctx(Platform{m.registry, locked, m.processes, m.prompts, m.resources, m.system, m.services, m.clock});
    RunStartupSequence(ctx);
    ctx.paths.bootFilePath = bootPath;
    m.prompts.AnswerNext(false);
    EXPECT_THROW(RunRestoreCommand(ctx, path), BriskoError);
    EXPECT_EQ(*m.files.ReadFile(bootPath), boot) << "not replaced by a file of the restored entries alone";
    EXPECT_EQ(*m.files.GetAttributes(bootPath), attributes);
}

// Services change only where their state differs, each by its own key, and
// never a driver nor a service that is gone.
TEST(RestoreSafety, OnlyListedWin32ServicesAreRestoredEachByItsKey) {
    Machine m(SimulatedWindows::Xp);
    const std::string services = "\\SYSTEM\\CurrentControlSet\\Services\\";
    for (const char* key : {"TwinA", "TwinB", "OddDriver"}) {
        RegWriteValue(m.registry, HKLM, services + key, "DisplayName", "String", "同名のサービス");
        RegWriteValue(m.registry, HKLM, services + key, "ObjectName", "String", "LocalSystem");
        RegWriteValue(m.registry, HKLM, services + key, "Start", "DWORD", "3");
        RegWriteValue(m.registry, HKLM, services + key, "Type", "DWORD", "16");
    }
    RegWriteValue(m.registry, HKLM, services + "OddDriver", "Type", "DWORD", "1");
    m.services.states.emplace_back("TwinA", ServiceState::Running);
    m.services.states.emplace_back("TwinB", ServiceState::Stopped);
    m.services.states.emplace_back("OddDriver", ServiceState::Running);
    m.files.AddFile("C:\\r.ini",
                    text::Utf8ToCp932("[バックアップ]\r\n形式=2\r\nOS=XP\r\n[システム]\r\n1=0\r\n"
                                      "[不要サービス]\r\nTcpip=停止中\r\nOddDriver=停止中\r\n"
                                      "twina=停止中\r\nTwinB=開始中\r\nDhcp=開始中\r\nGone=停止中\r\n"
                                      "[不要サービス-s]\r\nTcpip=4\r\nOddDriver=4\r\ntwina=4\r\nTwinB=2\r\n"
                                      "Dhcp=4\r\n[バックアップ終了]\r\n完了=1\r\n"));
    ASSERT_TRUE(RunRestoreCommand(m.ctx, "C:\\r.ini"));
    EXPECT_EQ(m.Hklm(services + "Tcpip", "Start"), "1") << "a driver is never a restored service";
    EXPECT_EQ(m.Hklm(services + "OddDriver", "Start"), "3") << "nor one whose type says driver";
    EXPECT_EQ(m.Hklm(services + "TwinA", "Start"), "4");
    EXPECT_EQ(m.Hklm(services + "TwinB", "Start"), "2");
    EXPECT_EQ(m.Hklm(services + "Dhcp", "Start"), "2") << "same state: its start type stays";
    EXPECT_FALSE(m.registry.CanOpenKey(HKLM, "SYSTEM\\CurrentControlSet\\Services\\Gone", RegAccess::Query));
    EXPECT_EQ(m.Prefs("不要サービス", "同名のサービス"), "3") << "the start type it had is kept";
    EXPECT_EQ(m.services.changes, (std::vector<std::string>{"stop|TwinA", "start-type|TwinA|4", "start-type|TwinB|2",
                                                            "start|TwinB"}))
        << "a stop before its start type, a start type before its start";
    for (const auto& call : m.processes.calls) EXPECT_EQ(call.find("net "), std::string::npos) << call;
}

TEST(RestoreSafety, NineXBootEntryWithoutABootFileIsSkippedWithAMessage) {
    Machine m(SimulatedWindows::Win98);
    const std::string path = m.Backup();
    const std::string desk = "\\Control Panel\\Desktop";
    RegWriteValue(m.registry, RegRoot::CurrentUser, desk, "AutoEndTasks", "String", "1");
    m.ctx.paths.bootFilePath = "NULL";
    m.prompts.AnswerNext(false);
    ASSERT_TRUE(RunRestoreCommand(m.ctx, path));
    const auto& shown = m.prompts.shown;
    EXPECT_NE(std::find(shown.begin(), shown.end(),
                        ShownMessage{PromptKind::Error,
                                     "[起動・終了]5 設定対象ファイルの検出に失敗しました。\r\n"
                                     "[オプション] から正しいファイルパスを設定することができます。"}),
              shown.end());
    EXPECT_NE(m.Hkcu(desk, "AutoEndTasks", "String"), "1")
        << "the entries after it are restored";
    EXPECT_EQ(m.Last().kind, PromptKind::Inform);
}

}  // namespace
}  // namespace brisko
