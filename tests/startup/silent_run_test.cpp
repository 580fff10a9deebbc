// The command line on a simulated XP machine: each command line, its exit
// code, what it wrote and what the log says.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "backup/backup_file.h"
#include "backup/tweak_plan.h"
#include "platform/profile/profile_document.h"
#include "platform/registry_values.h"
#include "platform/rotating_log.h"
#include "product_version.h"
#include "startup/silent_run.h"
#include "support/simulated_context.h"
#include "support/write_faults.h"

namespace brisko {
namespace {

using testing::SimulatedWindows;

const std::string kFolder = "C:\\Program Files\\Brisko";
const std::string kAutoUpdate = "\\SOFTWARE\\Policies\\Microsoft\\Windows\\WindowsUpdate\\AU";
const std::string kHead = "[BriskoPlan]\r\nFormat=1\r\n", kTail = "[BriskoPlanEnd]\r\nComplete=1\r\n";

struct Machine : testing::MemoryBackends {
    Machine() { testing::FillSimulated(SimulatedWindows::Xp, *this); }
    std::vector<std::string> echoed;
    CommandLog log{[this](const std::string& line) { echoed.push_back(line); }};
    ProgramContext ctx{Platform{registry, files, processes, log, resources, system, services, clock}};
    std::string Irq8() { return testing::Irq8(registry); }
    size_t FilesIn(const std::string& folder) { return testing::IniFilesIn(files, folder); }
};

struct Case {
    std::vector<std::string> args;
    std::string plan;  // put at C:\plan.ini first when not empty
    int code;
    std::string logged;  // a line the log holds
    std::function<bool(Machine&)> wrote;
    OsVersion version{2, 5, 1};
};

const Case kCases[] = {
    {{"/?"}, "", 0, "Brisko " BRISKO_VERSION " - Windows 高速化ツール", {}},
    {{"/?"}, "", 0, "使い方: brisko.exe [スイッチ]", {}},
    {{"/Frobnicate"}, "", 2, "不明なスイッチです: /Frobnicate", {}},
    {{"-APPLY"}, "", 2, "ファイル名が指定されていません: -APPLY", {}},
    {{"/restore", "C:\\plan.ini", "/quiet"}, "", 2, "このスイッチは使えません: /quiet", {}},
    {{"/apply", "C:\\plan.ini", "/quiet"}, kHead + "[System]\r\n5=1\r\n" + kTail, 3010, "最適化: [システム] ",
     [](Machine& m) { return m.Irq8() == "2" && m.FilesIn(kFolder + "\\backups") == 1; }},
    {{"/apply", "C:\\plan.ini"}, kHead + "[Desktop]\r\n9=1\r\n" + kTail, 0, "変更を反映するには Explorer の再起動が必要です", {}},
    {{"/apply", "C:\\plan.ini"}, kHead + "[System]\r\n5=1\r\n", 2, "プラン ファイルではないか、壊れています。",
     [](Machine& m) { return m.Irq8() == "NULL" && m.FilesIn(kFolder + "\\backups") == 0; }},
    {{"/apply", "C:\\plan.ini"}, kHead + "[System]\r\n5=1\r\n[Service]\r\nGone=1\r\n" + kTail, 1,
     "無効または利用できない項目のため設定しません: [サービス] Gone", [](Machine& m) { return m.Irq8() == "2"; }},
    {{"/backup", "C:\\saved"}, "", 0, "バックアップ: C:\\saved\\backup_", [](Machine& m) { return m.FilesIn("C:\\saved") == 1; }},
    {{"/restore", "C:\\plan.ini"}, kHead + kTail, 2, "選択されたファイルはバックアップ ファイルではありません。", {}},
    {{"/export-reg", "C:\\out.reg", "C:\\plan.ini"}, kHead + "[System]\r\n5=1\r\n" + kTail, 0,
     ".reg ファイルを書き出しました: C:\\out.reg",
     [](Machine& m) { return m.Irq8() == "NULL" && m.files.ReadFile("C:\\out.reg").value_or("").starts_with("\xFF\xFE"); }},
    {{"/export-reg", "C:\\out.reg", "C:\\plan.ini"}, kHead + "[System]\r\n5=7\r\n" + kTail, 2,
     "プラン ファイルではないか、壊れています。", [](Machine& m) { return !m.files.ReadFile("C:\\out.reg"); }},
    {{"/apply", "C:\\plan.ini"}, kHead + "[Others]\r\n4=1\r\n" + kTail, 1, "無効または利用できない項目のため設定しません: [その他] ",
     [](Machine& m) { return RegReadValue(m.registry, RegRoot::LocalMachine, kAutoUpdate, "NoAutoUpdate", "DWORD") == "NULL"; },
     {2, 6, 2}},
    {{"/export-plan", "C:\\out.ini"}, "", 0, "プラン ファイルを書き出しました: C:\\out.ini",
     [](Machine& m) { return HasPlanMark(m.files.ReadFile("C:\\out.ini").value_or("")); }},
};

TEST(SilentRun, CommandLinesEndWithTheirCodeLogAndWrites) {
    for (const Case& c : kCases) {
        Machine m;
        m.system.version = c.version;
        if (!c.plan.empty()) m.files.WriteReplacing("C:\\plan.ini", c.plan);
        std::string line;
        for (const auto& a : c.args) line += (line.empty() ? "" : " ") + a;
        const Command command = ParseCommandLine(c.args);
        EXPECT_EQ(RunSilentCommand(m.ctx, command, m.log, line), c.code) << line;
        EXPECT_NE(std::find_if(m.echoed.begin(), m.echoed.end(),
                               [&](const std::string& l) { return l.starts_with(c.logged); }),
                  m.echoed.end())
            << line;
        if (c.wrote) {
            EXPECT_TRUE(c.wrote(m)) << line;
        }
        const std::string file = m.files.ReadFile(CommandLogPath(m.system.executablePath)).value_or("");
        EXPECT_NE(file.find("brisko.exe " + line + "\r\n"), std::string::npos) << line;
        EXPECT_NE(file.find("終了コード " + std::to_string(c.code) + "\r\n"), std::string::npos) << line;
    }
}

int RunCommand(Machine& m, const std::vector<std::string>& args) {
    return RunSilentCommand(m.ctx, ParseCommandLine(args), m.log, args.front());
}
bool Logged(Machine& m, const std::string& start) {
    return std::any_of(m.echoed.begin(), m.echoed.end(), [&](const std::string& l) { return l.starts_with(start); });
}

TEST(SilentRun, ADamagedBackupRowWritesNothingAndExits2) {
    Machine m;
    RunCommand(m, {"/backup", "C:\\saved"});
    const std::string path = m.files.ListFolder("C:\\saved").at(0).name;
    auto doc = profile::ProfileDocument::Parse(*m.files.ReadFile("C:\\saved\\" + path));
    doc.Write("その他", "8", "zz");
    m.files.WriteReplacing("C:\\b.ini", doc.Serialize());
    RegWriteValue(m.registry, RegRoot::LocalMachine, "\\SYSTEM\\CurrentControlSet\\Control\\PriorityControl",
                  "IRQ8Priority", "DWORD", "2");
    EXPECT_EQ(RunCommand(m, {"/restore", "C:\\b.ini"}), 2);
    EXPECT_EQ(m.Irq8(), "2") << "a row before the damaged one is not restored either";
    EXPECT_TRUE(Logged(m, "[その他] 8=zz"));
}

TEST(SilentRun, AFailedApplyNamesTheBackupAndWhatItChanged) {
    Machine m;
    m.files.WriteReplacing("C:\\plan.ini", kHead + "[System]\r\n5=1\r\n[Desktop]\r\n2=1\r\n" + kTail);
    testing::WriteFaults faults;
    testing::FaultyRegistryStore registry(m.registry, faults);
    ProgramContext ctx{Platform{registry, m.files, m.processes, m.log, m.resources, m.system, m.services, m.clock}};
    faults.FailWrite(4);  // System 5 writes its key and value; Desktop 2 its key, not its string
    EXPECT_EQ(RunSilentCommand(ctx, ParseCommandLine({"/apply", "C:\\plan.ini"}), m.log, "/apply"), 3) << faults.Refused();
    EXPECT_EQ(m.Irq8(), "2");
    EXPECT_TRUE(Logged(m, "バックアップ: " + kFolder + "\\backups\\backup_"));
    EXPECT_TRUE(Logged(m, "最適化: [システム] "));
}

// The log is appended to: what cannot be read is kept, and a full log
// becomes the one older file.
TEST(SilentRun, TheLogIsAppendedToAndRotated) {
    Machine m;
    const std::string log = CommandLogPath(m.system.executablePath), old = std::string("\xEF\xBB\xBF") + "earlier\r\n";
    m.files.AddFolder(ParentFolder(log));
    m.files.AddFile(log, old);
    m.files.DenyReads(log);
    RunCommand(m, {"/?"});
    m.files.DenyReads(log, false);
    EXPECT_TRUE(m.files.ReadFile(log)->starts_with(old) && m.files.ReadFile(log)->size() > old.size());

    m.files.AddFile(log, std::string(1024 * 1024, 'x'));
    RunCommand(m, {"/?"});
    EXPECT_EQ(m.files.ReadFile(OlderLogPath(log))->size(), 1024u * 1024u);
    EXPECT_TRUE(m.files.ReadFile(log)->starts_with("\xEF\xBB\xBF==== "));
}

TEST(SilentRun, QuestionsGetTheSafeAnswerAndTheLogSaysSo) {
    CommandLog log;
    EXPECT_FALSE(log.Confirm("\r\n今すぐ再起動しますか？"));
    log.Error("\r\n[起動・終了]10 設定対象ファイルの検出に失敗しました。");
    log.Inform("一行目\r\n二行目");
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{"質問 (自動的に「いいえ」と答えました): 今すぐ再起動しますか？",
                                                      "エラー: [起動・終了]10 設定対象ファイルの検出に失敗しました。",
                                                      "一行目", "二行目"}));
    EXPECT_EQ(log.Errors(), 1);
}

}  // namespace
}  // namespace brisko
