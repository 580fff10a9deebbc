// The command line on a simulated XP machine: each command line, its exit
// code, what it wrote and what the log says; /check and /restore as
// deployment tools see them; policy items' values.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "backup/backup_file.h"
#include "backup/tweak_plan.h"
#include "engine/item_passes.h"
#include "engine/policy_note.h"
#include "platform/profile/profile_document.h"
#include "platform/registry_values.h"
#include "platform/rotating_log.h"
#include "platform/text/utf.h"
#include "product_version.h"
#include "startup/silent_run.h"
#include "support/reg_file_reader.h"
#include "support/registry_dump.h"
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
    std::vector<std::string> echoed;  // the last run's console lines
    // One run of brisko.exe, with a context of its own as each process has;
    // a plan, when given, is put at C:\plan.ini first.
    int Run(const std::vector<std::string>& args, const std::string& plan = "", RegistryStore* reg = nullptr) {
        if (!plan.empty()) files.WriteReplacing("C:\\plan.ini", kHead + plan + kTail);
        echoed.clear();
        CommandLog log{[this](const std::string& line) { echoed.push_back(line); }};
        ProgramContext ctx{Platform{reg ? *reg : registry, files, processes, log, resources, system, services, clock}};
        std::string line;
        for (const auto& arg : args) line += (line.empty() ? "" : " ") + arg;
        return RunSilentCommand(ctx, ParseCommandLine(args), log, line);
    }
    bool Logged(const std::string& start) const {
        return std::any_of(echoed.begin(), echoed.end(), [&](const std::string& l) { return l.starts_with(start); });
    }
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
        EXPECT_EQ(m.Run(args), std::stoi(code)) << line;
        EXPECT_TRUE(m.Logged(logged)) << line;
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

TEST(SilentRun, ADamagedBackupRowWritesNothingAndExits2) {
    Machine m;
    m.Run({"/backup", "C:\\saved"});
    const std::string path = m.files.ListFolder("C:\\saved").at(0).name;
    auto doc = profile::ProfileDocument::Parse(*m.files.ReadFile("C:\\saved\\" + path));
    doc.Write("その他", "8", "zz");
    m.files.WriteReplacing("C:\\b.ini", doc.Serialize());
    RegWriteValue(m.registry, RegRoot::LocalMachine, "\\SYSTEM\\CurrentControlSet\\Control\\PriorityControl",
                  "IRQ8Priority", "DWORD", "2");
    EXPECT_EQ(m.Run({"/restore", "C:\\b.ini"}), 2);
    EXPECT_EQ(m.Irq8(), "2") << "a row before the damaged one is not restored either";
    EXPECT_TRUE(m.Logged("[その他] 8=zz"));
}

TEST(SilentRun, AFailedApplyNamesTheBackupAndWhatItChanged) {
    Machine m;
    testing::WriteFaults faults;
    testing::FaultyRegistryStore registry(m.registry, faults);
    faults.FailWrite(4);  // System 5 writes its key and value; Desktop 2 its key, not its string
    EXPECT_EQ(m.Run({"/apply", "C:\\plan.ini"}, "[System]\r\n5=1\r\n[Desktop]\r\n2=1\r\n", &registry), 3) << faults.Refused();
    EXPECT_EQ(m.Irq8(), "2");
    EXPECT_TRUE(m.Logged("バックアップ: " + kFolder + "\\backups\\backup_"));
    EXPECT_TRUE(m.Logged("最適化: [システム] "));
}

