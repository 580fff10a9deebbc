#pragma once
// Everything program-wide, in one object the start-up sequence fills: the
// platform interfaces, the Windows edition, the paths found at start and the
// item model. Nothing else in the program is global.
#include <string>

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
    explicit ProgramContext(Platform p)
        : journal(p.registry, p.files), launcher_(journal, p.processes), prompts_(journal, p.prompts),
          services_(journal, p.services),
          platform{journal.Registry(), journal.Files(), launcher_, prompts_, p.resources, p.system, services_,
                   p.clock} {
        items.UseServiceLoader([this] { ReadServiceList(*this); });
    }
    ProgramContext(const ProgramContext&) = delete;
    ProgramContext& operator=(const ProgramContext&) = delete;

    WriteJournal journal;

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

    // System Restore: none until the start-up hands the Windows one over.
    RestorePoints& restorePoints() { return *restorePoints_; }
    void UseRestorePoints(RestorePoints& points) { restorePoints_ = &points; }

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
    NoEffectSource noEffects_;
    EffectSource* effects_ = &noEffects_;
    NoStepTrace noTrace_;
    StepTrace* trace_ = &noTrace_;
};

}  // namespace brisko
