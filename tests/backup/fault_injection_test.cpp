// Every registry and file write of apply, backup and restore refused in
// turn, one at a time, on simulated XP and 98: the user always hears of it,
// no backup passes for complete when it is not, the backup made before still
// puts every value back, and nothing outside the items' keys is touched.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "backup/accelerate_flow.h"
#include "backup/backup_file.h"
#include "backup/chosen_backup.h"
#include "backup/restore_command.h"
#include "platform/error.h"
#include "platform/text/case_fold.h"
#include "startup/file_recovery.h"
#include "startup/startup_sequence.h"
#include "support/faulty_context.h"
#include "support/item_probes.h"

namespace brisko {
namespace {

using testing::FaultySimulatedContext;
using testing::SimulatedWindows;
using Machine = FaultySimulatedContext;
using State = std::map<std::string, std::string>;

const std::string kBackups = "C:\\Program Files\\Brisko\\backups";
const std::string kBefore = kBackups + "\\before.ini";

// Every registry value outside the items' keys (keys made on the way to an
// item key hold no values and do not count).
void DumpKey(RegistryStore& reg, RegRoot root, const std::string& path, State& out) {
    bool valuesAreItems = false;
    for (const auto& k : testing::ItemKeys()) {
        if (k.root != root || text::AsciiLower(k.path) != text::AsciiLower(path)) continue;
        if (!k.valuesOnly) return;  // the whole tree belongs to the items
        valuesAreItems = true;
    }
    const std::string tag = std::to_string(static_cast<int>(root)) + "\\" + path + "|";
    if (!valuesAreItems)
        for (const auto& n : reg.ValueNames(root, path))
            out[tag + n] = reg.QueryValue(root, path, n, RegAccess::Query)->bytes;
    for (const auto& sub : reg.SubKeyNames(root, path)) DumpKey(reg, root, JoinKeyPath(path, sub), out);
}

// Registry values and files the items have no business with.
State Untouchable(Machine& m) {
    State s;
    for (RegRoot r : {RegRoot::ClassesRoot, RegRoot::CurrentUser, RegRoot::LocalMachine}) DumpKey(m.registry, r, "", s);
    const auto& p = m.ctx.paths;
    std::function<void(const std::string&)> files = [&](const std::string& folder) {
        for (const auto& e : m.files.ListFolder(folder)) {
            const std::string path = folder + "\\" + e.name;
            const std::string lower = text::AsciiLower(path);
            if (lower == text::AsciiLower(kBackups)) continue;
            if (e.isFolder)
                files(path);
            else if (lower != text::AsciiLower(p.bootFilePath) && lower != text::AsciiLower(p.sysocFilePath) &&
                     lower != text::AsciiLower(p.preferencesFile))
                s["file " + path] = *m.files.ReadFile(path);
        }
    };
    files("C:");
    return s;
}

State Backups(Machine& m) {
    State s;
    for (const auto& e : m.files.ListFolder(kBackups))
        if (e.name.ends_with(".ini")) s[e.name] = *m.files.ReadFile(kBackups + "\\" + e.name);  // not the history log
    return s;
}

// What a backup taken now records: every value a restore puts back.
testing::BackupEntries Recorded(Machine& m) {
    WriteBackupFile(m.ctx, "C:\\recorded.ini");
    auto entries = testing::ReadBackupEntries(m.files, "C:\\recorded.ini");
    m.files.Remove("C:\\recorded.ini");
    return entries;
}

// Entries of the backup made before that one taken after the restore
// records otherwise, beyond what a restore sets otherwise by design.
std::string NotPutBack(testing::BackupEntries before, testing::BackupEntries after) {
    testing::LeaveOutWhatARestoreSetsOtherwise(before, after);
    return testing::Differences(before, after);
}

void AnswerAll(Machine& m, bool first) {
    m.prompts.AnswerNext(first);
    for (int i = 0; i < 8; ++i) m.prompts.AnswerNext(false);
}

void Apply(Machine& m) {
    AnswerAll(m, true);
    BtnAccelerateClick(m.ctx);
}

void Restore(Machine& m) {
    AnswerAll(m, false);
    RunRestoreCommand(m.ctx, kBefore);
}

struct Phase {
    const char* name;
    std::function<void(Machine&)> prepare;  // runs without faults
    std::function<void(Machine&)> run;      // the writes refused in turn
    const char* success;                    // how its success message begins
};

const Phase kPhases[] = {
    {"apply", [](Machine& m) { WriteBackupFile(m.ctx, kBefore), testing::FlipEveryItem(m.ctx); }, Apply,
     "Windows の設定を変更しました"},
    {"backup", [](Machine&) {}, [](Machine& m) { CreateBackup(m.ctx, false); }, "バックアップ ファイルを作成しました"},
    {"restore",
     [](Machine& m) {
         WriteBackupFile(m.ctx, kBefore);
         testing::FlipEveryItem(m.ctx);
         Apply(m);
         m.prompts.shown.clear();
     },
     Restore, "Windows の設定を復元しました"},
};

struct Outcome {
    int writes = 0;  // how many writes the run made
    MachineIdentity running;
    State untouchable, backups;
    testing::BackupEntries everything;         // what a backup records, as the run left it
    testing::BackupEntries afterRestore;       // the same after restoring the backup made before
    testing::BackupEntries before;             // the backup made before
    std::vector<testing::ShownMessage> shown;  // an error that ended the run comes last
};

// Whether the run told of an error that a run without faults does not show
// (98 has no sysoc.inf, which the restore reports by itself), and whether a
// success message came after it.
struct Told {
    bool error = false, successAfter = false, success = false;
};
Told Telling(const Outcome& o, const Outcome& clean, const char* success) {
    Told t;
    for (const auto& m : o.shown) {
        const bool isSuccess = m.kind != PromptKind::Error && m.text.starts_with(success);
        if (m.kind == PromptKind::Error && std::find(clean.shown.begin(), clean.shown.end(), m) == clean.shown.end())
            t.error = true;
        t.successAfter = t.successAfter || (isSuccess && t.error);
        t.success = t.success || isSuccess;
    }
    return t;
}

Outcome RunOnce(SimulatedWindows edition, const Phase& phase, int failAt, State* initial = nullptr,
                std::string* refused = nullptr) {
    Machine m(edition);
    RunStartupSequence(m.ctx);
    if (initial) *initial = Untouchable(m);
    phase.prepare(m);
    m.prompts.shown.clear();
    m.faults.FailWrite(failAt);
    Outcome o;
    o.running = IdentityOf(m.ctx);
    const int from = m.faults.Count();
    try {
        phase.run(m);
    } catch (const BriskoError& e) {
        m.prompts.shown.push_back({PromptKind::Error, e.what()});  // the window shows it in an error box
    }
    o.writes = m.faults.Count() - from;
    if (refused) *refused = m.faults.Refused();
    m.faults.FailWrite(0);
    // What the next start puts right: a copy left beside a file it replaced.
    std::vector<FileRecovery> recovered;
    for (const auto* path : {&m.ctx.paths.preferencesFile, &m.ctx.paths.bootFilePath, &m.ctx.paths.sysocFilePath})
        RecoverFile(m.ctx, *path, recovered);
    o.shown = m.prompts.shown;
    o.untouchable = Untouchable(m);
    o.backups = Backups(m);
    o.everything = Recorded(m);
    if (m.files.ReadFile(kBefore)) {
        o.before = testing::ReadBackupEntries(m.files, kBefore);
        Restore(m);
        o.afterRestore = Recorded(m);
    }
    return o;
}

class FaultInjection : public ::testing::TestWithParam<SimulatedWindows> {};

TEST_P(FaultInjection, EveryRefusedWriteIsReportedAndRecoverable) {
    int injected = 0;
    for (const Phase& phase : kPhases) {
        SCOPED_TRACE(phase.name);
        State initial;
        const Outcome clean = RunOnce(GetParam(), phase, 0, &initial);
        const Told cleanTold = Telling(clean, Outcome{}, phase.success);
        ASSERT_TRUE(cleanTold.success) << clean.shown.back().text;
        EXPECT_EQ(NotPutBack(clean.before, clean.afterRestore), "");
        ASSERT_GT(clean.writes, 0);
        for (int n = 1; n <= clean.writes; ++n) {
            std::string refused;
            const Outcome o = RunOnce(GetParam(), phase, n, nullptr, &refused);
            SCOPED_TRACE("refused write " + std::to_string(n) + ": " + refused);
            ++injected;
            // A refusal that changed the outcome is told, and no success follows it.
            const Told told = Telling(o, clean, phase.success);
            if (o.everything != clean.everything || o.backups != clean.backups) {
                EXPECT_TRUE(told.error);
            }
            EXPECT_FALSE(told.successAfter);
            // Every backup that passes for complete is the one a clean run writes.
            for (const auto& [name, bytes] : o.backups) {
                if (RecogniseBackup(bytes, clean.running).check == BackupCheck::Backup) {
                    EXPECT_EQ(bytes, clean.backups.count(name) ? clean.backups.at(name) : "") << name;
                }
            }
            EXPECT_EQ(NotPutBack(o.before, o.afterRestore), "") << "the backup made before puts every value back";
            EXPECT_TRUE(o.untouchable == initial)
                << "something outside the items' keys changed: " << testing::Differences(initial, o.untouchable);
        }
    }
    ::testing::Test::RecordProperty("injected_failures", injected);
}

INSTANTIATE_TEST_SUITE_P(Editions, FaultInjection, ::testing::Values(SimulatedWindows::Xp, SimulatedWindows::Win98),
                         [](const auto& info) { return info.param == SimulatedWindows::Xp ? "Xp" : "Win98"; });

}  // namespace
}  // namespace brisko
