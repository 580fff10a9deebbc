// The program stopped right after its k-th write, for every k, as a crash or
// a power cut would stop it: every registry write, every step of a file's
// replacement and every service change counts. A new program then starts on
// the same machine, restores the backup the stopped change names in its
// history (or, for a stopped restore, runs that restore again), and the whole
// machine must be as it was before the change. Also without any stop, on
// every simulated Windows: an apply of every item, then a restore.
#include <gtest/gtest.h>

#include <iostream>

#include "backup/accelerate_flow.h"
#include "backup/backup_file.h"
#include "backup/change_history.h"
#include "backup/restore_command.h"
#include "backup/tweak_plan.h"
#include "prefs/preference_keys.h"
#include "prefs/preferences.h"
#include "startup/item_enabling.h"
#include "startup/silent_run.h"
#include "startup/startup_sequence.h"
#include "support/item_probes.h"
#include "support/machine_state.h"
#include "support/simulated_context.h"
#include "support/write_faults.h"

namespace brisko {
namespace {

using testing::SimulatedWindows;
using testing::Stopped;

const std::string kPlan = "C:\\Program Files\\Brisko\\every-item.ini";

// A machine whose registry, files and services stop at the chosen write,
// and on which one program after another starts.
struct Lab : testing::MemoryBackends {
    explicit Lab(std::optional<SimulatedWindows> edition) {
        if (edition) testing::FillSimulated(*edition, *this);
        else testing::FillWindows10(*this);
        services.beforeChange = [this](const std::string& what) { faults.Allow("service " + what); };
        prompts.unscripted = false;  // every question answered no
    }
    // A new process: a program context of its own over the same machine.
    ProgramContext& Start(Prompts& asking) {
        ctx.reset();
        ctx = std::make_unique<ProgramContext>(
            Platform{gatedRegistry, gatedFiles, processes, asking, resources, system, services, clock});
        return *ctx;
    }
    ProgramContext& StartProgram() {
        RunStartupSequence(Start(prompts));
        return *ctx;
    }

