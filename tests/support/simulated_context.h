#pragma once
// A program context on a simulated machine, started as the program starts.
#include "engine/item_passes.h"
#include "platform/profile/profile_file.h"
#include "platform/registry_values.h"
#include "startup/startup_sequence.h"
#include "support/memory_context.h"
#include "support/simulated_machine.h"
#include "support/simulated_services.h"

namespace brisko::testing {

// What the machine shows now: lists unticked, detection afresh.
inline void Redetect(ProgramContext& ctx) {
    ResetItemLists(ctx);
    DetectItemStates(ctx);
}

// System 5's value, IRQ8Priority, the change most tests make.
inline std::string Irq8(RegistryStore& registry) {
    return RegReadValue(registry, RegRoot::LocalMachine, "\\SYSTEM\\CurrentControlSet\\Control\\PriorityControl",
                        "IRQ8Priority", "DWORD");
}

// How many .ini files (backups, not logs) a folder holds.
inline size_t IniFilesIn(FileSystem& files, const std::string& folder) {
    size_t n = 0;
    for (const auto& e : files.ListFolder(folder)) n += e.name.ends_with(".ini");
    return n;
}

// Fills in-memory backends as the simulated machine.
inline void FillSimulated(SimulatedWindows edition, MemoryBackends& b) {
    FillSimulatedMachine(edition, b.registry, b.system, b.files, "C:");
    if (edition != SimulatedWindows::Win98) FillSimulatedServices(b.registry, b.services);
}

struct SimulatedContext : MemoryContext {
    explicit SimulatedContext(SimulatedWindows edition) { FillSimulated(edition, *this); }
    ItemEntry& Entry(TweakCategory c, int number) { return ctx.items.List(c).at(number - 1); }
    std::string Prefs(const std::string& section, const std::string& key) {
        return IniReadValue(files, ctx.paths.preferencesFile, section, key);
    }
    void Redetect() { testing::Redetect(ctx); }
    // A value's text, read as the kind asked.
    std::string Hklm(const std::string& key, const std::string& name, std::string_view kindTag = "DWORD") {
        return RegReadValue(registry, RegRoot::LocalMachine, key, name, kindTag);
    }
    std::string Hkcu(const std::string& key, const std::string& name, std::string_view kindTag = "DWORD") {
        return RegReadValue(registry, RegRoot::CurrentUser, key, name, kindTag);
    }
    std::string Irq8() { return testing::Irq8(registry); }
};

// A simulated machine on which the program has started.
struct StartedContext : SimulatedContext {
    explicit StartedContext(SimulatedWindows edition) : SimulatedContext(edition) { RunStartupSequence(ctx); }
};

}  // namespace brisko::testing
