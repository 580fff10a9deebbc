#pragma once
// Everything program-wide, in one object the start-up sequence fills: the
// platform interfaces, the Windows edition, the paths found at start and the
// item model. Nothing else in the program is global.
#include <string>
#include <vector>

#include "engine/control_states.h"
#include "engine/item_model.h"
#include "engine/pc_information.h"
#include "platform/clock.h"
#include "platform/effect_source.h"
#include "platform/file_system.h"
#include "platform/os_edition.h"
#include "platform/processes.h"
#include "platform/prompts.h"
#include "platform/registry_store.h"
#include "platform/rehearsing_actions.h"
#include "platform/restore_points.h"
#include "platform/service_manager.h"
#include "platform/step_trace.h"
#include "platform/system_info.h"
#include "platform/text_resources.h"
#include "platform/user_accounts.h"
#include "platform/user_hive_store.h"
#include "platform/write_journal.h"

namespace brisko {

class ProgramContext;
// Reads the services page's entries, ticks and records (engine/services.cpp).
void ReadServiceList(ProgramContext& ctx);

struct Platform {
    RegistryStore& registry;
    FileSystem& files;
    ProcessLauncher& processes;
    Prompts& prompts;
    const TextResources& resources;
    SystemInfo& system;
    ServiceManager& services;
    Clock& clock;
};

// Paths detected once at start; "NULL" where not found.
struct ProgramPaths {
    std::string executable;
    std::string preferencesFile = "NULL";
    std::string windowsFolder = "NULL";
    std::string answerFilePath = "NULL";
    std::string sysocFilePath = "NULL";
    std::string bootFilePath = "NULL";
    std::string fixedDriveLetters;
};

class ProgramContext {
public:
    // The registry and files are reached through the journal, which records
    // the writes of each item the apply pass acts on; the launcher, the
    // prompts and the service manager through stand-ins that keep a
    // rehearsal from starting, asking or changing anything (and that record
    // the start types the service manager writes).
    // The registry reaches the journal through the user hive store, so that
    // what the journal records names the hive written (HKEY_USERS\<SID>).
    explicit ProgramContext(Platform p)
        : journal(p.registry, p.files), userHive(journal.Registry()), launcher_(journal, p.processes),
          prompts_(journal, p.prompts), services_(journal, p.services),
          platform{userHive, journal.Files(), launcher_, prompts_, p.resources, p.system, services_, p.clock} {
        items.UseServiceLoader([this] { ReadServiceList(*this); });
    }
    ProgramContext(const ProgramContext&) = delete;
    ProgramContext& operator=(const ProgramContext&) = delete;

    WriteJournal journal;
    // Whose settings HKEY_CURRENT_USER is for the items: routed by the
    // start-up to the process's own hive, by commands to each user's in turn.
    UserHiveStore userHive;

private:
    RehearsingLauncher launcher_;
    RehearsingPrompts prompts_;
    RehearsingServices services_;

public:
    Platform platform;
    OsEdition os;
    ProgramPaths paths;
    ItemModel items;
    ControlStates controls;
    PcInformation pcInformation;  // what the PC information page shows
    // The users' hives this run backs up and writes: the process's own
    // unless a command chose others (opened for as long as it runs).
    std::vector<UserHive> userHives;

    // System Restore: none until the start-up hands the Windows one over.
    RestorePoints& restorePoints() { return *restorePoints_; }
    void UseRestorePoints(RestorePoints& points) { restorePoints_ = &points; }

    // Who runs and the users' hives: nobody can be told until the start-up hands the Windows ones over.
    UserAccounts& accounts() { return *accounts_; }
    void UseAccounts(UserAccounts& accounts) { accounts_ = &accounts; }
    // Windows' records of start and shutdown times: none until the program
    // entry hands the Windows ones over.
    EffectSource& effects() { return *effects_; }
    void UseEffectSource(EffectSource& source) { effects_ = &source; }

    // The start-up's step trace: none unless the program entry hands one over.
    StepTrace& trace() { return *trace_; }
    void UseStepTrace(StepTrace& trace) { trace_ = &trace; }

private:
    NoRestorePoints noRestorePoints_;
    RestorePoints* restorePoints_ = &noRestorePoints_;
    UnknownAccounts unknownAccounts_;
    UserAccounts* accounts_ = &unknownAccounts_;
    NoEffectSource noEffects_;
    EffectSource* effects_ = &noEffects_;
    NoStepTrace noTrace_;
    StepTrace* trace_ = &noTrace_;
};

}  // namespace brisko