    testing::WriteFaults faults;
    testing::FaultyRegistryStore gatedRegistry{registry, faults};
    testing::FaultyFileSystem gatedFiles{files, faults};
    std::unique_ptr<ProgramContext> ctx;
    std::string backup;  // the backup a stopped restore restores
};

// The user allows every item and the services page, and ticks every entry
// the other way: everything the machine lets the program change, changes.
void ChangeEverything(ProgramContext& ctx) {
    if (ctx.os.family == "NT") testing::EnableItems(ctx, TweakCategory::System, {2, 3, 4});
    Preferences(ctx.platform.files, ctx.paths.preferencesFile)
        .Write(std::string(prefkey::kDisabledItem), std::string(prefkey::kServicePage), std::string(prefkey::kServicePageEnabled));
    ApplyDisabledItems(ctx);
    testing::FlipEveryItem(ctx);
    for (auto& e : ctx.items.List(TweakCategory::Service))
        if (e.enabled) e.ticked = !e.ticked;
}

// What the user does after a stopped change: the history names its backup.
void RestoreWhatTheHistoryNames(Lab& lab) {
    ProgramContext& ctx = lab.StartProgram();
    for (const HistoryRecord& r : ReadHistory(lab.files, HistoryLogPath(BackupsFolder(ctx))))
        if (!r.backup.empty()) {
            EXPECT_TRUE(RunRestoreCommand(ctx, r.backup));
            return;
        }
}

struct Action {
    const char* name;
    std::optional<SimulatedWindows> edition;  // none: Windows 10
    std::function<void(Lab&, testing::MachineState&)> prepare;  // takes the state to come back to
    std::function<void(Lab&)> run;                               // the change that is stopped
    std::function<void(Lab&)> recover;                           // the next program's
};

void Accelerate(Lab& lab) { RunAccelerate(*lab.ctx); }

const Action kAccelerate[] = {
    {"高速化 XP", SimulatedWindows::Xp, nullptr, Accelerate, RestoreWhatTheHistoryNames},
    {"高速化 2000", SimulatedWindows::Win2000, nullptr, Accelerate, RestoreWhatTheHistoryNames},
    {"高速化 NT 4", SimulatedWindows::Nt4, nullptr, Accelerate, RestoreWhatTheHistoryNames},
    {"高速化 98", SimulatedWindows::Win98, nullptr, Accelerate, RestoreWhatTheHistoryNames},
};

void ApplyPlan(Lab& lab) {
    CommandLog log;
    RunSilentCommand(lab.Start(log), ParseCommandLine({"/apply", kPlan}), log, "/apply " + kPlan);
}

void RestoreAgain(Lab& lab) { EXPECT_TRUE(RunRestoreCommand(lab.StartProgram(), lab.backup)); }

const Action kOthers[] = {
    {"/apply XP", SimulatedWindows::Xp,
     [](Lab& lab, testing::MachineState& before) {
         WritePlanFile(*lab.ctx, kPlan);
         before = testing::StateOf(lab);
     },
     ApplyPlan, RestoreWhatTheHistoryNames},
    {"復元 XP", SimulatedWindows::Xp,
     [](Lab& lab, testing::MachineState& before) {
         before = testing::StateOf(lab);
         lab.backup = RunAccelerate(*lab.ctx).backup;
     },
     [](Lab& lab) { RunRestoreCommand(*lab.ctx, lab.backup); }, RestoreAgain},
};

struct Points {
    int points = 0, exact = 0;
    std::string first;  // the first point that did not come back, with what differs
};

// One run stopped after `stopAfter` writes (none: not stopped); whether it was stopped.
bool RunOnce(const Action& a, std::optional<int> stopAfter, Points& points) {
    Lab lab(a.edition);
    ChangeEverything(lab.StartProgram());
    testing::MachineState before;
    if (a.prepare) a.prepare(lab, before);
    else before = testing::StateOf(lab);
    const int from = lab.faults.Count();
    if (stopAfter) lab.faults.StopAfter(*stopAfter);
    try {
        a.run(lab);
    } catch (const Stopped&) {
    }
    const bool stopped = stopAfter && lab.faults.Count() - from > *stopAfter;
    lab.faults.Resume();
    a.recover(lab);
    const testing::MachineState after = testing::StateOf(lab);
    ++points.points;
    if (after == before) ++points.exact;
    else if (points.first.empty())
        points.first = "stopped after write " + (stopAfter ? std::to_string(*stopAfter) : "-") + ":\n" +
                       testing::Differences(before, after);
    return stopped;
}

Points EveryPoint(const Action& a) {
    Points points;
    for (int k = 0; RunOnce(a, k, points); ++k) {
    }
    return points;
}

void Report(const Action& a, const Points& p) {
    std::cout << "stop points: " << a.name << ": " << p.points << " points, " << p.exact << " recover exactly\n";
    ::testing::Test::RecordProperty(std::string("points ") + a.name, p.points);
    EXPECT_EQ(p.exact, p.points) << a.name << "\n" << p.first;
}

TEST(StopPoints, EveryPointOfAnAccelerateRecoversExactly) {
    for (const Action& a : kAccelerate) Report(a, EveryPoint(a));
}

TEST(StopPoints, EveryPointOfAPlanAndOfARestoreRecoversExactly) {
    for (const Action& a : kOthers) Report(a, EveryPoint(a));
}

// Without a stop: everything changed, then the backup made before restored.
TEST(ExactRestore, EveryItemAppliedThenRestoredLeavesTheWholeMachineAsItWas) {
    for (const auto edition : {std::optional(SimulatedWindows::Xp), std::optional(SimulatedWindows::Win2000),
                               std::optional(SimulatedWindows::Nt4), std::optional(SimulatedWindows::Win98),
                               std::optional<SimulatedWindows>()}) {
        const Action a{edition ? "" : "Windows 10", edition, nullptr, Accelerate, RestoreWhatTheHistoryNames};
        Points p;
        RunOnce(a, std::nullopt, p);
        EXPECT_EQ(p.exact, 1) << (edition ? testing::EditionName(*edition) : "Windows 10") << "\n" << p.first;
    }
}

// A restore of the wrong backup is undone in turn: the restore's own record
// names the backup it made of the state it replaced, before its first write.
TEST(ExactRestore, ARestoreIsUndoneByTheBackupItMakesFirst) {
    Lab lab(SimulatedWindows::Xp);
    ChangeEverything(lab.StartProgram());
    const std::string backup = RunAccelerate(*lab.ctx).backup;
    const testing::MachineState applied = testing::StateOf(lab);
    ASSERT_TRUE(RunRestoreCommand(lab.StartProgram(), backup));
    ASSERT_FALSE(testing::StateOf(lab) == applied);
    RestoreWhatTheHistoryNames(lab);  // the newest record: the restore's
    EXPECT_EQ(testing::Differences(applied, testing::StateOf(lab)), "");
}

}  // namespace
}  // namespace brisko
