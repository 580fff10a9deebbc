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
#include "support/test_data.h"
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

// What a command line must have written (the last cell of a row of
// tests/data/command_lines.tsv), each check a word.
bool Wrote(Machine& m, const std::string& check) {
    if (check == "irq8=2 backups=1") return m.Irq8() == "2" && m.FilesIn(kFolder + "\\backups") == 1;
    if (check == "irq8=NULL backups=0") return m.Irq8() == "NULL" && m.FilesIn(kFolder + "\\backups") == 0;
    if (check == "irq8=2") return m.Irq8() == "2";
    if (check == "saved=1") return m.FilesIn("C:\\saved") == 1;
    if (check == "irq8=NULL reg=UTF-16")
        return m.Irq8() == "NULL" && m.files.ReadFile("C:\\out.reg").value_or("").starts_with("\xFF\xFE");
    if (check == "reg=none") return !m.files.ReadFile("C:\\out.reg");
    if (check == "autoupdate=NULL")
        return RegReadValue(m.registry, RegRoot::LocalMachine, kAutoUpdate, "NoAutoUpdate", "DWORD") == "NULL";
    if (check == "plan") return HasPlanMark(m.files.ReadFile("C:\\out.ini").value_or(""));
    ADD_FAILURE() << "no check " << check;
    return false;
}

// The rows of tests/data/command_lines.tsv.
TEST(SilentRun, CommandLinesEndWithTheirCodeLogAndWrites) {
    int rows = 0;
    for (auto row : testing::TestDataRows("command_lines.tsv")) {
        for (auto& cell : row) cell = testing::Unescaped(cell);
        const std::string &line = row.at(0), &plan = row.at(2), &code = row.at(3), &check = row.at(5);
        Machine m;
        if (row[1] == "6.2") m.system.version = {2, 6, 2};
        if (plan.ends_with("(cut)")) m.files.WriteReplacing("C:\\plan.ini", kHead + plan.substr(0, plan.size() - 5));
        else if (plan != "-") m.files.WriteReplacing("C:\\plan.ini", kHead + plan + kTail);
        std::vector<std::string> args;
        for (size_t at = 0, end; at < line.size(); at = end + 1) {
            end = std::min(line.find(' ', at), line.size());
            args.push_back(line.substr(at, end - at));
        }
        std::string logged = row.at(4);
        if (const size_t v = logged.find("{version}"); v != std::string::npos) logged.replace(v, 9, BRISKO_VERSION);
        EXPECT_EQ(RunSilentCommand(m.ctx, ParseCommandLine(args), m.log, line), std::stoi(code)) << line;
        EXPECT_TRUE(std::any_of(m.echoed.begin(), m.echoed.end(), [&](const std::string& l) { return l.starts_with(logged); }))
            << line;
        if (check != "-") {
            EXPECT_TRUE(Wrote(m, check)) << line << ": " << check;
        }
        const std::string file = m.files.ReadFile(CommandLogPath(m.system.executablePath)).value_or("");
        EXPECT_NE(file.find("brisko.exe " + line + "\r\n"), std::string::npos) << line;
        EXPECT_NE(file.find("終了コード " + code + "\r\n"), std::string::npos) << line;
        ++rows;
    }
    EXPECT_GT(rows, 10);
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
