#pragma once
// Simulated Japanese Windows machines for the core's tests: a registry with
// the values a fresh installation has for every key the items and the
// start-up read, the Windows folder with sysoc.inf, a boot file, and drives.
#include <string>

#include "platform/file_system.h"
#include "platform/registry_store.h"
#include "platform/system_info.h"

namespace brisko::testing {

enum class SimulatedWindows { Xp, Win2000, Nt4, Win98 };

// The sysoc.inf of the simulated NT-family machines: six hidden components,
// blanks around "=" on one line and after commas on another.
extern const char* const kSimulatedSysoc;

// Fills the registry, files and system description. Files go below `drive`
// ("C:" on the host; a scratch folder standing for the system drive under
// Wine), so paths are drive + "\\WINDOWS\\..." .
void FillSimulatedMachine(SimulatedWindows edition, RegistryStore& registry, MemorySystemInfo& system,
                          FileSystem& files, const std::string& drive);

// The parts of the machine each category's items read, called by
// FillSimulatedMachine (one file each).
void FillDesktopAndExplorerValues(SimulatedWindows edition, RegistryStore& registry);
void FillPowerAndOthersValues(SimulatedWindows edition, RegistryStore& registry);

}  // namespace brisko::testing
