#pragma once
// Simulated Japanese Windows machines for the core's tests, read from
// tests/data: a registry with the values a fresh installation has for every
// key the items and the start-up read (machine.reg), the Windows folder with
// sysoc.inf, a boot file (boot.ini or Msdos.sys), and drives.
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/registry_store.h"
#include "platform/system_info.h"

namespace brisko::testing {

enum class SimulatedWindows { Xp, Win2000, Nt4, Win98 };

// The sysoc.inf of the simulated NT-family machines: six hidden components,
// blanks around "=" on one line and after commas on another.
extern const std::string kSimulatedSysoc;

// Fills the registry, files and system description. Files go below `drive`
// ("C:" on the host; a scratch folder standing for the system drive under
// Wine), so paths are drive + "\\WINDOWS\\..." .
void FillSimulatedMachine(SimulatedWindows edition, RegistryStore& registry, MemorySystemInfo& system,
                          FileSystem& files, const std::string& drive);

// The tag of an edition in the data files ("XP", "2K", "NT4", "98"), and
// whether a list of tags (also "NT" and "NT5"; empty: all) holds it.
std::string EditionTag(SimulatedWindows edition);
bool EditionListHolds(const std::string& tags, SimulatedWindows edition);

// A table cell as a stored value of the type named (None, Sz, ExpandSz, Binary,
// DWORD, MultiSz, Qword, or a number in hex): raw bytes for the types other
// than strings; for the string types texts split at "|", each encoded, and a
// multi-string closed.
RegValueData StoredValue(const std::string& type, const std::string& cell);

// Sets the value of one .reg value line ("name"=data or @=data) in an existing
// key, or deletes it (=-): a string, dword:, hex:, hex(type): or str(2): (an
// expandable string, written so in machine.reg). False for any other line.
bool SetRegLine(RegistryStore& registry, RegRoot root, const std::string& key, const std::string& line);

// The registry keys the edition's machine holds, in file order.
struct SimulatedKey {
    RegRoot root;
    std::string path;  // without the leading backslash
};
std::vector<SimulatedKey> SimulatedKeys(SimulatedWindows edition);

}  // namespace brisko::testing
