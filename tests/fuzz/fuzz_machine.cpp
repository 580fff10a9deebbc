#include "fuzz/fuzz_machine.h"

#include "startup/startup_sequence.h"
#include "support/simulated_services.h"

namespace brisko::fuzz {

FuzzMachine::FuzzMachine(testing::SimulatedWindows edition) {
    testing::FillSimulatedMachine(edition, registry, system, files, "C:");
    if (edition != testing::SimulatedWindows::Win98) testing::FillSimulatedServices(registry, services);
    RunStartupSequence(ctx);
}

}  // namespace brisko::fuzz