// The log is appended to: what cannot be read is kept, and a full log
// becomes the one older file.
TEST(SilentRun, TheLogIsAppendedToAndRotated) {
    Machine m;
    const std::string log = CommandLogPath(m.system.executablePath), old = std::string("\xEF\xBB\xBF") + "earlier\r\n";
    m.files.AddFolder(ParentFolder(log));
    m.files.AddFile(log, old);
    m.files.DenyReads(log);
    m.Run({"/?"});
    m.files.DenyReads(log, false);
    EXPECT_TRUE(m.files.ReadFile(log)->starts_with(old) && m.files.ReadFile(log)->size() > old.size());

    m.files.AddFile(log, std::string(1024 * 1024, 'x'));
    m.Run({"/?"});
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

TEST(FleetCommands, CheckFindsWhatApplySetAndWhatChangedSince) {
    Machine m;
    const std::string irq8 =
        "[システム] " + testing::StartedContext(SimulatedWindows::Xp).Entry(TweakCategory::System, 5).label;
    // Read only, even where Brisko never ran: no preferences file, no backup, only the log.
    EXPECT_EQ(m.Run({"/check", "C:\\plan.ini"}, "[System]\r\n5=1\r\n[Desktop]\r\n3=1\r\n"), 1);
    EXPECT_TRUE(m.Logged("違い: " + irq8 + "  プラン: 最適化  検出: 既定"));
    EXPECT_EQ(m.files.ListFolder(kFolder + "\\backups").size(), 1u);  // the log
    EXPECT_FALSE(m.files.ReadFile(kFolder + "\\Brisko.ini"));
    EXPECT_EQ(m.Run({"/apply", "C:\\plan.ini"}), 3010);
    EXPECT_EQ(m.Run({"/check", "C:\\plan.ini"}), 0);
    RegWriteValue(m.registry, RegRoot::LocalMachine, "\\SYSTEM\\CurrentControlSet\\Control\\PriorityControl",
                  "IRQ8Priority", "DWORD", "1");
    EXPECT_EQ(m.Run({"/check", "C:\\plan.ini", "/quiet"}), 1);
    EXPECT_TRUE(m.Logged("違い: " + irq8));
    // System 6 is unavailable on XP; the service is not listed here.
    EXPECT_EQ(m.Run({"/check", "C:\\plan.ini"}, "[System]\r\n6=1\r\n[Service]\r\nGone=1\r\n"), 0);
    EXPECT_TRUE(m.Logged("無効またはこのコンピュータでは使えない項目 (違いに数えません): [サービス] Gone"));
}

// A plan's .reg writes what /apply of the plan writes on an identical
// machine: the items it names and ticks, not what the exporting machine has
// optimised besides (a hardened machine's page-file wipe, say), and no
// service it does not name. (The plans untick only items at their default:
// undoing an optimised one is each machine's own backup's work.)
TEST(FleetCommands, APlansRegWritesWhatItsApplyWrites) {
    const std::string plans[] = {"[System]\r\n5=1\r\n", "[System]\r\n5=1\r\n1=0\r\n[Explorer]\r\n4=1\r\n[Power]\r\n3=1\r\n",
                                 "[Desktop]\r\n8=1\r\n[Others]\r\n3=1\r\n5=0\r\n[Service]\r\nAudioSrv=1\r\n"};
    // The item values (the service keys' are for the services' own tests).
    const auto values = [](RegistryStore& registry) {
        testing::RegistryDump dump = testing::DumpRegistry(registry);
        std::erase_if(dump, [](const auto& e) { return !e.second || e.first.find("\\Services\\") != std::string::npos; });
        return dump;
    };
    for (const std::string& plan : plans) {
        Machine exporting, importing, applying;
        for (Machine* m : {&exporting, &importing, &applying})
            m->files.WriteReplacing(kFolder + "\\Brisko.ini", "[DisabledItem]\r\nService=false\r\n");
        ASSERT_EQ(exporting.Run({"/export-reg", "C:\\out.reg", "C:\\plan.ini"}, plan), kExitDone) << plan;
        const std::string reg = *exporting.files.ReadFile("C:\\out.reg");
        ASSERT_EQ(exporting.Run({"/export-reg", "C:\\user.reg", "C:\\plan.ini", "/user"}), kExitDone) << plan;
        const std::string user = *exporting.files.ReadFile("C:\\user.reg");
        testing::ImportRegFile(importing.registry, reg);
        testing::ImportRegFile(importing.registry, user);
        applying.Run({"/apply", "C:\\plan.ini"}, plan);
        EXPECT_TRUE(values(importing.registry) == values(applying.registry)) << plan;
        const std::string text = text::Utf16ToUtf8(std::u16string(reinterpret_cast<const char16_t*>(reg.data() + 2),
                                                                  (reg.size() - 2) / 2));
        for (size_t at = text.find("\\Services\\"); at != std::string::npos; at = text.find("\\Services\\", at + 1))
            EXPECT_TRUE(text.compare(at, 19, "\\Services\\AudioSrv]") == 0) << plan << text.substr(at, 40);
        EXPECT_EQ(text.find("[HKEY_CURRENT_USER"), std::string::npos) << "the machine's part alone: " << plan;
    }
}

TEST(FleetCommands, RestoreEndsWith3010OnlyWhenItChangedSomething) {
    Machine m;
    EXPECT_EQ(m.Run({"/backup", "C:\\saved"}), 0);
    const std::string backup = "C:\\saved\\" + m.files.ListFolder("C:\\saved").at(0).name;
    EXPECT_EQ(m.Run({"/apply", "C:\\plan.ini"}, "[System]\r\n5=1\r\n"), 3010);
    EXPECT_EQ(m.Run({"/restore", backup}), 3010);
    EXPECT_EQ(m.Run({"/restore", backup}), 0);  // nothing left to change
}

// Every item whose rule writes under Policies, on each edition, on a machine
// as installed and on one without those values: ticked, applied, unticked and
// applied again, it leaves no value there that was not there before. On
// Windows 8 (6.2) each one's description tells of it.
TEST(FleetCommands, UntickingPolicyItemsLeavesNoValueOfTheirs) {
    size_t checked = 0;
    for (SimulatedWindows edition : {SimulatedWindows::Xp, SimulatedWindows::Win2000, SimulatedWindows::Win98})
        for (bool emptied : {false, true}) {
            testing::StartedContext m(edition);
            m.system.version = {2, 6, 2};
            auto present = [&](const RegistryValue& v) { return RegExists(m.registry, v.root, v.keyPath, v.name, "Value"); };
            for (TweakCategory c : kSettingCategories)
                for (size_t i = 0; i < m.ctx.items.List(c).size(); ++i) {
                    if (!ItemEnabled(m.ctx, c, i) || !WritesUnderPolicies(m.ctx, c, i)) continue;
                    std::vector<RegistryValue> absent;
                    for (const RegistryValue& v : m.ctx.items.Rule(c, i)->OptimisedValues(m.ctx)) {
                        if (emptied) RegDeleteValue(m.registry, v.root, v.keyPath, v.name);
                        if (!present(v)) absent.push_back(v);
                    }
                    m.Redetect();
                    for (bool tick : {true, false}) {
                        m.ctx.items.List(c)[i].ticked = tick;
                        ApplyItemStates(m.ctx);
                    }
                    for (const RegistryValue& v : absent) EXPECT_FALSE(present(v)) << CategoryName(c) << i + 1 << v.name;
                    EXPECT_NE(PolicyNote(m.ctx, c, i).find("組織によって管理"), std::string::npos);
                    ++checked;
                }
        }
    EXPECT_GT(checked, 30u);
}

}  // namespace
}  // namespace brisko
