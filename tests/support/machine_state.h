#pragma once
// The whole of a simulated machine, to compare before and after: every
// registry key and value (type and bytes), every file with its bytes and
// attributes (outside the program's own folder: its preferences, backups
// and logs), and every service's state.
#include <map>
#include <string>

#include "support/memory_context.h"
#include "support/registry_dump.h"

namespace brisko::testing {

struct MachineState {
    RegistryDump registry;
    std::map<std::string, std::string> files;  // by path: attributes in hex, then the bytes
    std::map<std::string, ServiceState> services;
    bool operator==(const MachineState&) const = default;
};

MachineState StateOf(MemoryBackends& machine);
// What differs, one line each, at most `most` lines.
std::string Differences(const MachineState& before, const MachineState& after, size_t most = 8);

// Fills in-memory backends as a simulated Windows 10: the XP machine
// reporting 6.2 (as Windows 10 does to the program) with the services of
// tests/data/services_win10.tsv.
void FillWindows10(MemoryBackends& machine);

}  // namespace brisko::testing
