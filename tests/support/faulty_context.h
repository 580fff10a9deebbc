#pragma once
// A simulated machine whose registry and files refuse one chosen write.
#include "support/simulated_context.h"
#include "support/write_faults.h"

namespace brisko::testing {

struct FaultySimulatedContext : MemoryBackends {
    explicit FaultySimulatedContext(SimulatedWindows edition) { FillSimulated(edition, *this); }
    WriteFaults faults;
    FaultyRegistryStore faultyRegistry{registry, faults};
    FaultyFileSystem faultyFiles{files, faults};
    ProgramContext ctx{Platform{faultyRegistry, faultyFiles, processes, prompts, resources, system, services, clock}};
};

}  // namespace brisko::testing
